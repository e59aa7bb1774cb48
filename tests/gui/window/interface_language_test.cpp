// Qt's own texts and the application font: what the window speaks from its start, and what it leaves
// behind for the window after it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <fstream>

#include "config/config_file.h"
#include "gui/window/interface_language.h"
#include "window_fixture.h"

namespace trb::gui::testing {
namespace {

QString QtCancel() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

// The captions of the buttons of the question box that the next action opens.
ModalScript::Action ReadButtons(QStringList& captions) {
    return [&captions](QWidget& widget) {
        auto& box = dynamic_cast<QMessageBox&>(widget);
        for (QAbstractButton* button : box.buttons()) captions << button->text().remove('&');
        box.reject();
    };
}

class StartLanguageTest : public RealWindowTest {
  protected:
    // The captions of the buttons of the question New asks about a changed case.
    QStringList ButtonsOfTheSaveQuestion() {
        program_.caseFile.modified = true;
        QStringList captions;
        ModalScript script;
        script.Then(ReadButtons(captions));
        Trigger("mi_fileNew");
        return captions;
    }
};

TEST_F(StartLanguageTest, QtTextsAreGermanFromTheStartWithoutAStoredLanguage) {
    Start();
    EXPECT_EQ(QtCancel(), "Abbrechen");
    const QStringList buttons = ButtonsOfTheSaveQuestion();
    EXPECT_TRUE(buttons.contains("Abbrechen")) << buttons.join(",").toStdString();
    EXPECT_FALSE(buttons.contains("Cancel"));
}

TEST_F(StartLanguageTest, AStoredEnglishStartsWithEnglishQtTexts) {
    config::ConfigSettings stored;
    stored.language = text::kEnglish;
    std::ofstream(Path("trb.cfg"), std::ios::binary) << config::ConfigText(stored);
    Start();
    ASSERT_EQ(program_.settings.language, text::kEnglish);
    EXPECT_EQ(QtCancel(), "Cancel");
    EXPECT_EQ(window_->findChild<QMenu*>("mi_file")->title(), "&File");
}

// A window switched to Korean gives the application its font and texts back when it goes, so that
// the next window (and the next test) starts as the application started.
TEST_F(StartLanguageTest, AClosedWindowLeavesTheApplicationFontAndTextsAsItFoundThem) {
    const QFont before = QApplication::font();
    Start();
    Trigger("mi_languageKorean");
    ASSERT_NE(QApplication::font().families().value(0), before.families().value(0)) << "Korean has its font";
    window_.reset();
    EXPECT_EQ(QApplication::font(), before);
    EXPECT_EQ(QtCancel(), "Cancel") << "no translator is left installed";

    // The next window starts in German with the application's own font.
    Start();
    EXPECT_EQ(QApplication::font().families().value(0), before.families().value(0));
    EXPECT_EQ(QtCancel(), "Abbrechen");
}

}  // namespace
}  // namespace trb::gui::testing
