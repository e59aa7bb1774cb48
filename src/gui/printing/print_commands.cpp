// The print commands of the File menu: the drawing printout and the printer information.
#include <algorithm>

#include "graphics/print_plan.h"
#include "gui/input/input_menu.h"
#include "gui/printing/drawing_printout.h"
#include "gui/printing/print_state.h"
#include "gui/printing/printer_info.h"
#include "gui/printing/printout_dialog.h"
#include "gui/window/main_window.h"
#include "text/cp850.h"
#include "ui/checked_file.h"

namespace trb::gui {

namespace {

// The values the dialog starts with for what the window shows.
graphics::PrintoutSettings StartingValues(WindowPrinting& printing, graphics::GraphicsWindow& window,
                                          const config::ConfigSettings& settings) {
    graphics::PrintoutSettings values = printing.settings;
    switch (printing.shown) {
        case graphics::PrintoutKind::Drawing: {
            values = graphics::DrawingPrintoutSettings(settings);
            values.fit = printing.settings.fit;
            const graphics::PaperSheet sheet = SheetOf(printing.printer.Printer());
            const graphics::SheetSize upright{std::min(sheet.widthMm, sheet.heightMm),
                                              std::max(sheet.widthMm, sheet.heightMm)};
            bool abort = false;
            values.landscape =
                graphics::ChooseLandscape(graphics::DrawingSizeMm(window, abort), values, upright);
            break;
        }
        case graphics::PrintoutKind::HelpPicture:
            values = graphics::HelpPicturePrintoutSettings();
            break;
        case graphics::PrintoutKind::Other:
            break;
    }
    return values;
}

}  // namespace

void Thh::mi_fileprintClick() {
    PrintCommand(false);
}

void Thh::mi_fileprintersetupClick() {
    PrintCommand(true);
}

void Thh::PrintCommand(bool printerInfo) {
    WindowPrinting& printing = Printing();
    bool& abort = program_.abort;
    abort = false;
    graphics::PrintoutSettings values = StartingValues(printing, Graphics(), program_.settings);

    if (printerInfo || program_.settings.graphicPrintoutDialog) {
        InputCommands& input = InputCommandsOf(*this);
        InputContext context = input.Context();
        TForm_printconf dialog({program_.settings, program_.dialogs, context.tables, program_.status, abort,
                                printing.printer, printing.printoutRecord, context.help.showText},
                               values, this);
        dialog.SetPrinterInfoMode(printerInfo);
        if (dialog.exec() != QDialog::Accepted || abort) {
            abort = false;
            return;
        }
        values = dialog.Values();
    }
    printing.settings = values;
    printing.printer.SetLandscape(values.landscape);
    if (printerInfo) {
        TForm_printerinfo info(printing.printer.Printer(), this);
        info.exec();
        return;
    }

    graphics::GraphicsWindow& window = Graphics();
    if (values.fit) {
        // The whole drawing, as after a double click.
        window.RestoreLimit(abort);
        window.ResetZoom();
        window.ReSetWindow(abort);
        window.ClearViewPort();
        abort = false;
    }
    if (!printing.printer.Ready(this)) return;
    if (printing.printer.PrintsToPdf()) {
        // The PDF file stays chosen for the run: the next printout would replace the last one.
        ui::AskOverwrite(printing.printer.Printer().outputFileName().toStdString(), program_.dialogs, abort);
        if (abort) {
            abort = false;
            return;
        }
    }
    program_.dialogs.SetBusy(true);
    const DrawingPrintResult result =
        PrintDrawing(window, printing.printer.Printer(), values, program_.settings.format, abort);
    program_.dialogs.SetBusy(false);
    abort = false;
    if (result == DrawingPrintResult::NothingToPrint) {
        program_.dialogs.ShowNoteBox(text::DisplayToOem("Keine Zeichnung zum Ausdrucken vorhanden."));
    } else if (result == DrawingPrintResult::PrinterFailed) {
        program_.dialogs.ShowErrorBox(
            text::DisplayToOem("Ausdruck auf " + printing.printer.Name().toStdString() + " nicht möglich."));
    }
}

}  // namespace trb::gui
