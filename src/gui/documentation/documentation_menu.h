#pragma once

#include "gui/documentation/documentation_commands.h"

namespace trb::gui {

class Thh;

// The window's documentation commands, created with the window on first use.
DocumentationCommands& DocumentationCommandsOf(Thh& window);
// Binds "Te&xt", "&Zeichnungsdaten", the change items that open a form and "Dokument &Setup", and
// lets the quick input start with the title data.
void ConnectDocumentationCommands(Thh& window);

}  // namespace trb::gui
