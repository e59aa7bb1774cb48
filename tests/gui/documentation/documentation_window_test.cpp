// The documentation menu driven through the window: what the forms store shows at once in the
// drawings, the printouts and the saved case; linked documents across New and when their program
// is missing; the example case's drawing name and number.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QPlainTextEdit>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "graphics/drawing_views.h"
#include "graphics/driver_settings.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "run_program.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"
#include "window_fixture.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::ModalScript;
using ::testing::Not;
using testing::SetField;

// The texts ezdxf reads from a DXF file, in model space and in blocks, one a line; "errors N" first.
std::string ReadDxfTexts(const fs::path& file) {
    const test_support::ProgramRun run =
        test_support::RunProgram(TRB_PYTHON, {TRB_CHECK_DXF, file.string()}, test_support::MergedErrors());
    const std::string& output = run.output;
    EXPECT_EQ(run.exitCode, 0) << output;
    std::istringstream lines(output);
    std::string texts;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("errors ")) texts += line + "\n";
        for (const char* kind : {"text ", "block-text "}) {
            if (!line.starts_with(kind)) continue;
            // The layer or block name, then the text.
            const std::size_t start = line.find(' ', std::string_view(kind).size());
            if (start != std::string::npos) texts += line.substr(start + 1) + "\n";
        }
    }
    return texts;
}

// A main window in a fresh folder with scripted answers to every question and the given launcher.
template <class Launcher>
class WindowTest : public ::testing::Test, protected testing::FreshFolder {
  protected:
    ~WindowTest() override { window_.reset(); }

    Thh& Start() {
        window_ = std::make_unique<Thh>(program_);
        program_.settings.textDeviceWindow = true;
        return *window_;
    }
    // Triggers a menu item and plays one action on each form it opens; the names of the forms met.
    std::vector<std::string> Trigger(const char* item, std::vector<ModalScript::Action> actions = {}) {
        ModalScript script;
        for (auto& action : actions) script.Then(std::move(action));
        QAction* action = window_->findChild<QAction*>(item);
        EXPECT_NE(action, nullptr) << item;
        if (action != nullptr) action->trigger();
        EXPECT_EQ(script.Pending(), 0u) << item;
        return script.names;
    }
    // The texts of the display list, one a line.
    std::string ShownTexts() {
        std::string texts;
        for (const auto& command : window_->Graphics().List().Commands())
            if (command.code == static_cast<int>(graphics::Cmd::Text)) texts += command.text + "\n";
        return texts;
    }

    ui::ScriptedDialogs dialogs_;
    Launcher launcher_;
    app::Program program_{dialogs_, launcher_};
    std::unique_ptr<Thh> window_;
};

using DocumentationWindowTest = WindowTest<ui::RecordingLauncher>;

TEST_F(DocumentationWindowTest, TheExampleCaseCarriesItsDrawingNameAndNumber) {
    Start();
    EXPECT_EQ(program_.title.drawingName, "Radialgleitlager");
    EXPECT_EQ(program_.title.drawingNumber, "31652");
    window_->DrawView(graphics::kDeviceScreen, graphics::kViewProduction);
    EXPECT_THAT(ShownTexts(), HasSubstr("Radialgleitlager\n"));
    EXPECT_THAT(ShownTexts(), HasSubstr("31652\n"));
}

TEST_F(DocumentationWindowTest, WhatTheFormsStoreShowsEverywhereAtOnce) {
    Start();
    // The title data through "Te&xt": the result sheet shows the remark lines at once.
    const auto titleForm = Trigger("mi_EditText", {[](QWidget& dialog) {
                                       SetField(dialog, "Edit_zeichname", "Lagerbock Süd");
                                       SetField(dialog, "Edit_zeichnr", "ZN-0815");
                                       SetField(dialog, "Edit_zeichname2", "Pumpe P3");
                                       SetField(dialog, "Edit_bemerk1", "Projekt Nordsee");
                                       testing::Ok(dialog);
                                   }});
    EXPECT_EQ(titleForm, std::vector<std::string>{"Tform_uni4"});
    EXPECT_TRUE(program_.caseFile.modified);
    EXPECT_THAT(ShownTexts(), HasSubstr("Projekt Nordsee\n"));

    // A change record and the drawing information.
    Trigger("mi_docuNewChange", {[](QWidget& dialog) {
                SetField(dialog, "Edit_aenderung", "Nut verlegt");
                SetField(dialog, "Edit_bearbeiter", "kb");
                dialog.findChild<QPlainTextEdit*>("Memo_beschreibung")
                    ->setPlainText("Schmiernut\num 90° gedreht");
                testing::Ok(dialog);
            }});
    Trigger("mi_docdrawinginfo", {[](QWidget& dialog) {
                SetField(dialog, "Edit_ersatzfuer", "ZN-0700");
                testing::Ok(dialog);
            }});
    ASSERT_EQ(program_.changes.count, 1);

    // The report header.
    dialogs_.Reply("3").Reply(Path("bericht.txt"));
    Trigger("mi_ViewAusdruck");
    const std::string report = test_support::ReadWholeFile(Path("bericht.txt"));
    EXPECT_THAT(report, HasSubstr("Nr.: ZN-0815"));
    EXPECT_THAT(report, HasSubstr("Lagerbock S\x81"
                                  "d"));
    EXPECT_THAT(report, HasSubstr("Projekt Nordsee"));

    // The production drawing as a CAD program reads it: title block, change row, replaced drawing.
    dialogs_.Reply("1").Reply(Path("lager.dxf"));
    Trigger("mi_cadfertlager");
    const std::string dxf = ReadDxfTexts(Path("lager.dxf"));
    EXPECT_THAT(dxf, HasSubstr("errors 0\n"));
    EXPECT_THAT(dxf, HasSubstr("\nLagerbock Süd\n"));
    EXPECT_THAT(dxf, HasSubstr("\nZN-0815\n"));
    EXPECT_THAT(dxf, HasSubstr("\nPumpe P3\n"));
    EXPECT_THAT(dxf, HasSubstr("\nNut verlegt\n"));
    EXPECT_THAT(dxf, HasSubstr("\nErsatz für ZN-0700\n"));

    // The saved case holds them, and reading it back restores them.
    dialogs_.Reply(Path("fall.trb"));
    Trigger("mi_FileSaveAs");
    const std::string saved = test_support::ReadWholeFile(Path("fall.trb"));
    EXPECT_THAT(saved, HasSubstr("\r\nProjekt Nordsee\r\n"));
    EXPECT_THAT(saved, HasSubstr("\r\nLagerbock S\x81"
                                 "d\r\nZN-0815\r\nPumpe P3\r\n"));
    EXPECT_THAT(saved, HasSubstr("\r\nNut verlegt\r\n"));
    EXPECT_THAT(saved, HasSubstr("\r\nSchmiernut|um 90\xF8 gedreht\r\n"));
    const docs::TitleData title = program_.title;
    const docs::ChangeLog changes = program_.changes;
    program_.title = {};
    program_.changes = {};
    Trigger("mi_file1");
    EXPECT_EQ(program_.title, title);
    EXPECT_EQ(program_.changes, changes);

    // Deleting the change takes it off the drawing at once.
    window_->DrawView(graphics::kDeviceScreen, graphics::kViewProduction);
    EXPECT_THAT(ShownTexts(), HasSubstr("Nut verlegt\n"));
    Trigger("mi_docudeleteChange");
    EXPECT_EQ(program_.changes.count, 0);
    EXPECT_THAT(ShownTexts(), Not(HasSubstr("Nut verlegt\n")));
}

TEST_F(DocumentationWindowTest, ChangeLogItemsListAndPrint) {
    Start();
    program_.changes.count = 1;
    program_.changes.Record(1) = {"Bohrung", "01.02.2026", "ab", ""};
    const std::size_t viewers = dialogs_.Entries("viewer").size();
    Trigger("mi_docuShowChanges1");
    ASSERT_EQ(dialogs_.Entries("viewer").size(), viewers + 1);
    EXPECT_THAT(test_support::ReadWholeFile(dialogs_.Entries("viewer").back().text), HasSubstr("Bohrung"));

    dialogs_.Reply("3").Reply(Path("aenderungen.txt"));
    Trigger("mi_docuPrintChanges");
    EXPECT_THAT(test_support::ReadWholeFile(Path("aenderungen.txt")), HasSubstr("Bohrung"));
}

TEST_F(DocumentationWindowTest, QuickInputStartsWithTheTitleData) {
    Start();
    const auto names = Trigger("mi_editquick", {[](QWidget& dialog) {
                                                    SetField(dialog, "Edit_zeichnr", "Q-1");
                                                    testing::Ok(dialog);
                                                },
                                                testing::Ok, testing::Ok, testing::Ok});
    EXPECT_EQ(names,
              (std::vector<std::string>{"Tform_uni4", "TForm_trbinp1", "TForm_trbinp2", "TForm_trbinp3"}));
    EXPECT_EQ(program_.title.drawingNumber, "Q-1");

    // Cancelling the title data opens none of the case dialogs.
    EXPECT_EQ(Trigger("mi_editquick", {testing::Cancel}), std::vector<std::string>{"Tform_uni4"});
    EXPECT_FALSE(program_.abort);
}

TEST_F(DocumentationWindowTest, LinkedDocumentsSurviveNew) {
    Thh& window = Start();
    // A default case without links, which New reads.
    dialogs_.Reply(Path("null.trb"));
    Trigger("mi_FileSaveAs");
    ASSERT_TRUE(fs::exists(Path("null.trb")));

    Trigger("mi_DocumentSetup", {[](QWidget& dialog) {
                SetField(dialog, "Edit_prog1", "okular");
                SetField(dialog, "Edit_file1", "/daten/lager.pdf");
                SetField(dialog, "Edit_file3", "/daten/pruefbericht.pdf");
                testing::Ok(dialog);
            }});
    const docs::LinkedDocuments documents = program_.documents;
    EXPECT_EQ(documents.Entry(1).program, "okular");

    program_.caseFile.modified = false;
    dialogs_.ReplyCancel();  // the diameter of the new bearing
    window.mi_fileNewClick();
    EXPECT_EQ(program_.documents, documents);

    Trigger("mi_Document1");
    Trigger("mi_Document3");
    ASSERT_EQ(launcher_.calls.size(), 2u);
    EXPECT_EQ(launcher_.calls[0].program, "okular");
    EXPECT_EQ(launcher_.calls[0].arguments, std::vector<std::string>{"/daten/lager.pdf"});
    EXPECT_EQ(launcher_.calls[1].program, "") << "no program: the desktop's opener";
    EXPECT_EQ(launcher_.calls[1].arguments, std::vector<std::string>{"/daten/pruefbericht.pdf"});
}

// A case file someone else wrote names programs for its documents. The window shows such a program
// with its argument and starts it only when the user agrees; what the user sets up is not asked about.
TEST_F(DocumentationWindowTest, AProgramThatCameWithACaseFileIsShownAndStartedOnlyWhenAgreed) {
    Start();
    docs::SetLinkedDocument(program_.documents, 1, "/bin/sh", "-c");
    docs::SetLinkedDocument(program_.documents, 2, "", "/daten/lager.pdf");
    dialogs_.Reply(Path("fremd.trb"));
    Trigger("mi_FileSaveAs");
    program_.documents = {};
    dialogs_.Reply(Path("fremd.trb"));
    Trigger("mi_fileOpen");
    ASSERT_EQ(program_.documents.Entry(1).program, "/bin/sh");

    dialogs_.Reply("no");
    Trigger("mi_Document1");
    EXPECT_TRUE(launcher_.calls.empty()) << "refused";
    ASSERT_EQ(dialogs_.Entries("question").size(), 1u);
    EXPECT_THAT(dialogs_.Entries("question")[0].text, HasSubstr("/bin/sh -c"));
    dialogs_.Reply("yes");
    Trigger("mi_Document1");
    Trigger("mi_Document1");
    Trigger("mi_Document2");
    EXPECT_EQ(dialogs_.Entries("question").size(), 2u) << "asked once; the desktop's opener never";
    ASSERT_EQ(launcher_.calls.size(), 3u);
    EXPECT_EQ(launcher_.calls[0].program, "/bin/sh");
    EXPECT_EQ(launcher_.calls[0].arguments, std::vector<std::string>{"-c"});
}

// The real launcher behind the window.
using MissingProgramTest = WindowTest<ui::ProcessLauncher>;

TEST_F(MissingProgramTest, ALinkedDocumentWhoseProgramIsMissingSaysSo) {
    Start();
    docs::SetLinkedDocument(program_.documents, 1, "/nonexistent/trb-viewer", "lager.pdf");
    const std::size_t boxes = dialogs_.Entries("box").size();
    Trigger("mi_Document1");
    ASSERT_EQ(dialogs_.Entries("box").size(), boxes + 1);
    EXPECT_EQ(dialogs_.Entries("box").back().text, "Document 1: file not found: /nonexistent/trb-viewer");

    Trigger("mi_Document2");
    ASSERT_EQ(dialogs_.Entries("box").size(), boxes + 2);
    EXPECT_THAT(dialogs_.Entries("box").back().text, HasSubstr("Document Setup"));
    EXPECT_TRUE(window_->findChild<QAction*>("mi_Document1")->isEnabled()) << "the window goes on";
}

}  // namespace
}  // namespace trb::gui
