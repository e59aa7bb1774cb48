#pragma once

#include "graphics/print_mapping.h"
#include "gui/printing/printer_choice.h"

namespace trb::gui {

// What printing keeps for the whole run: the printer, the printout settings of the last printout,
// what the graphics window shows (which decides the values the printout dialog starts with), and
// the stored printout setting used last.
struct WindowPrinting {
    PrinterChoice printer;
    graphics::PrintoutSettings settings;
    graphics::PrintoutKind shown = graphics::PrintoutKind::Other;
    int printoutRecord = 0;
};

}  // namespace trb::gui
