#include <QAction>
#include <QMessageBox>

#include "casefile/case_file.h"
#include "core/calculation.h"
#include "docs/change_command.h"
#include "docs/documentation.h"
#include "docs/linked_documents.h"
#include "graphics/diagram_viscosity.h"
#include "graphics/drawing_views.h"
#include "graphics/driver.h"
#include "gui/charts/chart_commands.h"
#include "gui/charts/film_work.h"
#include "gui/documentation/documentation_menu.h"
#include "gui/help/help_commands.h"
#include "gui/input/input_commands.h"
#include "gui/input/input_menu.h"
#include "gui/overview/overview_menu.h"
#include "gui/printing/print_state.h"
#include "gui/tables/table_menu.h"
#include "gui/window/main_menu.h"
#include "gui/window/main_window.h"
#include "help/show_help.h"
#include "report/message_report.h"
#include "tables/pre_design.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

// The longest diameter the pre-design question takes.
constexpr int kPreDimensioningLength = 12;

}  // namespace

void Thh::ConnectCommands() {
    const auto bind = [this](const char* name, auto command) {
        connect(menu_->Item(name), &QAction::triggered, this, command);
    };
    bind("mi_fileNew", [this] { mi_fileNewClick(); });
    bind("mi_fileOpen", [this] { mi_fileOpenClick(); });
    bind("mi_FileSave", [this] { mi_FileSaveClick(); });
    bind("mi_FileSaveAs", [this] { mi_FileSaveAsClick(); });
    bind("mi_file1", [this] { OpenRecent(1); });
    bind("mi_file2", [this] { OpenRecent(2); });
    bind("mi_file3", [this] { OpenRecent(3); });
    bind("mi_file4", [this] { OpenRecent(4); });
    bind("mi_fileexit", [this] { close(); });
    bind("mi_fileprint", [this] { mi_fileprintClick(); });
    bind("mi_fileprintersetup", [this] { mi_fileprintersetupClick(); });
    bind("mi_fileConfig", [this] { mi_fileConfigClick(); });
    ConnectInputCommands(*this);
    ConnectDocumentationCommands(*this);
    ConnectChartCommands(*this);
    ConnectOverviewCommands(*this);
    bind("mi_editvorauslegung", [this] { mi_editvorauslegungClick(); });
    bind("mi_ViewAusdruck", [this] { mi_ViewAusdruckClick(); });
    bind("mi_viewQuick", [this] { DrawView(graphics::kDeviceScreen, 1); });
    bind("mi_viewLager", [this] { DrawView(graphics::kDeviceScreen, 6); });
    bind("mi_viewfertlager", [this] { DrawView(graphics::kDeviceScreen, 7); });
    bind("mi_viewDruckverteilung", [this] { DrawView(graphics::kDeviceScreen, graphics::kViewFilm); });
    bind("mi_viewnue", [this] { DrawDiagram(1); });
    bind("mi_vieweta", [this] { DrawDiagram(2); });
    bind("mi_viewErrorMessages", [this] { mi_viewErrorMessagesClick(); });
    bind("mi_cadLager", [this] { DrawView(graphics::kDeviceAsk, 6); });
    bind("mi_cadfertlager", [this] { DrawView(graphics::kDeviceAsk, 7); });
    bind("mi_cadsonstige", [this] { DrawView(graphics::kDeviceAsk, 0); });
    bind("mi_docuShowChanges1", [this] { ChangeLogCommand(docs::ChangeCommandKind::Show); });
    bind("mi_docuPrintChanges", [this] { ChangeLogCommand(docs::ChangeCommandKind::Print); });
    for (int i = 1; i <= docs::LinkedDocuments::kCount; ++i) {
        const std::string name = "mi_Document" + std::to_string(i);
        bind(name.c_str(), [this, i] { OpenDocument(i); });
    }
    bind("mi_dbfdin1850g", [this] { EditReferenceTable(*this, "din1850g", help::kHelpDin1850Table); });
    bind("mi_dbfh0lim", [this] { EditReferenceTable(*this, "h0lim", help::kHelpH0limTable); });
    bind("mi_dbfpsim", [this] { EditReferenceTable(*this, "psi_m", help::kHelpPsiMTable); });
    bind("mi_helpErrorMessages", [this] { mi_helpErrorMessagesClick(); });
    bind("mi_HelpHilfebild", [this] { HelpCommandsOf(*this).BrowsePictures(); });
    bind("mi_helphistory",
         [this] { HelpCommandsOf(*this).ShowHelp(help::kHelpProgramHistory, help::kTextOnly); });
    for (const LanguageItem& item : kLanguageItems) {
        bind(item.name, [this, code = item.code] { LanguageCommand(code); });
    }
    bind("mi_helpguide", [this] { mi_helpguideClick(); });
    bind("mi_helpwww", [this] { mi_helpwwwClick(); });
    bind("mi_helpverification", [this] { mi_helpverificationClick(); });
    bind("mi_helpemail", [this] { mi_helpemailClick(); });
    bind("mi_HelpAbout", [this] { mi_HelpAboutClick(); });
}

void Thh::mi_fileNewClick() {
    auto cases = program_.CaseFiles();
    casefile::AskSaveChanges(cases);
    if (program_.abort) {
        program_.abort = false;
        return;
    }
    // New keeps the linked documents, also over those of a default case.
    const docs::LinkedDocuments documents = program_.documents;
    casefile::LoadDefaultCase(cases);
    program_.abort = false;
    program_.caseFile.name.clear();
    program_.caseFile.extension = casefile::kCaseExtension;
    program_.caseFile.commandLineFile = false;
    RefreshTitle();
    docs::ResetDocumentation(program_.title, program_.changes, program_.drawingInfo,
                             text::DateText(program_.settings.format));
    program_.title.remarks = {};
    program_.documents = documents;
    Graphics().Clear();
    Graphics().ReSetWindow(program_.abort);
    program_.abort = false;
    PreDimensioning();
    if (program_.abort) {
        // The new case stays as loaded; it is calculated so that the view is not stale.
        program_.abort = false;
        Calculate();
        program_.abort = false;
        RefreshAfterRun();
        return;
    }
    QuickInput();
    program_.abort = false;
    RefreshAfterRun();
    program_.caseFile.modified = true;
}

void Thh::PreDimensioning() {
    InputContext context = InputCommandsOf(*this).Context();
    core::TRBrecord& record = program_.record;
    const text::FormatOptions& format = program_.settings.format;
    // With a load, the diameter at the admissible specific load is the proposal; an empty answer
    // takes it as well.
    const real proposal = tables::DiameterForLoad(record.f, record.plim, record.bfactor);
    std::string answer = text::FormatLengthShort(proposal > 0 ? proposal : record.db, format);
    program_.dialogs.SetHelpNumber(help::kHelpPreDimensioning);
    program_.dialogs.AskText(
        program_.texts.Calc(text::CalcText::Lagerinnendurchmesser) + " [" + text::LengthUnit(format) + "]",
        kPreDimensioningLength, answer, program_.abort);
    if (program_.abort) return;
    const real diameter = text::TrimText(answer).empty() ? proposal : text::ParseLength(answer, format);
    if (diameter < 1 || diameter > 3150 ||
        !tables::ApplyPreDesign(record, diameter, context.tables, context.steps, program_.abort)) {
        program_.dialogs.ShowErrorBox(text::DisplayToOem("D = " + text::TrimText(answer) + " ?"));
        program_.abort = true;
        return;
    }
    std::string summary;
    for (const std::string& line : tables::PreDesignSummary(record, format)) summary += line + "\n";
    program_.dialogs.ShowNoteBox(text::DisplayToOem(summary));
    program_.caseFile.modified = true;
}

void Thh::mi_editvorauslegungClick() {
    PreDimensioning();
    if (program_.abort) {
        program_.abort = false;
        return;
    }
    // The new diameters are inputs like any other: the case is calculated and shown again.
    Calculate();
    program_.abort = false;
    RefreshAfterRun();
}

void Thh::QuickInput() {
    InputCommandsOf(*this).QuickInput();
}

void Thh::mi_fileOpenClick() {
    auto cases = program_.CaseFiles();
    casefile::AskSaveChanges(cases);
    if (!program_.abort) casefile::ReadCaseFile(cases, "");
    if (program_.abort) {
        program_.abort = false;
        RefreshTitle();
        return;
    }
    Calculate();
    program_.abort = false;
    program_.caseFile.modified = false;
    casefile::AddRecentFile(program_.caseFile, program_.caseFile.name);
    RefreshAfterRun();
    RefreshTitle();
}

void Thh::mi_FileSaveClick() {
    program_.abort = false;
    auto cases = program_.CaseFiles();
    casefile::SaveCase(cases);
    if (!program_.abort) program_.caseFile.modified = false;
    program_.abort = false;
    RefreshTitle();
}

void Thh::mi_FileSaveAsClick() {
    program_.abort = false;
    auto cases = program_.CaseFiles();
    casefile::WriteCaseFile(cases, "");
    if (!program_.abort) {
        program_.caseFile.modified = false;
        casefile::AddRecentFile(program_.caseFile, program_.caseFile.name);
    }
    program_.abort = false;
    RefreshTitle();
}

void Thh::OpenRecent(int i) {
    auto cases = program_.CaseFiles();
    const casefile::RecentOpenResult result = casefile::OpenRecentFile(cases, i);
    program_.abort = false;
    if (result == casefile::RecentOpenResult::Opened) {
        Calculate();
        program_.abort = false;
        RefreshAfterRun();
    }
    RefreshTitle();
}

void Thh::mi_ViewAusdruckClick() {
    program_.PrintResultReport();
    program_.abort = false;
}

void Thh::mi_viewErrorMessagesClick() {
    auto writer = program_.Writer();
    report::WriteMessageReport(writer, program_.RunMessages());
    program_.abort = false;
}

void Thh::mi_helpErrorMessagesClick() {
    HelpCommandsOf(*this).ShowRunMessages();
    program_.abort = false;
}

void Thh::DrawView(int device, int view) {
    Printing().shown = graphics::PrintoutKind::Drawing;
    ChartCommandsOf(*this).Forget();
    if (device == graphics::kDeviceScreen) screenView_ = {view, 0};
    driver_->SetSettings(graphics::DriverSettingsFrom(program_.settings));
    driver_->SetCaseFile(casefile::NamedCaseFile(program_.caseFile));
    graphics::DrawingData data{program_.record,
                               program_.texts,
                               program_.settings,
                               program_.title,
                               program_.drawingInfo,
                               program_.changes,
                               casefile::NamedCaseFile(program_.caseFile),
                               true};
    data.film = [this]() {
        return film_->For(program_.record, program_.status, driver_->DeviceCode() == graphics::kDeviceScreen);
    };
    program_.dialogs.SetBusy(true);
    graphics::DrawBearingView(*driver_, program_.dialogs, data, device, view);
    program_.dialogs.SetBusy(false);
    if (view == graphics::kViewFilm) program_.dialogs.SetHelpNumber(help::kHelpPressureDistribution);
    program_.abort = false;
}

void Thh::DrawDiagram(int kind) {
    Printing().shown = graphics::PrintoutKind::Drawing;
    ChartCommandsOf(*this).Forget();
    screenView_ = {0, kind};
    driver_->SetSettings(graphics::DriverSettingsFrom(program_.settings));
    graphics::ViscosityDiagramOptions options;
    options.format = program_.settings.format;
    graphics::DrawViscosityDiagram(*driver_, program_.dialogs, graphics::kDeviceScreen, kind,
                                   program_.record.nu40, 40, program_.record.teff, options);
    program_.abort = false;
}

void Thh::LanguageCommand(int code) {
    program_.texts.LanguageMenuCommand(code);
    RefreshCaptions();
    interfaceLanguage_.Apply(code);
    if (code != text::kFrench && code != text::kKorean) {
        program_.settings.language = code;
        program_.dialogs.programTitle = program_.texts.ProgramTitle();
        RefreshTitle();
    }
    // The drawings carry the calculation texts of the new language.
    RedrawScreenView();
}

void Thh::RedrawScreenView() {
    // The clearance range and the operating charts redraw themselves when they are on the screen.
    if (ChartCommandsOf(*this).RedrawAfterRun()) return;
    if (screenView_.diagram > 0) {
        DrawDiagram(screenView_.diagram);
    } else {
        DrawView(graphics::kDeviceScreen, screenView_.view);
    }
}

void Thh::mi_HelpAboutClick() {
    const QString title =
        QString::fromStdString(text::OemToDisplay(program_.texts.ProgramTitle(), program_.settings.format));
    QMessageBox about(QMessageBox::Information, "TRB",
                      title + "\nVersion " + QString(config::kProgramVersion.data()), QMessageBox::Ok, this);
    about.setObjectName("AboutBox");
    about.exec();
}

void Thh::ChangeLogCommand(docs::ChangeCommandKind command) {
    DocumentationCommandsOf(*this).ChangeCommand(command);
}

void Thh::OpenDocument(int i) {
    DocumentationCommandsOf(*this).OpenDocument(i);
}

}  // namespace trb::gui
