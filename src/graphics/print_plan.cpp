#include "graphics/print_plan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/paper_drawing.h"

namespace trb::graphics {

namespace {

// Screen pixels are measured this much finer than whole pixels.
constexpr real kMeasureFactor = 64;
// Sizes this close count as fitting (millimetres).
constexpr real kFitToleranceMm = 0.5L;

// In screen pixels: a rectangle measured in screen pixels times the measuring factor.
DotRect PixelRect(const WorldBox& box) {
    return {box.x1 / kMeasureFactor, box.y1 / kMeasureFactor, box.x2 / kMeasureFactor,
            box.y2 / kMeasureFactor};
}

// Collects the rectangles the drawing's lines and all of it (texts included) are drawn in, and the
// view of the first drawing command.
class MeasuringCanvas : public ReplayCanvas {
  public:
    explicit MeasuringCanvas(const View& live) : live_(live) {}

    void MoveTo(PixelPoint p) override { pen_ = p; }
    void LineTo(PixelPoint p) override {
        Line(pen_, p);
        pen_ = p;
    }
    void Line(PixelPoint a, PixelPoint b) override {
        AddLine(a);
        AddLine(b);
    }
    void Ellipse(PixelPoint topLeft, PixelPoint bottomRight) override {
        AddLine(topLeft);
        AddLine(bottomRight);
    }
    void Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint, PixelPoint) override {
        Ellipse(topLeft, bottomRight);
    }
    void Polygon(const PixelPoint (&points)[4]) override {
        for (const PixelPoint& p : points) AddLine(p);
    }
    void Text(const PixelText& t) override {
        // The text cell: characters of the given width (or a usual share of the height) side by
        // side, turned by the escapement about the cell's top-left corner.
        const real h = t.height;
        const real w = t.width > 0 ? t.width : 0.6L * h;
        const real length = w * static_cast<real>(t.text.size());
        const real a = static_cast<real>(t.escapement) / 10 * std::numbers::pi_v<real> / 180;
        const real c = std::cos(a), s = std::sin(a);
        for (const auto& [x, y] : {std::pair<real, real>{0, 0}, {length, 0}, {0, h}, {length, h}}) {
            First();
            all_.Add(static_cast<real>(t.origin.x) + x * c + y * s,
                     static_cast<real>(t.origin.y) - x * s + y * c);
        }
    }

    bool Seen() const { return all_.seen; }
    const View& FirstView() const { return first_; }
    // The lines' rectangle, or everything's when nothing but text is drawn.
    DotRect Lines() const { return PixelRect(lines_.seen ? lines_ : all_); }
    DotRect All() const { return PixelRect(all_); }

  private:
    void First() {
        if (!all_.seen) first_ = live_;
    }
    void AddLine(PixelPoint p) {
        First();
        lines_.Add(static_cast<real>(p.x), static_cast<real>(p.y));
        all_.Add(static_cast<real>(p.x), static_cast<real>(p.y));
    }

    const View& live_;
    View first_;
    PixelPoint pen_;
    WorldBox lines_;  // screen pixels times the measuring factor
    WorldBox all_;
};

// The drawing window's view with the zoom reset, or the view itself when its zoom is no real zoom.
View ReferenceView(const View& shown) {
    View reference = shown;
    reference.SetScale(reference.left, reference.top, reference.right, reference.bottom);
    const auto near = [](real a, real b) { return b > 0 && std::fabs(a / b - 1) < 0.01L; };
    if (near(shown.sx, reference.sx) && near(shown.sy, reference.sy)) return shown;
    return reference;
}

struct Measurement {
    bool seen = false;
    View view;      // the view of the first drawing command
    DotRect lines;  // screen pixels
    DotRect all;
};

Measurement Measure(GraphicsWindow& window, const PrintoutSettings& settings, bool& abort) {
    NullCanvas screen;
    MeasuringCanvas measure(window.CurrentView());
    PrintTarget target{&measure, PrinterMapping::Measuring(kMeasureFactor), settings.colorMode,
                       settings.border};
    Replay(window, screen, &target, abort);
    return {measure.Seen(), measure.FirstView(), measure.Lines(), measure.All()};
}

DotRect ScreenViewport(const View& view) {
    return {static_cast<real>(view.left), static_cast<real>(view.top), static_cast<real>(view.right),
            static_cast<real>(view.bottom)};
}

}  // namespace

PrintPlan PlanPrintout(GraphicsWindow& window, const PaperSheet& sheet, const PrintoutSettings& settings,
                       bool& abort) {
    PrintPlan plan;
    const Measurement m = Measure(window, settings, abort);
    if (!m.seen) return plan;
    plan.mapping = PrinterMapping(ReferenceView(m.view), sheet, settings);
    // A fitted printout makes room for the texts too; at real size the lines decide, so that a
    // sheet drawn to the paper's size lies on the paper even with notes written beside it.
    const DotRect shown = Intersection(settings.fit ? m.all : m.lines, ScreenViewport(m.view));
    if (!plan.mapping.Place(plan.mapping.Unplaced(shown))) return plan;
    plan.clip = plan.mapping.OnSheet(ScreenViewport(m.view));
    plan.drawing = plan.mapping.OnSheet(shown);
    plan.empty = false;
    return plan;
}

SheetSize DrawingSizeMm(GraphicsWindow& window, bool& abort) {
    const Measurement m = Measure(window, {}, abort);
    if (!m.seen) return {};
    // At real size a screen pixel of the reference view is 1 / sx millimetres.
    const View reference = ReferenceView(m.view);
    const DotRect shown = Intersection(m.lines, ScreenViewport(m.view));
    if (shown.Empty() || reference.sx <= 0 || reference.sy <= 0) return {};
    return {shown.Width() / reference.sx, shown.Height() / reference.sy};
}

bool ChooseLandscape(const SheetSize& drawing, const PrintoutSettings& settings,
                     const SheetSize& portraitSheet) {
    if (settings.fit || drawing.widthMm <= 0 || drawing.heightMm <= 0) return settings.landscape;
    const real w = drawing.widthMm * (settings.xscale > 0 ? settings.xscale : 1);
    const real h = drawing.heightMm * (settings.yscale > 0 ? settings.yscale : 1);
    const real shortSide = std::min(portraitSheet.widthMm, portraitSheet.heightMm) + kFitToleranceMm;
    const real longSide = std::max(portraitSheet.widthMm, portraitSheet.heightMm) + kFitToleranceMm;
    const bool fitsPortrait = w <= shortSide && h <= longSide;
    const bool fitsLandscape = w <= longSide && h <= shortSide;
    if (settings.landscape) return fitsLandscape || !fitsPortrait;
    return fitsLandscape && !fitsPortrait;
}

}  // namespace trb::graphics
