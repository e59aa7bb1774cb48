#pragma once

#include <exception>
#include <string>

namespace trb::app {

// The message (code page 850) when a command of the window ended with an exception instead of a
// message of its own: the command is abandoned, the program goes on with the case as it stands, so
// that unsaved inputs can still be saved.
std::string CommandFailureText(std::exception_ptr failure);

}  // namespace trb::app
