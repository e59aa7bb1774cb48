#include "gui/printing/drawing_printout.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "gui/printing/printer_choice.h"
#include "gui/window/painter_canvas.h"

namespace trb::gui {

namespace {

QRectF Q(const graphics::DotRect& r) {
    return QRectF(QPointF(static_cast<double>(r.left), static_cast<double>(r.top)),
                  QPointF(static_cast<double>(r.right), static_cast<double>(r.bottom)));
}

}  // namespace

graphics::PaperSheet SheetOf(const QPrinter& printer) {
    graphics::PaperSheet sheet;
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    sheet.widthMm = full.width();
    sheet.heightMm = full.height();
    const int resolution = printer.resolution();
    sheet.dotsPerMmX = resolution / 25.4L;
    sheet.dotsPerMmY = resolution / 25.4L;
    const QRect printable = layout.paintRectPixels(resolution);
    sheet.printable = {static_cast<real>(printable.left()), static_cast<real>(printable.top()),
                       static_cast<real>(printable.left() + printable.width()),
                       static_cast<real>(printable.top() + printable.height())};
    return sheet;
}

DrawingPrintResult PrintDrawing(graphics::GraphicsWindow& window, QPrinter& printer,
                                const graphics::PrintoutSettings& settings, const text::FormatOptions& format,
                                bool& abort, graphics::PrintPlan* placed) {
    printer.setPageOrientation(settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrinter job(QPrinter::HighResolution);
    TakePrinterSettings(job, printer);
    // Positions are measured from the sheet's corner, so that a drawing lands in the same place on
    // every printer.
    job.setFullPage(true);
    const graphics::PrintPlan plan = graphics::PlanPrintout(window, SheetOf(job), settings, abort);
    if (placed) *placed = plan;
    if (plan.empty) return DrawingPrintResult::NothingToPrint;

    QPainter painter;
    if (!painter.begin(&job)) return DrawingPrintResult::PrinterFailed;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(Q(plan.clip));
    PainterCanvas paper(painter, format);
    graphics::NullCanvas screen;
    const graphics::PrintTarget target{&paper, plan.mapping, settings.colorMode, settings.border};
    graphics::Replay(window, screen, &target, abort);
    painter.end();
    return DrawingPrintResult::Printed;
}

}  // namespace trb::gui
