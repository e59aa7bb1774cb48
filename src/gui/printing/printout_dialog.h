#pragma once

#include <QDialog>
#include <functional>

#include "config/settings.h"
#include "core/run_status.h"
#include "graphics/print_mapping.h"
#include "tables/table_access.h"
#include "ui/dialogs.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace trb::gui {

class PrinterChoice;

// What the printout dialog works with; the references must outlive it.
struct PrintoutDialogContext {
    const config::ConfigSettings& settings;
    ui::Dialogs& dialogs;
    tables::TableAccess& tables;  // "printout.dbf"
    core::RunStatus& status;
    bool& abort;
    PrinterChoice& printer;
    int& printoutRecord;  // the stored setting used last (0: none)
    std::function<void(int number)> showHelp;
};

// "Ausdruck": scales, origins, orientation, shading, "anpassen" and "Umrandung" of a drawing
// printout, the printer, and named settings stored in and taken from "printout.dbf". OK clears the
// abort flag and leaves the values to the caller, who prints (or, in printer-information mode,
// shows the printer's capabilities); Cancel sets it.
class TForm_printconf : public QDialog {
  public:
    TForm_printconf(PrintoutDialogContext context, const graphics::PrintoutSettings& values,
                    QWidget* parent = nullptr);

    void SetPrinterInfoMode(bool on) { printerInfoMode_ = on; }
    bool PrinterInfoMode() const { return printerInfoMode_; }

    // The values as the fields show them; unparsable numbers read as 0.
    graphics::PrintoutSettings Values() const;
    void ShowValues(const graphics::PrintoutSettings& values);

    void accept() override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Button_printerClick();
    void Button_dbClick();
    void Button_appendClick();
    void ShowPrinterName();

    PrintoutDialogContext context_;
    bool printerInfoMode_ = false;
    QLabel* printerName_ = nullptr;
    QLineEdit* scaleX_ = nullptr;
    QLineEdit* scaleY_ = nullptr;
    QLineEdit* originX_ = nullptr;
    QLineEdit* originY_ = nullptr;
    QButtonGroup* orientation_ = nullptr;  // 0 Hochformat, 1 Querformat
    QButtonGroup* shading_ = nullptr;      // 0 Monochrom, 1 Color / Graustufen
    QCheckBox* fit_ = nullptr;
    QCheckBox* border_ = nullptr;
};

// The longest printer name the dialog shows.
inline constexpr int kPrinterNameLength = 40;

}  // namespace trb::gui
