#pragma once

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

class QPrinter;

namespace trb::gui {

// The capabilities of a printer as rows of designation and value: name, driver, technology,
// printable area in millimetres and dots, its offsets on the sheet, resolution, drawing tools,
// colours and fonts, then place, paper, orientation and whether it is the default printer.
std::vector<std::pair<QString, QString>> PrinterCapabilities(QPrinter& printer);

// The printer information: a grid of 20 rows of designation and value, and "OK".
class TForm_printerinfo : public QDialog {
  public:
    explicit TForm_printerinfo(QPrinter& printer, QWidget* parent = nullptr);
};

}  // namespace trb::gui
