#include "gui/printing/printer_choice.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>

namespace trb::gui {

PrinterChoice::PrinterChoice() {
    printer_.setDocName(QStringLiteral("TRB"));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) printer_.setOutputFormat(QPrinter::PdfFormat);
}

QString PrinterChoice::Name() const {
    if (!PrintsToPdf()) return printer_.printerName();
    const QString file = printer_.outputFileName();
    return file.isEmpty() ? QStringLiteral("PDF") : QStringLiteral("PDF ") + QFileInfo(file).fileName();
}

bool PrinterChoice::Setup(QWidget* parent) {
    QPrintDialog dialog(&printer_, parent);
    dialog.setObjectName("PrintDialog1");
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    // It chooses the printer here; printing comes later.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

bool PrinterChoice::Ready(QWidget* parent) {
    if (!PrintsToPdf() || !printer_.outputFileName().isEmpty()) return true;
    const QString file = QFileDialog::getSaveFileName(
        parent, QStringLiteral("PDF"), QStringLiteral("trb.pdf"), QStringLiteral("PDF (*.pdf)"), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (file.isEmpty()) return false;
    PrintToPdf(file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? file
                                                                          : file + QStringLiteral(".pdf"));
    return true;
}

void PrinterChoice::PrintToPdf(const QString& file) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(file);
}

bool PrinterChoice::Landscape() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape;
}

void PrinterChoice::SetLandscape(bool landscape) {
    printer_.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TakePrinterSettings(QPrinter& job, const QPrinter& chosen) {
    job.setOutputFormat(chosen.outputFormat());
    if (chosen.outputFormat() == QPrinter::NativeFormat) job.setPrinterName(chosen.printerName());
    job.setOutputFileName(chosen.outputFileName());
    job.setDocName(chosen.docName());
    job.setPageLayout(chosen.pageLayout());
    job.setFullPage(chosen.fullPage());
    job.setColorMode(chosen.colorMode());
    job.setDuplex(chosen.duplex());
    job.setCopyCount(chosen.copyCount());
    job.setCollateCopies(chosen.collateCopies());
    job.setPageOrder(chosen.pageOrder());
    job.setPrintRange(chosen.printRange());
    job.setFromTo(chosen.fromPage(), chosen.toPage());
}

}  // namespace trb::gui
