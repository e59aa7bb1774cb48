#include "graphics/print_mapping.h"

#include <algorithm>
#include <cmath>

namespace trb::graphics {

PrintoutSettings DrawingPrintoutSettings(const config::ConfigSettings& settings) {
    PrintoutSettings p;
    p.xscale = settings.printScaleX;
    p.yscale = settings.printScaleY;
    p.xorigin = settings.printOriginX;
    p.yorigin = settings.printOriginY;
    p.border = settings.printBorder;
    p.colorMode = settings.printShading == 2 ? 2 : 1;
    p.landscape = settings.printerOrientation != 1;
    return p;
}

PrintoutSettings HelpPicturePrintoutSettings() {
    PrintoutSettings p;
    p.xscale = 1.1L;
    p.yscale = 1;
    p.landscape = false;
    return p;
}

DotRect Intersection(const DotRect& a, const DotRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

PrinterMapping::PrinterMapping(const View& reference, const PaperSheet& sheet,
                               const PrintoutSettings& settings)
    : sheet_(sheet), settings_(settings) {
    // One world unit of the unzoomed view is one millimetre on paper.
    if (reference.sx > 0) kx_ = sheet.dotsPerMmX / reference.sx;
    if (reference.sy > 0) ky_ = sheet.dotsPerMmY / reference.sy;
}

PrinterMapping PrinterMapping::Measuring(real factor) {
    PrinterMapping m;
    m.kx_ = factor;
    m.ky_ = factor;
    return m;
}

DotRect PrinterMapping::Unplaced(const DotRect& screen) const {
    return {screen.left * kx_, screen.top * ky_, screen.right * kx_, screen.bottom * ky_};
}

bool PrinterMapping::Place(const DotRect& extent) {
    if (extent.Empty()) return false;
    const real xscale = settings_.xscale > 0 ? settings_.xscale : 1;
    const real yscale = settings_.yscale > 0 ? settings_.yscale : 1;
    DotRect target = sheet_.Whole();
    real fit = 1;
    if (settings_.fit) {
        target = sheet_.PrintableArea();
        fit = std::min(target.Width() / extent.Width(), target.Height() / extent.Height());
    }
    gx_ = fit * xscale;
    gy_ = fit * yscale;
    const real centreX =
        (target.left + target.right) / 2 + static_cast<real>(settings_.xorigin) * sheet_.dotsPerMmX;
    const real centreY =
        (target.top + target.bottom) / 2 + static_cast<real>(settings_.yorigin) * sheet_.dotsPerMmY;
    offsetX_ = centreX - (extent.left + extent.right) / 2 * gx_;
    offsetY_ = centreY - (extent.top + extent.bottom) / 2 * gy_;
    return true;
}

PixelPoint PrinterMapping::Map(const View& view, real x, real y) const {
    const real screenX = (x - view.wx1) * view.sx + static_cast<real>(view.left);
    const real screenY = static_cast<real>(view.bottom) - (y - view.wy1) * view.sy;
    return {RoundPixel(DotX(screenX)), RoundPixel(DotY(screenY))};
}

int PrinterMapping::TextHeight(const View& view, real h) const {
    return RoundPixel(h * view.sy * ky_ * gy_);
}

int PrinterMapping::TextWidth(const View& view, real w) const {
    return RoundPixel(w * view.sx * kx_ * gx_);
}

int PrinterMapping::PenWidth(int n) const {
    const real dotsPerMm = (sheet_.dotsPerMmX + sheet_.dotsPerMmY) / 2;
    return std::max(RoundPixel(PenWidthMm(n) * dotsPerMm), 1);
}

DotRect PrinterMapping::OnSheet(const DotRect& screen) const {
    return {DotX(screen.left), DotY(screen.top), DotX(screen.right), DotY(screen.bottom)};
}

real PenWidthMm(int n) {
    switch (n) {
        case 0:
            return 0.13L;
        case 1:
            return 0.25L;
        case 2:
            return 0.35L;
        case 3:
            return 0.5L;
        case 4:
            return 0.7L;
        case 5:
            return 1.0L;
        default:
            return n < 0 ? 0.25L : 0.2L * static_cast<real>(n);
    }
}

Rgb PrinterColor(int n, int colorMode) {
    constexpr Rgb kBlack{0, 0, 0};
    constexpr Rgb kWhite{255, 255, 255};
    if (n == 0) return kWhite;
    if (colorMode != 2) return kBlack;
    const Rgb c = PaletteColor(n);
    return c == kWhite ? kBlack : c;
}

}  // namespace trb::graphics
