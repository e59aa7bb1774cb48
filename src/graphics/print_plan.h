#pragma once

#include "graphics/graphics_window.h"
#include "graphics/print_mapping.h"
#include "graphics/replay.h"

namespace trb::graphics {

// Where the window's drawing goes on a sheet: the placed mapping, the window's viewport on the
// sheet (nothing outside it is printed, as nothing outside it is shown), and the rectangle on the
// sheet the drawing was placed by.
struct PrintPlan {
    PrinterMapping mapping;
    DotRect clip;
    DotRect drawing;
    bool empty = true;  // the display list draws nothing
};

// Measures the display list with a replay that draws nowhere and places it on the sheet: at real
// size the rectangle of its lines is centred on the sheet (so a drawing made on an A4 sheet lies
// on the paper's edges, and notes written outside its sheet fall off the paper); a fitted printout
// fits everything, texts included, into the printable area. Only what the window shows counts. The
// scale reference is the view of the list's drawing window (the first one anything is drawn in)
// with the zoom reset; a zoom that differs from it by less than a percent (a reset to the whole
// device rather than to the viewport) counts as no zoom.
PrintPlan PlanPrintout(GraphicsWindow& window, const PaperSheet& sheet, const PrintoutSettings& settings,
                       bool& abort);

// The size of the drawing's lines (as shown) at real size, in millimetres (0 by 0 for an empty
// list).
struct SheetSize {
    real widthMm = 0;
    real heightMm = 0;
};
SheetSize DrawingSizeMm(GraphicsWindow& window, bool& abort);

// The orientation for a drawing printed at the scales of `settings`: the one the settings hold,
// unless the drawing fits the sheet only in the other (an upright A4 drawing on a printer set to
// landscape). `portraitSheet` is the sheet upright; fitted printouts keep the settings' orientation.
bool ChooseLandscape(const SheetSize& drawing, const PrintoutSettings& settings,
                     const SheetSize& portraitSheet);

// A canvas that draws nothing (the screen side of a printout replay).
class NullCanvas : public ReplayCanvas {
  public:
    void Line(PixelPoint, PixelPoint) override {}
    void Ellipse(PixelPoint, PixelPoint) override {}
    void Arc(PixelPoint, PixelPoint, PixelPoint, PixelPoint) override {}
    void Polygon(const PixelPoint (&)[4]) override {}
    void Text(const PixelText&) override {}
};

}  // namespace trb::graphics
