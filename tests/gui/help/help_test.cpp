#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/messages.h"
#include "gui/common/standard_dialogs.h"
#include "gui/help/help_commands.h"
#include "gui/help/help_hints.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "ui/help_numbers.h"
#include "window_fixture.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using testing::Find;
using testing::ModalScript;

// A main window in a fresh folder whose help files are the shipped ones.
class HelpWindowTest : public testing::ScriptedWindowTest {
  protected:
    HelpWindowTest() { Start(); }
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

// A help text written with numbered lines shows its lines in their order: line 1002 supplies the
// second text line, line 1003 the third.
TEST_F(HelpWindowTest, NumberedHelpLinesShowInTheirPlace) {
    fs::create_directories(Path("plt"));
    std::ofstream(Path("plt/korvane.hlp"), std::ios::binary)
        << "1000\r\nerste Zeile\r\n1002\r\nzweite Zeile\r\n1003\r\ndritte Zeile\r\n1005\r\nnicht\r\n";
    program_.settings.pltFolder = Path("plt") + "/";
    ModalScript script;
    script.Then([&](QWidget& dialog) {
        Find<QPushButton>(dialog, "Button_help")->click();
        testing::Cancel(dialog);
    });
    Item("mi_editgrunddaten")->trigger();
    const auto boxes = dialogs_.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "erste Zeile zweite Zeile dritte Zeile   ");
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
    bool label = false;
    ModalScript script;
    script.Then([&](QWidget& dialog) {
        Find<QPushButton>(dialog, "Button_hilfebild")->click();
        const graphics::View& view = window_->Graphics().CurrentView();
        EXPECT_EQ(view.xmax - view.xmin, 160);
        EXPECT_EQ(view.ymax - view.ymin, 120);
        // The heat-balance picture of help text 5030, while the dialog is open.
        for (const graphics::DisplayCommand& command : window_->Graphics().List().Commands())
            label = label || command.text == "Zulauf: t1, pE";
        testing::Cancel(dialog);
    });
    Item("mi_editschmierung")->trigger();
    EXPECT_TRUE(label);
    EXPECT_TRUE(dialogs_.Entries("box").empty()) << "the picture button shows no text";

    program_.dialogs.SetHelpNumber(help::kHelpOverwriteFile);
    Tin_janeindialog question("Frage", true, HelpCommandsOf(*window_).ForQuestionDialogs());
    Find<QPushButton>(question, "Button_help")->click();
    ASSERT_EQ(dialogs_.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs_.Entries("box")[0].caption, "HILFETEXT Nr.3055");
}

TEST_F(HelpWindowTest, HelpPictureItemBrowsesThePicturesInItsWindow) {
    std::vector<int> rows;
    ModalScript script;
    script.Then([&](QWidget& browser) {
        auto* list = Find<QListWidget>(browser, "ListBox1");
        rows.push_back(list->currentRow());
        EXPECT_EQ(list->count(), 14 + 5);
        EXPECT_EQ(browser.windowTitle(), "TRB Hilfebilder");
        Find<QToolButton>(browser, "SpinButton1_down")->click();
    });
    script.Then([&](QWidget& browser) {
        rows.push_back(Find<QListWidget>(browser, "ListBox1")->currentRow());
        Find<QPushButton>(browser, "Button_ok")->click();
    });
    Item("mi_HelpHilfebild")->trigger();
    EXPECT_EQ(script.names, (std::vector<std::string>{"TForm_hilfebild", "TForm_hilfebild"}));
    EXPECT_EQ(rows, (std::vector<int>{0, 1}));
    bool label = false;
    for (const graphics::DisplayCommand& command : window_->Graphics().List().Commands())
        label = label || command.text.find("Toleranzfelder") != std::string::npos ||
                command.text.find("Grenzma") != std::string::npos;
    EXPECT_TRUE(label) << "the second picture is drawn";
}

TEST_F(HelpWindowTest, MessageViewerEditsAndSavesCauseAndRemedy) {
    const fs::path plt = folder_ / "plt";
    fs::create_directories(plt);
    std::ofstream(plt / "trb.err", std::ios::binary)
        << "Fehlerkatalog\r\nWarnung: t2>tBlim !\r\nalte Ursache\r\nalte Abhilfe\r\n";
    program_.settings.pltFolder = plt.string() + "/";
    program_.status.ClearMessages();
    program_.status.AddMessage("Warnung: t2>tBlim !");
    program_.settings.helpLevel = 2;
    dialogs_.Reply("1").Reply("yes");
    ModalScript script;
    script.Then([&](QWidget& viewer) {
        EXPECT_EQ(Find<QLineEdit>(viewer, "Edit_meldung")->text(), "Warnung: t2>tBlim !");
        auto* cause = Find<QPlainTextEdit>(viewer, "Memo_ursache");
        EXPECT_EQ(cause->toPlainText(), "alte Ursache");
        cause->setPlainText("Kühlung\nzu schwach");
        Find<QPushButton>(viewer, "Button_ok")->click();
    });
    Item("mi_helpErrorMessages")->trigger();
    EXPECT_EQ(script.names, (std::vector<std::string>{"Thelperr"}));
    std::ifstream in(plt / "trb.err", std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(saved, "Fehlerkatalog\r\nWarnung: t2>tBlim !\r\nK\x81hlung zu schwach\r\nalte Abhilfe\r\n");
    ASSERT_EQ(dialogs_.Entries("question").size(), 1u);
    EXPECT_EQ(dialogs_.Entries("question")[0].text, "Save Changes ?");
}

TEST_F(HelpWindowTest, EveryMessageBrowserOfTheWindowOpensTheViewer) {
    program_.status.ClearMessages();
    program_.status.AddMessage(std::string(core::kMsgFilmTooThin));
    program_.settings.helpLevel = 2;
    dialogs_.Reply("1");
    ModalScript script;
    script.Then([&](QWidget& viewer) {
        EXPECT_FALSE(Find<QPlainTextEdit>(viewer, "Memo_ursache")->toPlainText().isEmpty())
            << "the shipped catalogue describes the message";
        Find<QPushButton>(viewer, "Button_ok")->click();
    });
    // The browser as the report and the end of the quick input call it, without an editor of their own.
    program_.ShowRunMessages();
    EXPECT_EQ(script.names, (std::vector<std::string>{"Thelperr"}));
    EXPECT_TRUE(dialogs_.Entries("question").empty()) << "nothing changed, nothing to save";
}

}  // namespace
}  // namespace trb::gui
