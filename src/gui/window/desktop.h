#pragma once

#include "app/command_line.h"

namespace trb::gui {

// The window program: creates the application (title "TRB"), the dialogs, the program state and
// the main window, and runs the event loop. Returns the exit code.
int RunDesktop(int& argc, char** argv, const app::CommandLine& commandLine);

}  // namespace trb::gui
