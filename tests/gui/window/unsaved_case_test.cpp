// What happens to inputs that are not saved: a dialog cancelled without change leaves the case
// unchanged, and closing a changed case offers to save it (an unnamed one through the save dialog),
// to discard it or to stay.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <filesystem>

#include "window_fixture.h"

namespace trb::gui::testing {
namespace {

namespace fs = std::filesystem;

// Presses the button of the save question whose caption (without "&") is `caption`, and records
// every caption the question showed.
ModalScript::Action Press(const QString& caption, QStringList& shown) {
    return [caption, &shown](QWidget& widget) {
        auto& box = dynamic_cast<QMessageBox&>(widget);
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* button : box.buttons()) {
            const QString text = button->text().remove('&');
            shown << text;
            if (text == caption) chosen = button;
        }
        if (chosen == nullptr) {
            ADD_FAILURE() << "no button " << caption.toStdString();
            box.reject();
            return;
        }
        chosen->click();
    };
}

ModalScript::Action SaveAs(const std::string& path) {
    return [path](QWidget& widget) {
        auto& dialog = dynamic_cast<QFileDialog&>(widget);
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
        QMetaObject::invokeMethod(&dialog, "accept");
    };
}

TEST_F(RealWindowTest, ADialogCancelledWithoutChangeLeavesTheCaseUnchanged) {
    Start();
    ASSERT_FALSE(program_.caseFile.modified);
    for (const char* item : {"mi_editgrunddaten", "mi_editschmierung", "mi_editlimits", "mi_editquick"}) {
        ModalScript script;
        script.Then(Cancel);
        Trigger(item);
        EXPECT_EQ(script.Pending(), 0u) << item;
        EXPECT_FALSE(program_.caseFile.modified) << item;
    }
    // A typed change confirmed with OK is a change.
    ModalScript script;
    script.Then([](QWidget& dialog) {
        SetField(dialog, "Edit_t", "95");
        Ok(dialog);
    });
    Trigger("mi_editlimits");
    EXPECT_TRUE(program_.caseFile.modified);
}

TEST_F(RealWindowTest, ClosingAChangedUnnamedCaseOffersToSaveDiscardOrStay) {
    Start();
    program_.caseFile.modified = true;
    QStringList shown;
    {
        ModalScript script;
        script.Then(Press("Abbrechen", shown));
        EXPECT_FALSE(window_->close());
        EXPECT_EQ(script.names, std::vector<std::string>{"SaveQuestion"});
    }
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"Abbrechen", "Speichern", "Verwerfen"})) << shown.join(",").toStdString();
    EXPECT_TRUE(window_->isVisible());

    // Save, then Cancel in the save dialog: the window stays with its inputs.
    {
        ModalScript script;
        script.Then(Press("Speichern", shown)).Then([](QWidget& dialog) {
            static_cast<QDialog&>(dialog).reject();
        });
        EXPECT_FALSE(window_->close());
        EXPECT_EQ(script.names, (std::vector<std::string>{"SaveQuestion", "SaveDialog"}));
    }
    EXPECT_TRUE(program_.caseFile.modified);

    // Save under a name: the file is written and the window closes.
    {
        ModalScript script;
        script.Then(Press("Speichern", shown)).Then(SaveAs(Path("neu.trb")));
        EXPECT_TRUE(window_->close());
    }
    EXPECT_TRUE(fs::is_regular_file(Path("neu.trb")));
    EXPECT_FALSE(program_.caseFile.modified);
}

TEST_F(RealWindowTest, DiscardingClosesWithoutWriting) {
    Start();
    program_.caseFile.modified = true;
    QStringList shown;
    ModalScript script;
    script.Then(Press("Verwerfen", shown));
    EXPECT_TRUE(window_->close());
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_NE(entry.path().extension(), ".trb") << entry.path();
}

// "trb-window fehlt.trb" for a file that is not there: the window shows an unnamed case, and
// Speichern asks for a name instead of writing the example's values under that file's name.
TEST_F(RealWindowTest, StartingWithAMissingCaseFileShowsAnUnnamedCase) {
    Start(app::CommandLine{app::CaseStart{Path("fehlt.trb"), true}});
    EXPECT_TRUE(program_.caseFile.name.empty());
    EXPECT_EQ(window_->windowTitle().indexOf("fehlt"), -1) << window_->windowTitle().toStdString();
    ModalScript script;
    script.Then([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    Trigger("mi_FileSave");
    EXPECT_EQ(script.names, std::vector<std::string>{"SaveDialog"});
    EXPECT_FALSE(fs::exists(Path("fehlt.trb")));
}

}  // namespace
}  // namespace trb::gui::testing
