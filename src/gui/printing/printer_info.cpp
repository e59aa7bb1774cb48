#include "gui/printing/printer_info.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtGlobal>

namespace trb::gui {

namespace {

constexpr int kGridRows = 20;

QString Number(double value) {
    return QString::number(value, 'f', 1);
}

}  // namespace

std::vector<std::pair<QString, QString>> PrinterCapabilities(QPrinter& printer) {
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    const QPrinterInfo info = pdf ? QPrinterInfo() : QPrinterInfo(printer);
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const QPageLayout layout = printer.pageLayout();
    const QRectF printableMm = layout.paintRect(QPageLayout::Millimeter);
    const QRect printableDots = layout.paintRectPixels(printer.resolution());
    const bool colour = pdf || info.supportedColorModes().contains(QPrinter::Color);
    std::vector<std::pair<QString, QString>> rows = {
        {QStringLiteral("Name"),
         pdf ? QStringLiteral("PDF ") + printer.outputFileName() : printer.printerName()},
        {QStringLiteral("Treiberversion"), pdf || info.makeAndModel().isEmpty()
                                               ? QStringLiteral("Qt ") + QString::fromLatin1(qVersion())
                                               : info.makeAndModel()},
        {QStringLiteral("Technologie"),
         pdf ? QStringLiteral("4 Metafile") : QStringLiteral("2 Rasterdrucker")},
        {QStringLiteral("Druckbreite (mm)"), Number(printableMm.width())},
        {QStringLiteral("Druckhöhe (mm)"), Number(printableMm.height())},
        {QStringLiteral("Breite (Pixel)"), QString::number(printableDots.width())},
        {QStringLiteral("Höhe (Pixel)"), QString::number(printableDots.height())},
        {QStringLiteral("Linker Seitenoffset (Pixel)"), QString::number(printableDots.left())},
        {QStringLiteral("Oberer Seitenoffset (Pixel)"), QString::number(printableDots.top())},
        {QStringLiteral("DPI (horizontal)"), QString::number(dpiX)},
        {QStringLiteral("DPI (vertikal)"), QString::number(dpiY)},
        {QStringLiteral("Pinsel"), QStringLiteral("unbegrenzt")},
        {QStringLiteral("Stifte"), QStringLiteral("unbegrenzt")},
        {QStringLiteral("Markierer"), QStringLiteral("0")},
        {QStringLiteral("Farben"), colour ? QStringLiteral("16777216") : QStringLiteral("2")},
        {QStringLiteral("Schriften"), QString::number(QFontDatabase::families().size())},
        {QStringLiteral("Ort"), info.location()},
        {QStringLiteral("Papierformat"), layout.pageSize().name()},
        {QStringLiteral("Ausrichtung"), layout.orientation() == QPageLayout::Landscape
                                            ? QStringLiteral("Querformat")
                                            : QStringLiteral("Hochformat")},
        {QStringLiteral("Standarddrucker"),
         !pdf && info.isDefault() ? QStringLiteral("ja") : QStringLiteral("nein")},
    };
    return rows;
}

TForm_printerinfo::TForm_printerinfo(QPrinter& printer, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm_printerinfo");
    setWindowTitle(QStringLiteral("Drucker"));
    auto* grid = new QTableWidget(kGridRows, 2, this);
    grid->setObjectName("StringGrid1");
    grid->horizontalHeader()->setVisible(false);
    grid->verticalHeader()->setVisible(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto rows = PrinterCapabilities(printer);
    for (int row = 0; row < kGridRows && row < static_cast<int>(rows.size()); ++row) {
        grid->setItem(row, 0, new QTableWidgetItem(rows[static_cast<std::size_t>(row)].first));
        grid->setItem(row, 1, new QTableWidgetItem(rows[static_cast<std::size_t>(row)].second));
    }
    grid->resizeColumnsToContents();
    grid->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("Button_ok");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addWidget(buttons);
    resize(520, 560);
}

}  // namespace trb::gui
