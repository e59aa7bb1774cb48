#pragma once

#include "gui/input/input_commands.h"

namespace trb::gui {

class Thh;

// Creates the input commands of the main window (they live as long as the window) and connects the
// Edit items "&Quick", "&Basisdaten", "&Schmierung", "&Grenzwerte" and the hidden viscosity
// converter to them.
InputCommands& ConnectInputCommands(Thh& window);
// The window's input commands, created on first use.
InputCommands& InputCommandsOf(Thh& window);

}  // namespace trb::gui
