#pragma once

#include <string>

#include "graphics/graphics_window.h"
#include "graphics/print_mapping.h"
#include "graphics/print_plan.h"
#include "text/format_options.h"

class QPrinter;

namespace trb::gui {

// The sheet the printer prints on: its size in millimetres, its resolution, and the area the
// printer reaches.
graphics::PaperSheet SheetOf(const QPrinter& printer);

// How a drawing printout ended.
enum class DrawingPrintResult {
    Printed,
    NothingToPrint,  // the display list draws nothing
    PrinterFailed,   // the printer (or the PDF file) could not be opened
};

// Prints the graphics window's drawing on the printer: the display list is replayed once more with
// the printer as the second canvas, placed on the sheet by the printout settings (see
// graphics/print_plan.h). The printer's orientation is set from the settings. `placed` receives the
// plan when given.
DrawingPrintResult PrintDrawing(graphics::GraphicsWindow& window, QPrinter& printer,
                                const graphics::PrintoutSettings& settings, const text::FormatOptions& format,
                                bool& abort, graphics::PrintPlan* placed = nullptr);

}  // namespace trb::gui
