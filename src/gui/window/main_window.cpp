#include "gui/window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>

#include "app/case_start.h"
#include "casefile/case_file.h"
#include "casefile/case_file_state.h"
#include "config/config_file.h"
#include "core/calculation.h"
#include "graphics/drawing_views.h"
#include "graphics/driver.h"
#include "graphics/screen_device.h"
#include "gui/charts/chart_commands.h"
#include "gui/charts/film_work.h"
#include "gui/help/help_commands.h"
#include "gui/printing/print_state.h"
#include "gui/settings/drawing_editors.h"
#include "gui/tables/table_menu.h"
#include "gui/window/main_menu.h"
#include "text/cp850.h"
#include "text/format.h"
#include "text/language.h"
#include "ui/settings_files.h"

namespace trb::gui {

namespace {

config::ScreenInfo CurrentScreen() {
    config::ScreenInfo info;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        info.width = screen->size().width();
        info.height = screen->size().height();
        info.dpi = static_cast<real>(screen->logicalDotsPerInchY());
    }
    return info;
}

}  // namespace

Thh::Thh(app::Program& program, const app::CommandLine& commandLine, QWidget* parent)
    : TFkorvgra(program.settings, program.abort, parent), program_(program) {
    setObjectName("Thh");
    menu_ = std::make_unique<MainMenu>(*this);
    statusBar()->setObjectName("StatusBar");  // where the window says what was written where
    film_ = std::make_unique<FilmWork>(*statusBar());
    // The pressure distribution on the screen is drawn again once its film is there.
    connect(&film_->Work(), &CaseWork::Ready, this, [this] {
        if (screenView_.view == graphics::kViewFilm && screenView_.diagram == 0 &&
            Printing().shown == graphics::PrintoutKind::Drawing && !ChartCommandsOf(*this).Showing())
            DrawView(graphics::kDeviceScreen, graphics::kViewFilm);
    });
    RefreshCaptions();
    ConnectCommands();
    // Every message browser of the window (failed runs, reports, the help menu) opens the viewer.
    program_.descriptionEditor = HelpCommandsOf(*this).MessageEditor();
    // A desktop opener that finds nothing to open a file with says so when it ends, on a thread of
    // the launcher's: the note is shown by the window's own thread.
    program_.launcher.SetLateFailureReport([this](const std::string& text) {
        QMetaObject::invokeMethod(
            this, [this, text] { program_.dialogs.ShowNoteBox(text); }, Qt::QueuedConnection);
    });

    // Until a default case is read, the program holds the example case.
    program_.LoadExampleCase();
    program_.places = config::DefaultConfigPlaces();
    const config::ReadOutcome configuration =
        config::ReadConfig(program_.settings, program_.places, CurrentScreen(), program_.abort);
    program_.abort = false;
    if (!configuration.problem.empty()) program_.dialogs.ShowErrorBox(configuration.problem);
    std::string sessionProblem;
    program_.caseFile.recent = config::ReadSession(program_.places.configFolder, &sessionProblem);
    if (!sessionProblem.empty()) program_.dialogs.ShowErrorBox(sessionProblem);
    program_.abort = false;
    // Qt's own texts (question buttons, file and print dialogs) speak the stored language from the
    // start, also in the questions the start itself may ask; a stored 0 means German.
    interfaceLanguage_.Apply(program_.settings.language > 0 ? program_.settings.language : text::kGerman);
    ApplySettings();
    editors_ = std::make_unique<DrawingEditors>(program_, this, HelpCommandsOf(*this).ForInputDialogs());
    driver_ = std::make_unique<graphics::Driver>(
        graphics::DriverContext{Graphics(), program_.dialogs, program_.launcher, program_.status,
                                program_.abort, editors_.get(), &program_.settings.plotCommandLines,
                                editors_.get()},
        graphics::DriverSettingsFrom(program_.settings));
    menu_->RefreshRecentItems(program_.caseFile.recent);
    CreateTableWindow(*this);

    StartRoutine(commandLine);
    if (endRequested_) return;

    program_.abort = false;
    StartGraphics();
    if (program_.settings.language > 0) {
        program_.texts.SwitchLanguage(program_.settings.language);
        program_.dialogs.programTitle = program_.texts.ProgramTitle();
        RefreshCaptions();
    }
    RefreshAfterRun();
    RefreshTitle();
}

Thh::~Thh() {
    program_.descriptionEditor = {};  // it refers to this window
    program_.launcher.SetLateFailureReport({});
    // A window closed by the user wrote the session then, where a failure could still be shown.
    if (!sessionWritten_) {
        config::PrepareConfigFolder(program_.places);
        config::WriteSession(program_.places.configFolder, program_.caseFile.folder,
                             program_.caseFile.recent);
    }
}

void Thh::StartRoutine(const app::CommandLine& commandLine) {
    program_.abort = false;
    program_.dialogs.errorBoxesOn = true;
    if (const auto* missing = std::get_if<app::MissingExtension>(&commandLine.mode)) {
        program_.dialogs.ShowErrorBox(app::MissingExtensionText() + " (" + text::DisplayToOem(missing->name) +
                                      ")");
        endRequested_ = true;
        return;
    }
    ui::ValidateFolders(program_.settings, program_.places.startFolder, program_.dialogs);
    program_.abort = false;
    if (const auto* start = std::get_if<app::CaseStart>(&commandLine.mode)) {
        if (!app::OpenCommandLineCase(program_, *start)) {
            endRequested_ = true;
            return;
        }
        DrawLogo();
    } else {
        std::string userPart;
        if (program_.settings.enterPassword &&
            !ui::AskUserFolder(program_.settings, userPart, program_.dialogs)) {
            endRequested_ = true;
            return;
        }
        program_.dialogs.SetBusy(true);
        const std::string dataFolder = program_.settings.defaultDataFolder.empty()
                                           ? program_.places.startFolder
                                           : program_.settings.defaultDataFolder;
        program_.caseFile.folder = text::AddBackslash(dataFolder) + userPart;
        DrawLogo();
        auto cases = program_.CaseFiles();
        casefile::LoadDefaultCase(cases);
        program_.dialogs.SetBusy(false);
    }
    program_.abort = false;
    Calculate();
    program_.abort = false;
    program_.caseFile.modified = false;
}

void Thh::Calculate() {
    program_.dialogs.SetBusy(true);
    core::RunCalculation(program_.record, program_.status, program_.abort);
    program_.dialogs.SetBusy(false);
}

void Thh::RefreshTitle() {
    QString title =
        QString::fromStdString(text::OemToDisplay(program_.texts.ProgramTitle(), program_.settings.format));
    const std::string name = casefile::CaseTitleName(program_.caseFile);
    if (!name.empty()) title += "  -  " + QString::fromStdString(name);
    setWindowTitle(title);
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    menu_->RefreshRecentItems(program_.caseFile.recent);
}

void Thh::RefreshCaptions() {
    menu_->RefreshCaptions(program_.texts, program_.status.MessageCount());
}

void Thh::RefreshAfterRun() {
    menu_->RefreshMessageItem(program_.texts, program_.status.MessageCount());
    if (ChartCommandsOf(*this).RedrawAfterRun()) return;
    DrawResultView();
}

void Thh::DrawResultView() {
    switch (program_.settings.resultGraphic) {
        case 3:
            DrawView(graphics::kDeviceScreen, 7);
            break;
        case 4:
            DrawDiagram(1);
            break;
        case 5:
            DrawView(graphics::kDeviceScreen, 6);
            break;
        default:
            DrawView(graphics::kDeviceScreen, 1);
    }
}

void Thh::closeEvent(QCloseEvent* event) {
    program_.abort = false;
    auto cases = program_.CaseFiles();
    casefile::AskSaveChanges(cases);
    if (program_.abort) {
        program_.abort = false;
        event->ignore();
        return;
    }
    graphics::ScreenDevice::DeleteBlockFiles(graphics::DriverSettingsFrom(program_.settings));
    // Written while the window is there to say when it fails (a full disk would lose the list).
    ui::WriteSessionChecked(program_.places, program_.caseFile.folder, program_.caseFile.recent,
                            program_.dialogs);
    sessionWritten_ = true;
    event->accept();
}

}  // namespace trb::gui
