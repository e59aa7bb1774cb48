// The Edit commands: dialog, calculation and redraw; the quick input chain; the record chooser.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "core/calculation.h"
#include "gui/input/input_commands.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "report/run_messages.h"
#include "text/format.h"

namespace trb::gui {
namespace {

using testing::Cancel;
using testing::Click;
using testing::ModalScript;
using testing::Ok;
using testing::SetField;

class InputCommandsTest : public ::testing::Test {
  protected:
    InputCommandsTest() {
        testing::EnsureApplication();
        program.settings.dbfFolder = TRB_SOURCE_DATA_DIR;
        core::LoadExampleCase(program.record);
        bool abort = false;
        core::RunCalculation(program.record, program.status, abort);
    }
    InputHooks Hooks() {
        InputHooks hooks;
        hooks.refreshAfterRun = [this] { ++refreshes; };
        return hooks;
    }

    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    app::Program program{dialogs, launcher};
    int refreshes = 0;
};

TEST_F(InputCommandsTest, EditThenOkRecalculatesAndRedraws) {
    InputCommands commands(program, nullptr, Hooks());
    ModalScript script;
    script.Then([](QWidget& dialog) {
        SetField(dialog, "Edit_f", "18000");
        Ok(dialog);
    });
    commands.EditBaseData();
    EXPECT_EQ(script.names, std::vector<std::string>{"TForm_trbinp1"});
    EXPECT_EQ(program.record.f, 18000);
    // The results belong to the new load: specific load F / (D B).
    EXPECT_NEAR(static_cast<double>(program.record.p), 18000.0 / (120 * 60), 1e-9);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(program.caseFile.modified);
    EXPECT_FALSE(program.abort);
}

TEST_F(InputCommandsTest, CancelStillCalculatesTheUnchangedCaseCompletely) {
    const core::TRBrecord before = program.record;
    InputCommands commands(program, nullptr, Hooks());
    for (auto command :
         {&InputCommands::EditBaseData, &InputCommands::EditLubrication, &InputCommands::EditLimits}) {
        ModalScript script;
        script.Then([](QWidget& dialog) {
            if (auto* limit = dialog.findChild<QLineEdit*>("Edit_p")) limit->setText("1");
            Cancel(dialog);
        });
        program.caseFile.modified = false;
        (commands.*command)();
        EXPECT_EQ(script.Pending(), 0u);
        EXPECT_FALSE(program.abort);
        EXPECT_FALSE(program.caseFile.modified) << "a cancelled dialog changed nothing";
    }
    EXPECT_EQ(refreshes, 3);
    EXPECT_EQ(program.record.plim, before.plim);
    // The converged state, not the first iteration step.
    EXPECT_NEAR(static_cast<double>(program.record.teff), static_cast<double>(before.teff), 0.01);
    EXPECT_NEAR(static_cast<double>(program.record.h0), static_cast<double>(before.h0), 1e-6);
}

TEST_F(InputCommandsTest, QuickInputRunsTheDialogsInTurnAndShowsTheMessages) {
    int titles = 0;
    InputHooks hooks = Hooks();
    hooks.titleData = [&] { ++titles; };
    InputCommands commands(program, nullptr, hooks);
    ModalScript script;
    script.Then(Ok)
        .Then([](QWidget& dialog) {
            SetField(dialog, "Edit_t1", "45");
            Ok(dialog);
        })
        .Then(Ok);
    program.caseFile.modified = false;
    commands.EditQuick();
    EXPECT_EQ(titles, 1);
    EXPECT_EQ(script.names, (std::vector<std::string>{"TForm_trbinp1", "TForm_trbinp2", "TForm_trbinp3"}));
    EXPECT_EQ(program.record.t1, 45);
    EXPECT_NE(program.record.teff, 0);
    // The message viewer closes the chain: a note without messages, else the message list.
    ASSERT_FALSE(dialogs.transcript.empty());
    const auto& last = dialogs.transcript.back();
    if (program.status.MessageCount() == 0) {
        EXPECT_EQ(last.text, report::kRunWithoutMessages);
    } else {
        EXPECT_TRUE(last.kind == "list" || last.kind == "radio") << last.kind;
    }
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(program.caseFile.modified);
    EXPECT_FALSE(program.abort);
}

TEST_F(InputCommandsTest, QuickInputStopsAtTheFirstCancel) {
    InputHooks hooks = Hooks();
    hooks.titleData = [this] { program.abort = true; };
    {
        InputCommands commands(program, nullptr, hooks);
        ModalScript script;
        script.Then(Ok);
        commands.QuickInput();
        EXPECT_TRUE(script.names.empty());  // no dialog after the cancelled title data
        EXPECT_FALSE(program.abort);
    }
    InputCommands commands(program, nullptr, Hooks());
    ModalScript script;
    script
        .Then([](QWidget& dialog) {
            SetField(dialog, "Edit_f", "20000");
            Ok(dialog);
        })
        .Then(Cancel)
        .Then(Ok);
    program.record.p = 0;
    commands.QuickInput();
    EXPECT_EQ(script.names, (std::vector<std::string>{"TForm_trbinp1", "TForm_trbinp2"}));
    EXPECT_EQ(program.record.f, 20000);
    EXPECT_NEAR(static_cast<double>(program.record.p), 20000.0 / (120 * 60), 1e-9);  // calculated
    EXPECT_TRUE(dialogs.transcript.empty());                                         // no message viewer
    EXPECT_FALSE(program.abort);
}

TEST_F(InputCommandsTest, ViscosityConverterChangesNothing) {
    const core::TRBrecord before = program.record;
    InputCommands commands(program, nullptr, Hooks());
    ModalScript script;
    script.Then([](QWidget& dialog) {
        SetField(dialog, "Edit_visko50", "320");
        Cancel(dialog);
    });
    commands.ViscosityConverter();
    EXPECT_EQ(script.names, std::vector<std::string>{"TForm_viskot"});
    EXPECT_EQ(program.record.schmier, before.schmier);
    EXPECT_EQ(refreshes, 0);
    EXPECT_FALSE(program.abort);
}

// The DIN 1850 button of the geometry dialog chooses through the table window: the bushings
// sorted by bore, outer diameter and width, and the chosen one fills the three fields.
TEST_F(InputCommandsTest, Din1850BushingChosenInTheTableWindow) {
    InputCommands commands(program, nullptr, Hooks());
    ModalScript script;
    std::string bore, outer, width;
    script.Then([](QWidget& dialog) { Click(dialog, "Button_db"); })
        .Then([&](QWidget& tableWindow) {
            EXPECT_EQ(tableWindow.windowTitle(), "DIN 1850 G   ");
            auto* grid = tableWindow.findChild<QTableView*>("TableGrid");
            ASSERT_NE(grid, nullptr);
            const auto* rows = grid->model();
            ASSERT_GT(rows->rowCount(), 2);
            const auto key = [rows](int row) {
                return rows->index(row, 0).data().toDouble() * 10000 +
                       rows->index(row, 1).data().toDouble() * 100 + rows->index(row, 2).data().toDouble();
            };
            for (int row = 1; row < rows->rowCount(); ++row) EXPECT_LE(key(row - 1), key(row)) << row;
            grid->setCurrentIndex(rows->index(5, 1));
            bore = rows->index(5, 0).data().toString().toStdString();
            outer = rows->index(5, 1).data().toString().toStdString();
            width = rows->index(5, 2).data().toString().toStdString();
            Ok(tableWindow);
        })
        .Then([&](QWidget& dialog) {
            const auto same = [&dialog](const char* field, const std::string& cell) {
                EXPECT_NEAR(static_cast<double>(text::TextToReal(testing::FieldText(dialog, field))),
                            static_cast<double>(text::TextToReal(cell)), 1e-9)
                    << field;
            };
            same("Edit_db", bore);
            same("Edit_de", outer);
            same("Edit_b", width);
            Ok(dialog);
        });
    commands.EditBaseData();
    ASSERT_EQ(script.names.size(), 3u);
    EXPECT_EQ(script.names[1], "Tdbf4");
    EXPECT_NE(program.record.din1850rec, 0);
    EXPECT_NEAR(static_cast<double>(program.record.db), static_cast<double>(text::TextToReal(bore)), 1e-9);
    EXPECT_NEAR(static_cast<double>(program.record.de), static_cast<double>(text::TextToReal(outer)), 1e-9);
    EXPECT_NEAR(static_cast<double>(program.record.b), static_cast<double>(text::TextToReal(width)), 1e-9);
}

}  // namespace
}  // namespace trb::gui

namespace trb::gui {
namespace {

// The Edit items of the main window open the dialogs and redraw afterwards.
TEST(InputMenuTest, EditItemsOfTheMainWindowRunTheDialogs) {
    namespace fs = std::filesystem;
    testing::EnsureApplication();
    const fs::path folder = fs::temp_directory_path() / "trb_gui_input_menu";
    fs::remove_all(folder);
    fs::create_directories(folder / "config");
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    {
        ui::ScriptedDialogs dialogs;
        ui::RecordingLauncher launcher;
        app::Program program{dialogs, launcher};
        Thh window(program);
        program.caseFile.modified = false;
        {
            ModalScript script;
            script.Then([](QWidget& dialog) {
                SetField(dialog, "Edit_t", "95");
                Ok(dialog);
            });
            window.findChild<QAction*>("mi_editlimits")->trigger();
            EXPECT_EQ(script.names, std::vector<std::string>{"TForm_trbinp3"});
        }
        EXPECT_EQ(program.record.tblim, 95);
        EXPECT_TRUE(program.caseFile.modified);
        EXPECT_FALSE(program.abort);

        ModalScript viscosity;
        viscosity.Then(Ok);
        QAction* hidden = window.findChild<QAction*>("viskot1");
        hidden->setVisible(true);  // a hidden item cannot be triggered
        hidden->trigger();
        EXPECT_EQ(viscosity.names, std::vector<std::string>{"TForm_viskot"});
    }
    fs::current_path(previous);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace trb::gui
