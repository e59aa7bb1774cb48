#pragma once

#include <functional>
#include <string>

// Whether the window can open here, asked before any window library is loaded: without a display
// the window program would end on a signal instead of saying why.
namespace trb::app {

// The value of an environment variable, or null when it is not set.
using Environment = std::function<const char*(const char* name)>;

// Empty when a window can open: a platform that needs no display server is chosen
// (QT_QPA_PLATFORM offscreen, minimal, vnc, ...), or a Wayland compositor or an X server takes a
// connection. Otherwise the message that says why not (one line, English like the other start-up
// messages of the program).
std::string DisplayProblem(const Environment& environment);

// The process's own environment.
const char* ProcessEnvironment(const char* name);

}  // namespace trb::app
