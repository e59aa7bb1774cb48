#include "graphics/paper_output.h"

#include <algorithm>

#include "graphics/print_plan.h"
#include "graphics/view.h"

namespace trb::graphics {

namespace {

constexpr real kFitMarginMm = 10;
constexpr real kFitToleranceMm = 0.5L;

// What the sheet shows of the drawing: its lines (or everything, when fitted) within its limits.
WorldBox Shown(const PaperDrawing& drawing, bool fit) {
    const WorldBox& drawn = fit || !drawing.lines.seen ? drawing.all : drawing.lines;
    if (!drawing.limits.seen || drawing.limits.Width() <= 0 || drawing.limits.Height() <= 0) return drawn;
    return Intersection(drawn, drawing.limits);
}

void PaintOnWhite(cairo_t* cr, const PaperDrawing& drawing, const SheetPlacement& placement) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    PaintDrawing(cr, drawing, placement.mapping);
}

}  // namespace

PrintoutSettings RealSizePrintout() {
    PrintoutSettings settings;
    settings.colorMode = 2;
    settings.landscape = false;
    return settings;
}

PrintoutSettings RealSizePrintoutFor(const PaperDrawing& drawing) {
    PrintoutSettings settings = RealSizePrintout();
    // The view's sheet (its limits) says how it lies; its lines alone may not (a diagram's legend
    // beside its axes is text).
    const WorldBox& limits = drawing.limits;
    const bool limited = limits.seen && limits.Width() > 0 && limits.Height() > 0;
    const WorldBox view = limited ? limits : Shown(drawing, false);
    settings.landscape = view.seen && view.Width() > view.Height();
    return settings;
}

SheetPlacement PlaceOnA4(const PaperDrawing& drawing, PrintoutSettings settings) {
    SheetPlacement placement;
    const SheetSize upright{paper::kA4WidthMm, paper::kA4HeightMm};
    if (!settings.fit) {
        const WorldBox lines = Shown(drawing, false);
        const SheetSize size{lines.Width(), lines.Height()};
        settings.landscape = ChooseLandscape(size, settings, upright);
        const real w = size.widthMm * (settings.xscale > 0 ? settings.xscale : 1);
        const real h = size.heightMm * (settings.yscale > 0 ? settings.yscale : 1);
        const real sheetW = settings.landscape ? upright.heightMm : upright.widthMm;
        const real sheetH = settings.landscape ? upright.widthMm : upright.heightMm;
        if (w > sheetW + kFitToleranceMm || h > sheetH + kFitToleranceMm) {
            settings.fit = true;
            settings.landscape = w > h;
        }
    }
    const WorldBox shown = Shown(drawing, settings.fit);
    if (!shown.seen) return placement;

    PaperSheet sheet;
    sheet.widthMm = settings.landscape ? upright.heightMm : upright.widthMm;
    sheet.heightMm = settings.landscape ? upright.widthMm : upright.heightMm;
    // The mapping counts in millimetres of the sheet.
    sheet.dotsPerMmX = sheet.dotsPerMmY = 1;
    sheet.printable = {kFitMarginMm, kFitMarginMm, sheet.widthMm - kFitMarginMm,
                       sheet.heightMm - kFitMarginMm};
    // One world millimetre is one screen unit, y upward.
    View reference;
    reference.sx = reference.sy = 1;
    PrinterMapping mapping(reference, sheet, settings);
    if (!mapping.Place({shown.x1, -shown.y2, shown.x2, -shown.y1})) return placement;
    const DotRect unit = mapping.OnSheet({0, 0, 1, 1});
    placement.widthMm = sheet.widthMm;
    placement.heightMm = sheet.heightMm;
    placement.mapping = {unit.right - unit.left, unit.left, -(unit.bottom - unit.top), unit.top};
    placement.placed = true;
    placement.fitted = settings.fit;
    return placement;
}

SheetPlacement PlaceOnLimits(const PaperDrawing& drawing) {
    SheetPlacement placement;
    WorldBox box = drawing.limits;
    if (!box.seen || box.Width() <= 0 || box.Height() <= 0) box = drawing.all;
    if (!box.seen || box.Width() <= 0 || box.Height() <= 0) return placement;
    placement.widthMm = box.Width();
    placement.heightMm = box.Height();
    placement.mapping = {1, -box.x1, -1, box.y2};
    placement.placed = true;
    return placement;
}

bool AddDrawingPage(paper::PdfDocument& document, const PaperDrawing& drawing,
                    const PrintoutSettings& settings) {
    const SheetPlacement placement = PlaceOnA4(drawing, settings);
    if (!placement.placed) return false;
    cairo_t* cr = document.BeginPage(placement.widthMm, placement.heightMm);
    if (!cr) return false;
    PaintDrawing(cr, drawing, placement.mapping);
    document.EndPage();
    return true;
}

bool WriteDrawingPdf(std::string& out, const PaperDrawing& drawing, std::string_view title) {
    paper::PdfDocument document(title, "TRB");
    const bool drawn = AddDrawingPage(document, drawing, RealSizePrintoutFor(drawing));
    const bool finished = document.Finish();
    out = document.Bytes();
    return drawn && finished;
}

bool WriteDrawingSvg(std::string& out, const PaperDrawing& drawing) {
    const SheetPlacement placement = PlaceOnLimits(drawing);
    if (!placement.placed) return false;
    return paper::WriteSvg(out, placement.widthMm, placement.heightMm,
                           [&](cairo_t* cr) { PaintOnWhite(cr, drawing, placement); });
}

bool WriteDrawingPng(std::string& out, const PaperDrawing& drawing, int dotsPerInch) {
    const SheetPlacement placement = PlaceOnLimits(drawing);
    if (!placement.placed) return false;
    return paper::WritePng(out, placement.widthMm, placement.heightMm, dotsPerInch,
                           [&](cairo_t* cr) { PaintOnWhite(cr, drawing, placement); });
}

}  // namespace trb::graphics
