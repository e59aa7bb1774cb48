#pragma once

#include <QPrinter>
#include <QString>

class QWidget;

namespace trb::gui {

// The printer every printout of the window goes to: the system's default printer (CUPS) at first,
// or a PDF file when the system has none. The print set-up dialog changes it; it stays chosen for
// the whole run, so drawings and reports go to the same place.
class PrinterChoice {
  public:
    PrinterChoice();
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;

    QPrinter& Printer() { return printer_; }

    // The printer's name as the printout dialog shows it: the printer's own name, or "PDF" and the
    // file name for a PDF file.
    QString Name() const;
    bool PrintsToPdf() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

    // The system's print set-up dialog (printer or PDF file, paper, orientation); false when it was
    // cancelled.
    bool Setup(QWidget* parent);
    // True when a printout can start; a PDF output without a file asks for the file first.
    bool Ready(QWidget* parent);
    // From now on printouts go into this PDF file.
    void PrintToPdf(const QString& file);

    bool Landscape() const;
    void SetLandscape(bool landscape);

  private:
    QPrinter printer_{QPrinter::HighResolution};
};

// Sets up a printer for one print job as `chosen` is set up: printer or PDF file, paper,
// orientation, colour, copies and page range. Each job paints on a printer of its own, because a
// printer that has printed before keeps the last job's pen for the next one.
void TakePrinterSettings(QPrinter& job, const QPrinter& chosen);

}  // namespace trb::gui
