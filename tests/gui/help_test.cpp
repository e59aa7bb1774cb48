#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "gui/help_commands.h"
#include "gui/help_hints.h"
#include "gui/main_window.h"
#include "gui/standard_dialogs.h"
#include "help/help_numbers.h"
#include "input_test_support.h"
#include "modal_script.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using testing::Find;
using testing::ModalScript;

// A main window in a fresh folder whose help files are the shipped ones.
class HelpWindowTest : public ::testing::Test {
  protected:
    HelpWindowTest() : folder_(fs::temp_directory_path() / ("trb_gui_help_" + std::to_string(::getpid()))) {
        testing::EnsureApplication();
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "config");
        previous_ = fs::current_path();
        fs::current_path(folder_);
        setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
        window_ = std::make_unique<Thh>(program_);
    }
    ~HelpWindowTest() override {
        window_.reset();
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    QAction* Item(const char* name) { return window_->findChild<QAction*>(name); }

    fs::path folder_;
    fs::path previous_;
    ui::ScriptedDialogs dialogs_;
    ui::RecordingLauncher launcher_;
    app::Program program_{dialogs_, launcher_};
    std::unique_ptr<Thh> window_;
};

TEST_F(HelpWindowTest, CaseDialogShowsHintsAndItsHelpButtonShowsText1000) {
    ASSERT_EQ(program_.settings.helpLevel, 1);
    QString diameterHint;
    QString pressureHint;
    ModalScript script;
    script.Then([&](QWidget& dialog) {
        diameterHint = Find<QLabel>(dialog, "Label_db")->toolTip();
        Find<QPushButton>(dialog, "Button_help")->click();
        testing::Cancel(dialog);
    });
    script.Then([&](QWidget& dialog) {
        pressureHint = Find<QCheckBox>(dialog, "CheckBox_druckschmierung")->toolTip();
        testing::Cancel(dialog);
    });
    Item("mi_editgrunddaten")->trigger();
    Item("mi_editschmierung")->trigger();
    EXPECT_TRUE(diameterHint.contains("Lagerinnendurchmesser D")) << diameterHint.toStdString();
    EXPECT_TRUE(pressureHint.contains("Wärmebilanz")) << pressureHint.toStdString();
    const auto boxes = dialogs_.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "HILFETEXT Nr.1000");
    EXPECT_NE(boxes[0].text.find("Eingabe eines Lagerfalls"), std::string::npos) << boxes[0].text;
}

TEST_F(HelpWindowTest, HelpLevelZeroShowsNoHints) {
    program_.settings.helpLevel = 0;
    QLabel label;
    SetHelpHint(&label, help::kHelpDiameterLabel, program_.settings);
    EXPECT_TRUE(label.toolTip().isEmpty());
    program_.settings.helpLevel = 2;
    SetHelpHint(&label, help::kHelpDiameterLabel, program_.settings);
    EXPECT_TRUE(label.toolTip().startsWith("<qt>")) << "long hints wrap as rich text";
    EXPECT_TRUE(label.toolTip().contains("Gleitgeschwindigkeit u = pi·D·n"));
}

TEST_F(HelpWindowTest, PictureButtonDrawsIntoTheGraphicsWindowAndQuestionDialogsUseTheCurrentNumber) {
    ModalScript script;
    script.Then([&](QWidget& dialog) {
        Find<QPushButton>(dialog, "Button_hilfebild")->click();
        testing::Cancel(dialog);
    });
    Item("mi_editschmierung")->trigger();
    EXPECT_TRUE(dialogs_.Entries("box").empty()) << "the picture button shows no text";
    const graphics::View& view = window_->Graphics().CurrentView();
    EXPECT_DOUBLE_EQ(static_cast<double>(view.xmax - view.xmin) / static_cast<double>(view.ymax - view.ymin),
                     160.0 / 120.0)
        << "the picture area is 160 x 120 mm";

    program_.dialogs.SetHelpNumber(help::kHelpOverwriteFile);
    Tin_janeindialog question("Frage", true, HelpCommandsOf(*window_).ForQuestionDialogs());
    Find<QPushButton>(question, "Button_help")->click();
    ASSERT_EQ(dialogs_.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs_.Entries("box")[0].caption, "HILFETEXT Nr.3055");
}

}  // namespace
}  // namespace trb::gui
