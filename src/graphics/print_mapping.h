#pragma once

#include "config/settings.h"
#include "core/real.h"
#include "graphics/palette.h"
#include "graphics/pixel_point.h"
#include "graphics/view.h"

// How a drawing of the graphics window is laid out on a sheet of paper. World units are
// millimetres, so a drawing printed at scale 1 has its real size on paper. The mapping goes through
// the window's own screen mapping, so a zoomed view prints enlarged as it is shown, and several
// windows in one display list keep their places relative to each other.
namespace trb::graphics {

// The values of the printout dialog.
struct PrintoutSettings {
    real xscale = 1;
    real yscale = 1;
    int xorigin = 0;  // millimetres to the right
    int yorigin = 0;  // millimetres downward
    bool border = false;
    int colorMode = 1;  // 1 monochrome, 2 colour / grey shades
    bool landscape = true;
    // "anpassen": the whole drawing (zoom reset), fitted into the printable area of the sheet.
    bool fit = false;
};

// What the graphics window shows, which decides the values the printout dialog starts with.
enum class PrintoutKind {
    Other,        // the logo or anything else: the values of the last printout stay
    Drawing,      // a drawing or diagram: the configured graphics printout values
    HelpPicture,  // a help picture: fixed values that suit the pictures
};

// The graphics printout values of the configuration.
PrintoutSettings DrawingPrintoutSettings(const config::ConfigSettings& settings);
// Scale x 1.1, y 1, origins 0, no border, portrait.
PrintoutSettings HelpPicturePrintoutSettings();

// A rectangle in printer dots (y downward).
struct DotRect {
    real left = 0;
    real top = 0;
    real right = 0;
    real bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    real Width() const { return right - left; }
    real Height() const { return bottom - top; }
};
DotRect Intersection(const DotRect& a, const DotRect& b);

// The sheet a printout goes on: its size, its resolution and the part the printer can reach.
struct PaperSheet {
    real widthMm = 210;
    real heightMm = 297;
    real dotsPerMmX = 600 / 25.4L;
    real dotsPerMmY = 600 / 25.4L;
    DotRect printable;  // in dots from the sheet's top-left corner; empty means the whole sheet

    DotRect Whole() const { return {0, 0, widthMm * dotsPerMmX, heightMm * dotsPerMmY}; }
    DotRect PrintableArea() const { return printable.Empty() ? Whole() : printable; }
};

// World coordinates to printer dots. Until it is placed, the mapping prints at real size with the
// screen's top-left corner on the sheet's corner; `Place` then moves and scales the measured
// drawing into its place on the sheet.
class PrinterMapping {
  public:
    PrinterMapping() = default;
    // `reference` is the window's view with the zoom reset: its scales make one world unit one
    // millimetre.
    PrinterMapping(const View& reference, const PaperSheet& sheet, const PrintoutSettings& settings);
    // A mapping that only measures: screen pixels times `factor`, placed nowhere.
    static PrinterMapping Measuring(real factor);

    // A rectangle in screen pixels as unplaced dots.
    DotRect Unplaced(const DotRect& screen) const;

    // Scales the drawing by the printout scales (fitted into the printable area first when the
    // settings ask for it) and centres it on the sheet, moved by the origins. `extent` is the
    // drawing as measured with the unplaced mapping. Returns false for an empty extent.
    bool Place(const DotRect& extent);

    PixelPoint Map(const View& view, real x, real y) const;
    int TextHeight(const View& view, real h) const;
    int TextWidth(const View& view, real w) const;
    // The printer pen width for a line width number of the display list.
    int PenWidth(int n) const;
    // A rectangle in screen pixels on the sheet.
    DotRect OnSheet(const DotRect& screen) const;

  private:
    real DotX(real screenX) const { return offsetX_ + screenX * kx_ * gx_; }
    real DotY(real screenY) const { return offsetY_ + screenY * ky_ * gy_; }

    PaperSheet sheet_;
    PrintoutSettings settings_;
    real kx_ = 1;  // dots per screen pixel at real size
    real ky_ = 1;
    real gx_ = 1;  // scale of the placed printout
    real gy_ = 1;
    real offsetX_ = 0;
    real offsetY_ = 0;
};

// The line width in millimetres a line width number stands for on paper: the thicknesses 1, 2 and
// 3 of the CAD layers are the ISO 128 widths 0.25, 0.35 and 0.5 mm; larger numbers continue the
// series; 0 is the thinnest line.
real PenWidthMm(int n);

// The colour of colour number 1..16 (or 0, the background) on paper. Monochrome prints every
// colour black; in colour the palette stays, except that white prints black and the background is
// the paper's white, so that nothing visible on the screen vanishes on paper.
Rgb PrinterColor(int n, int colorMode);

}  // namespace trb::graphics
