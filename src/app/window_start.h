#pragma once

namespace trb::app {

// Hands a start without a batch option over to the window program "trb-window" installed beside this
// one, with the same arguments. The batch program itself never loads Qt, so the command-line modes start
// in a few milliseconds. Returns only when the window program cannot be started, or when there is
// no display for it (with a message on standard error).
int StartWindow(char** argv);

}  // namespace trb::app
