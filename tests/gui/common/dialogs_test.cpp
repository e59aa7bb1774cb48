#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "config/settings.h"
#include "gui/common/dialog_fit.h"
#include "gui/common/qt_dialogs.h"
#include "gui/common/text_viewer.h"
#include "ui/launcher.h"

namespace trb::gui {
namespace {

// Runs `check` on the modal dialog the next call opens, then lets `check` close it.
void WhenModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        check(dialog);
    });
}

class DialogsTest : public ::testing::Test {
  protected:
    DialogsTest() { dialogs_.Bind(settings_, launcher_); }

    void FillChoices(int n) {
        for (int i = 0; i < n; ++i)
            dialogs_.choiceList[static_cast<std::size_t>(i)] = "Item " + std::to_string(i + 1);
    }

    config::ConfigSettings settings_;
    ui::RecordingLauncher launcher_;
    QtDialogs dialogs_;
    bool abort_ = false;
};

TEST_F(DialogsTest, EightItemsShowAListAndSevenRadioButtons) {
    FillChoices(8);
    int selection = 2;
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "Tin_codedialog");
        EXPECT_EQ(dialog->windowTitle(), "Auswahl");
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 8);
        EXPECT_EQ(list->currentRow(), 1) << "the preselected item is highlighted";
        list->setCurrentRow(6);
        QTest::keyClick(list, Qt::Key_Return);
    });
    dialogs_.ChooseFromList("Bitte w\x84hlen", 8, selection, abort_);
    EXPECT_FALSE(abort_);
    EXPECT_EQ(selection, 7);

    selection = 3;
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "Tin_radiodialog");
        auto* group = dialog->findChild<QGroupBox*>("RadioGroup1");
        ASSERT_NE(group, nullptr);
        const auto buttons = group->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 7);
        EXPECT_TRUE(buttons[2]->isChecked());
        EXPECT_EQ(group->height(), 7 * 25 + 25);
        buttons[4]->setChecked(true);
        QTest::keyClick(dialog, Qt::Key_Enter);
    });
    dialogs_.ChooseFromList("Bitte w\x84hlen", 7, selection, abort_);
    EXPECT_FALSE(abort_);
    EXPECT_EQ(selection, 5);
}

TEST_F(DialogsTest, EscapeCancelsAndKeepsTheSelection) {
    FillChoices(3);
    int selection = 2;
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    dialogs_.ChooseFromList("?", 3, selection, abort_);
    EXPECT_TRUE(abort_);
    EXPECT_EQ(selection, 2);
}

TEST_F(DialogsTest, YesNoDialogOpensOnItsPreset) {
    char answer = 'n';
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "Tin_janeindialog");
        EXPECT_EQ(dialog->windowTitle(), "Eingabe");
        const auto buttons =
            dialog->findChild<QGroupBox*>("RadioGroup_janein")->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 2);
        EXPECT_EQ(buttons[1]->text(), "&Nein");
        EXPECT_TRUE(buttons[1]->isChecked());
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    dialogs_.AskYesNo("Weiter ?", answer, abort_);
    EXPECT_EQ(answer, 'N');

    answer = 'x';  // anything but "N" presets "&Ja"
    WhenModal([](QWidget* dialog) {
        const auto buttons =
            dialog->findChild<QGroupBox*>("RadioGroup_janein")->findChildren<QRadioButton*>();
        EXPECT_TRUE(buttons[0]->isChecked());
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    dialogs_.AskYesNo("Weiter ?", answer, abort_);
    EXPECT_EQ(answer, 'J');
    EXPECT_FALSE(abort_);
}

TEST_F(DialogsTest, TextDialogRefusesTypingBeyondItsLength) {
    std::string text = "ab";
    WhenModal([](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>("EditEinText");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "ab");
        edit->clear();
        QTest::keyClicks(edit, "\u00c4nderung123");
        EXPECT_EQ(edit->text(), QString("\u00c4nder"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    dialogs_.AskText("Name", 5, text, abort_);
    EXPECT_FALSE(abort_);
    EXPECT_EQ(text, "\x8Ender") << "typed text is stored in code page 850";
}

// Every question opens with the keyboard where the answer goes: what the user types replaces the
// preset of a text question, the arrow keys move in a list or through radio buttons, and Enter
// takes what is shown. The keys go to the dialog's focus widget, as the user's keys do; the dialog is
// made the active window, as a dialog the user sees is.
void Activate(QWidget* dialog) {
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
}

// The dialog's focus widget as a W; without one the dialog is cancelled, so that nothing waits.
template <class W>
W* FocusOf(QWidget* dialog) {
    auto* focus = qobject_cast<W*>(dialog->focusWidget());
    if (focus == nullptr) {
        ADD_FAILURE() << "the focus is on "
                      << (dialog->focusWidget() ? dialog->focusWidget()->objectName().toStdString()
                                                : "nothing");
        static_cast<QDialog*>(dialog)->reject();
    }
    return focus;
}

TEST_F(DialogsTest, TypingAndArrowKeysGoWhereTheAnswerIs) {
    real value = 33.3L;
    WhenModal([](QWidget* dialog) {
        Activate(dialog);
        auto* focus = FocusOf<QLineEdit>(dialog);
        if (focus == nullptr) return;
        EXPECT_EQ(focus->objectName(), "EditEinText");
        EXPECT_EQ(focus->selectedText(), "33.3") << "the preset is selected";
        QTest::keyClicks(focus, "1500");
        QTest::keyClick(focus, Qt::Key_Return);
    });
    dialogs_.AskReal("Drehzahl [1/min]", value, 100000, 0.001L, abort_);
    EXPECT_FALSE(abort_);
    EXPECT_EQ(value, 1500) << "the typed value, not the preset";

    FillChoices(9);
    int selection = 3;
    WhenModal([](QWidget* dialog) {
        Activate(dialog);
        auto* focus = FocusOf<QListWidget>(dialog);
        if (focus == nullptr) return;
        EXPECT_EQ(focus->objectName(), "ListBox1");
        QTest::keyClick(focus, Qt::Key_Down);
        QTest::keyClick(focus, Qt::Key_Down);
        QTest::keyClick(focus, Qt::Key_Return);
    });
    dialogs_.ChooseFromList("Bitte w\x84hlen", 9, selection, abort_);
    EXPECT_FALSE(abort_);
    EXPECT_EQ(selection, 5);

    selection = 2;
    WhenModal([](QWidget* dialog) {
        Activate(dialog);
        auto* focus = FocusOf<QRadioButton>(dialog);
        if (focus == nullptr) return;
        EXPECT_TRUE(focus->isChecked()) << "the preselected item";
        QTest::keyClick(focus, Qt::Key_Down);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    dialogs_.ChooseFromList("Bitte w\x84hlen", 4, selection, abort_);
    EXPECT_FALSE(abort_);
    EXPECT_EQ(selection, 3);

    char answer = 'J';
    WhenModal([](QWidget* dialog) {
        Activate(dialog);
        auto* focus = FocusOf<QRadioButton>(dialog);
        if (focus == nullptr) return;
        EXPECT_EQ(focus->text(), "&Ja");
        QTest::keyClick(focus, Qt::Key_Down);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    dialogs_.AskYesNo("Weiter ?", answer, abort_);
    EXPECT_EQ(answer, 'N');
}

TEST_F(DialogsTest, BoxesCarryTheirFixedCaptions) {
    QStringList captions;
    const auto note = [&captions](QWidget* box) {
        captions << box->windowTitle();
        QTest::keyClick(box, Qt::Key_Return);
    };
    WhenModal(note);
    dialogs_.ShowErrorBox("kaputt");
    WhenModal(note);
    dialogs_.ShowNoteBox("Hinweis");
    EXPECT_EQ(captions, QStringList({"Fehler : ", "Meldung:"}));

    WhenModal([](QWidget* box) {
        EXPECT_EQ(box->windowTitle(), "TRB - Test");
        static_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
    });
    dialogs_.programTitle = "TRB - Test";
    EXPECT_FALSE(dialogs_.AskYesNoCancel("Speichern ?", abort_));
    EXPECT_FALSE(abort_);
}

TEST_F(DialogsTest, TextScreenShowsTheFirstLinesOfTheChoiceList) {
    dialogs_.choiceList[0] = "TRB Command Line Mode";
    dialogs_.choiceList[21] = "line 22";
    dialogs_.choiceList[22] = "line 23";
    WhenModal([](QWidget* screen) {
        EXPECT_EQ(screen->windowTitle(), "TRB");
        const QString text = screen->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
        EXPECT_TRUE(text.startsWith("TRB Command Line Mode\n"));
        EXPECT_TRUE(text.contains("line 22"));
        EXPECT_FALSE(text.contains("line 23"));
        QTest::keyClick(screen, Qt::Key_Escape);
    });
    dialogs_.ShowTextScreen();
}

TEST(DialogFit, ScalesAndCentresOverTheMainWindow) {
    config::ConfigSettings settings;
    settings.inputWindowScale = 150;
    QWidget main;
    main.setGeometry(100, 50, 800, 600);
    QDialog dialog;
    dialog.setMinimumSize(10, 10);
    dialog.resize(200, 100);
    dialog.adjustSize();
    const QSize natural = dialog.size();
    FitDialog(dialog, settings, &main);
    EXPECT_EQ(dialog.width(), natural.width() * 3 / 2);
    EXPECT_EQ(dialog.height(), natural.height() * 3 / 2);
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(dialog.x(), frame.left() + (frame.width() - dialog.width()) / 2);
    EXPECT_EQ(dialog.y(), frame.top() + (frame.height() - dialog.height()) / 2 + 20);

    FitDialogAt(dialog, settings, 7, 9);
    EXPECT_EQ(dialog.pos(), QPoint(7, 9));

    // A dialog larger than the main window starts at its corner, still 20 pixels lower.
    QDialog large;
    large.setMinimumSize(700, 500);
    FitDialog(large, settings, &main);
    ASSERT_GT(large.width(), frame.width());
    ASSERT_GT(large.height(), frame.height());
    EXPECT_EQ(large.pos(), QPoint(frame.left(), frame.top() + 20));
}

TEST(TextViewer, ShowsTheFileAndRemembersItsPlace) {
    const auto folder = std::filesystem::temp_directory_path() / "trb_gui_viewer";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "outwin.txt").string();
    std::ofstream(file) << "\fSeite 1\r\nZeile 2\r\n";
    config::ConfigSettings settings;
    ui::RecordingLauncher launcher;
    {
        TForm_showtextfile viewer(file, settings, launcher, {});
        ASSERT_TRUE(viewer.Load());
        EXPECT_EQ(viewer.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), "Seite 1\nZeile 2\n");
        viewer.setGeometry(30, 40, 500, 300);
        viewer.accept();
    }
    EXPECT_EQ(settings.textWindow.left, 30);
    EXPECT_EQ(settings.textWindow.width, 500);
    TForm_showtextfile next(file, settings, launcher, {});
    EXPECT_EQ(next.geometry(), QRect(30, 40, 500, 300));
    TForm_showtextfile missing((folder / "none.txt").string(), settings, launcher, {});
    EXPECT_FALSE(missing.Load());
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trb::gui
