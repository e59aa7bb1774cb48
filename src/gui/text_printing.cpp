#include "gui/text_printing.h"

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <fstream>

#include "config/settings.h"
#include "text/cp850.h"

namespace trb::gui {

namespace {

QFont PrintoutFont(const config::ConfigSettings& settings) {
    QFont font(QString::fromStdString(settings.printoutFont));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(std::max(settings.printoutFontSize, 1));
    const int style = settings.printoutFontStyle;
    font.setBold((style & 1) != 0);
    font.setItalic((style & 2) != 0);
    font.setUnderline((style & 4) != 0);
    font.setStrikeOut((style & 8) != 0);
    return font;
}

}  // namespace

int PrintTextPages(QPagedPaintDevice& device, const std::string& file, int from, int to,
                   const config::ConfigSettings& settings) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return 0;
    to = std::min(to, kMaxPrintedPage);
    QPainter painter;
    int page = 0;
    int printed = 0;
    double y = 0;
    double lineHeight = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '\f') {
            ++page;
            if (page < from || page > to) continue;
            if (printed == 0) {
                if (!painter.begin(&device)) return 0;
                painter.setFont(PrintoutFont(settings));
                painter.setPen(Qt::black);
                const int lines = settings.linesPerPage > 0 ? settings.linesPerPage : 66;
                lineHeight = static_cast<double>(device.height()) / lines;
            } else {
                device.newPage();
            }
            ++printed;
            y = 0;
            line.erase(0, 1);
            if (line.empty()) continue;
        }
        if (printed == 0 || page < from || page > to) continue;
        y += lineHeight;
        painter.drawText(QPointF(0, y), QString::fromStdString(text::OemToDisplay(line, settings.format)));
    }
    if (printed > 0) painter.end();
    return printed;
}

void PrintTextFile(QWidget* parent, const std::string& file, int pages,
                   const config::ConfigSettings& settings) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(pages > 0 ? 1 : 0, pages);
    printer.setFromTo(pages > 0 ? 1 : 0, pages);
    if (dialog.exec() != QDialog::Accepted) return;
    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    PrintTextPages(printer, file, from, to, settings);
}

}  // namespace trb::gui
