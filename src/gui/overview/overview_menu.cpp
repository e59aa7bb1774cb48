#include "gui/overview/overview_menu.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <cstring>

#include "app/overview_export.h"
#include "app/spreadsheet_commands.h"
#include "casefile/case_file.h"
#include "core/calculation.h"
#include "gui/common/dialog_fit.h"
#include "gui/help/help_commands.h"
#include "gui/overview/preview.h"
#include "gui/window/main_menu.h"
#include "gui/window/main_window.h"
#include "help/show_help.h"
#include "overview/overview.h"
#include "text/cp850.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

constexpr const char* kHolderName = "SpreadsheetCommands";
constexpr qint64 kCaptionInterval = 50;  // ms between repaints of the progress caption

class SpreadsheetHolder : public QObject {
  public:
    SpreadsheetHolder(Thh& window) : QObject(&window), commands(window.Program()) {
        setObjectName(kHolderName);
    }
    app::SpreadsheetCommands commands;
};

// The folder the overview lists: the current folder, or that of a file named on the command line.
std::string OverviewFolder(const casefile::CaseFileState& state) {
    if (!state.commandLineFile) return state.folder;
    const auto slash = state.name.rfind('/');
    return slash == std::string::npos ? std::string() : state.name.substr(0, slash + 1);
}

// Reads the picked case and calculates it; false when it could not be read.
bool OpenPickedCase(app::Program& program, const std::string& folder, const overview::Row& row) {
    casefile::CaseFileState& state = program.caseFile;
    const std::string path = casefile::InFolder(folder, row.file);
    auto cases = program.CaseFiles();
    program.abort = false;
    if (state.commandLineFile) {
        casefile::ReadCaseFile(cases, path);
        if (program.abort) return false;
        state.name = path;
    } else {
        state.folder = folder;
        casefile::ReadCaseFile(cases, row.file);
        if (program.abort) return false;
    }
    program.dialogs.SetBusy(true);
    core::RunCalculation(program.record, program.status, program.abort);
    program.dialogs.SetBusy(false);
    return true;
}

}  // namespace

app::SpreadsheetCommands& SpreadsheetCommandsOf(Thh& window) {
    if (auto* holder = window.findChild<SpreadsheetHolder*>(kHolderName, Qt::FindDirectChildrenOnly))
        return holder->commands;
    return (new SpreadsheetHolder(window))->commands;
}

void ShowCaseOverview(Thh& window, const std::function<void(TForm_preview&)>& shown) {
    app::Program& program = window.Program();
    program.abort = false;
    auto cases = program.CaseFiles();
    casefile::AskSaveChanges(cases);
    if (program.abort) {
        program.abort = false;
        return;
    }
    casefile::CaseFileState& state = program.caseFile;
    const std::string folder = OverviewFolder(state);
    // A file named on the command line keeps its full-path naming only where archive mode needs it.
    if (state.commandLineFile && !program.settings.archiveMode) {
        state.commandLineFile = false;
        state.folder = folder;
    }
    state.name.clear();
    window.Graphics().Clear();
    window.update();

    const QString title =
        QString::fromStdString(text::OemToDisplay(program.texts.ProgramTitle(), program.settings.format));
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    program.dialogs.SetBusy(true);
    overview::Overview listing;
    int error = 0;
    const bool listed =
        overview::ScanFolder(folder, program.settings.format, listing, error,
                             [&](std::size_t, std::size_t, const std::string& file) {
                                 window.setWindowTitle(title + " -> " + QString::fromStdString(file));
                                 if (sinceRepaint.elapsed() >= kCaptionInterval) {
                                     QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                                     sinceRepaint.restart();
                                 }
                             });
    program.dialogs.SetBusy(false);
    if (!listed) {
        program.dialogs.ShowErrorBox("Ordner " + text::DisplayToOem(folder.empty() ? "." : folder) +
                                     " kann nicht gelesen werden: " + std::strerror(error));
        program.abort = false;
        window.RefreshTitle();
        return;
    }
    PreviewHooks hooks;
    hooks.exportToSpreadsheet = [&program](const overview::Overview& shownRows) {
        app::ExportOverviewToSpreadsheet(program, shownRows);
        program.abort = false;
    };
    hooks.help = [&window] { HelpCommandsOf(window).ShowHelp(help::kHelpCaseOverview, help::kTextOnly); };
    TForm_preview form(std::move(listing), program.texts, std::move(hooks), &window);
    FitDialogInPlace(form, program.settings);
    // A window wider than two thirds of the screen is cut there by the default sizing.
    if (const QScreen* screen = window.screen()) form.FitInto(screen->availableGeometry());
    window.RefreshTitle();
    for (;;) {
        if (shown) shown(form);
        if (form.ShowModal() != QDialog::Accepted || form.RememberedRow() == 0) break;
        if (!OpenPickedCase(program, folder, form.RememberedCase())) break;
        const bool failed = program.abort;
        program.abort = false;
        program.caseFile.modified = false;
        window.RefreshCaptions();
        window.RefreshAfterRun();
        window.RefreshTitle();
        if (failed) break;
    }
    program.abort = false;
    window.RefreshTitle();
}

void ConnectOverviewCommands(Thh& window) {
    const auto bind = [&window](const char* name, auto command) {
        if (QAction* item = window.Menu().Item(name))
            QObject::connect(item, &QAction::triggered, &window, command);
    };
    const auto enableExchange = [&window] {
        const bool started = SpreadsheetCommandsOf(window).Started();
        window.Menu().Item("mi_OleExportExcel")->setEnabled(started);
        window.Menu().Item("mi_OleImportExcel")->setEnabled(started);
    };
    bind("mi_fileopentable", [&window] { ShowCaseOverview(window); });
    bind("mi_OleStartExcel", [&window, enableExchange] {
        SpreadsheetCommandsOf(window).StartSpreadsheet();
        window.Program().abort = false;
        enableExchange();
    });
    bind("mi_OleExportExcel", [&window] {
        SpreadsheetCommandsOf(window).ExportCaseToSpreadsheet();
        window.Program().abort = false;
        window.RefreshTitle();
    });
    bind("mi_OleImportExcel", [&window] {
        const bool replaced = SpreadsheetCommandsOf(window).ImportCaseFromSpreadsheet();
        window.Program().abort = false;
        if (!replaced) return;
        window.RefreshAfterRun();
        window.RefreshTitle();
    });
    bind("mi_OlePrintoutExcel", [&window] {
        SpreadsheetCommandsOf(window).ReportToSpreadsheet();
        window.Program().abort = false;
    });
}

}  // namespace trb::gui
