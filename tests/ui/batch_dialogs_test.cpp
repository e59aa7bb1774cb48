#include "ui/batch_dialogs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace trb::ui {
namespace {

TEST(BatchDialogs, WritesErrorsAndAnswersWithoutAsking) {
    std::ostringstream errors;
    BatchDialogs d(errors, false);
    d.ShowErrorBox("Diskette/Platte voll");
    d.ShowNoteBox("Hinweis \x84");
    bool abort = false;
    EXPECT_TRUE(d.AskYesNoCancel("overwrite?", abort));
    int selection = 2;
    d.choiceList[0] = "a";
    d.choiceList[1] = "b";
    d.ChooseFromList("x", 2, selection, abort);
    EXPECT_EQ(selection, 2);
    std::string text = "kept";
    d.AskText("x", 10, text, abort);
    EXPECT_EQ(text, "kept");
    std::string result = "x";
    d.AskOpenFile(1, text, "*.trb", result, abort);
    EXPECT_TRUE(abort);  // nothing can be chosen in a batch run
    EXPECT_EQ(errors.str(), "Fehler : Diskette/Platte voll\nMeldung: Hinweis ä\n");
}

TEST(BatchDialogs, NoGuiKeepsOnlyErrors) {
    std::ostringstream errors;
    std::ostringstream output;
    BatchDialogs d(errors, true, &output);
    d.ShowNoteBox("note");
    d.ShowErrorBox("error");
    d.choiceList[0] = "usage";
    d.ShowTextScreen();
    d.errorBoxesOn = false;
    d.ShowErrorBox("hidden");
    EXPECT_EQ(errors.str(), "Fehler : error\n");
    EXPECT_EQ(output.str(), "");
    BatchDialogs shown(errors, false, &output);
    shown.choiceList[0] = "usage: trb file";
    shown.ShowTextScreen();
    EXPECT_EQ(output.str(), "usage: trb file\n");
}

TEST(BatchDialogs, ARefusedValueEndsTheQuestionInsteadOfLooping) {
    std::ostringstream errors;
    BatchDialogs d(errors, true);
    bool abort = false;
    real value = 50;  // outside the range, and the batch answer is the preset
    d.AskReal("Wert", value, 10, 0, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(value, 50);
    abort = false;
    int count = 0;
    d.AskInteger("Anzahl", count, 1, 5, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(errors.str(),
              "Fehler : Gültiger Wertebereich: 0 .. 10 !\nFehler : Gültiger Wertebereich: 1 .. 5 !\n");
}

}  // namespace
}  // namespace trb::ui
