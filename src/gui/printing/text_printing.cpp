#include "gui/printing/text_printing.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "config/settings.h"
#include "gui/printing/printer_choice.h"
#include "text/cp850.h"
#include "ui/text_printout.h"

namespace trb::gui {

namespace {

QFont PrintoutFont(const ui::TextPageLayout& layout) {
    QFont font(QString::fromStdString(layout.fontName));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(std::max(layout.fontSizePt, 1));
    const int style = layout.fontStyle;
    font.setBold((style & 1) != 0);
    font.setItalic((style & 2) != 0);
    font.setUnderline((style & 4) != 0);
    font.setStrikeOut((style & 8) != 0);
    return font;
}

}  // namespace

int PrintTextPages(QPrinter& printer, const std::string& file, int from, int to,
                   const config::ConfigSettings& settings) {
    const std::vector<ui::TextPage> pages = ui::ReadTextPages(file);
    from = std::max(from, 1);
    to = std::min({to, kMaxPrintedPage, static_cast<int>(pages.size())});
    if (from > to) return 0;

    QPrinter job(QPrinter::HighResolution);
    TakePrinterSettings(job, printer);
    // Positions are measured from the sheet's corner, so the margins are the same on every printer.
    job.setFullPage(true);
    const ui::TextPageLayout layout = ui::TextPageLayoutFrom(settings);
    QPainter painter;
    if (!painter.begin(&job)) return 0;
    painter.setFont(PrintoutFont(layout));
    painter.setPen(Qt::black);
    const double dotsPerMm = job.resolution() / 25.4;
    const double sheetHeightMm = job.pageLayout().fullRectPoints().height() * 25.4 / 72;
    const double left = static_cast<double>(layout.marginLeftMm) * dotsPerMm;
    const double top = static_cast<double>(layout.marginTopMm) * dotsPerMm;
    const double lineHeight = static_cast<double>(layout.LineHeightMm(sheetHeightMm)) * dotsPerMm;
    for (int page = from; page <= to; ++page) {
        if (page > from) job.newPage();
        double y = top;
        for (const std::string& line : pages[static_cast<std::size_t>(page - 1)]) {
            y += lineHeight;
            if (line.empty()) continue;
            painter.drawText(QPointF(left, y),
                             QString::fromStdString(text::OemToDisplay(line, settings.format)));
        }
    }
    painter.end();
    return to - from + 1;
}

void PrintTextFile(QWidget* parent, QPrinter& printer, const std::string& file, int pages,
                   const config::ConfigSettings& settings) {
    const QPageLayout::Orientation previous = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog1");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(pages > 0 ? 1 : 0, pages);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(pages > 0 ? 1 : 0, pages);
    if (dialog.exec() == QDialog::Accepted) {
        int from = 1;
        int to = pages;
        if (printer.printRange() == QPrinter::PageRange) {
            from = printer.fromPage();
            to = printer.toPage();
        }
        PrintTextPages(printer, file, from, to, settings);
    }
    printer.setPageOrientation(previous);
}

}  // namespace trb::gui
