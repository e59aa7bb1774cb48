// The questions the case dialogs' buttons ask, answered with the keyboard as a user does: the keys go
// to whatever has the focus in the question, so a question that opens with the focus on OK loses
// what is typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "window_fixture.h"

namespace trb::gui::testing {
namespace {

// Makes the question the active window, types `keys` where its focus is and presses Enter.
ModalScript::Action TypeAndEnter(const char* keys) {
    return [keys](QWidget& question) {
        question.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&question));
        QWidget* focus = question.focusWidget();
        ASSERT_NE(focus, nullptr) << question.objectName().toStdString();
        QTest::keyClicks(focus, keys);
        QTest::keyClick(focus, Qt::Key_Return);
    };
}

TEST_F(RealWindowTest, ClassAndUnitQuestionsTakeWhatIsTyped) {
    Start();
    std::string bore, speed;
    {
        ModalScript script;
        script.Then([](QWidget& dialog) { Click(dialog, "Button_dbisotol"); })
            .Then(TypeAndEnter("h7"))
            .Then([](QWidget& dialog) { Click(dialog, "Button_ns"); })
            .Then(TypeAndEnter("1500"))
            .Then([&](QWidget& dialog) {
                bore = Caption(dialog, "Button_dbisotol");
                speed = FieldText(dialog, "Edit_ns");
                Ok(dialog);
            });
        // Each click opens its question while the geometry dialog is open; the script meets the
        // dialog again after each question.
        Trigger("mi_editgrunddaten");
        EXPECT_EQ(script.Pending(), 0u);
    }
    EXPECT_EQ(bore, "H7");
    EXPECT_EQ(speed, "25") << "1500 1/min";
    EXPECT_EQ(program_.record.toldb, "H7");
    EXPECT_EQ(program_.record.ns, 25);
}

}  // namespace
}  // namespace trb::gui::testing
