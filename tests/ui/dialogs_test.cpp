#include "ui/dialogs.h"

#include <gtest/gtest.h>

#include "temp_folder_fixture.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"

namespace trb::ui {
namespace {

using test_support::WriteWholeFile;

using Entry = ScriptedDialogs::Entry;

TEST(MessageBoxes, CaptionsAndTheErrorSwitch) {
    ScriptedDialogs d;
    d.ShowErrorBox("Schreibschutz entfernen !");
    d.ShowNoteBox(
        "Gr\x94\xE1"
        "e");
    d.ShowBox("Text", kHelpBox);
    d.ShowTitledBox("Titel \x84", "x");
    d.errorBoxesOn = false;
    d.ShowErrorBox("suppressed");
    d.ShowNoteBox("still shown");
    const auto boxes = d.Entries("box");
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].caption, "Fehler : ");
    EXPECT_EQ(boxes[1].caption, "Meldung:");
    EXPECT_EQ(boxes[1].text, "Größe");
    EXPECT_EQ(boxes[2].caption, "Hilfe");
    EXPECT_EQ(boxes[3].caption, "Titel ä");
    EXPECT_EQ(boxes[4].text, "still shown");
}

TEST(MessageBoxes, LongTextsAreShownInFull) {
    ScriptedDialogs d;
    d.ShowNoteBox(std::string(600, '\x81'));
    EXPECT_EQ(d.transcript.at(0).text.size(), 1200u);  // "ü" takes two bytes in UTF-8
}

TEST(YesNoCancel, CancelSetsTheAbortFlag) {
    ScriptedDialogs d;
    d.programTitle = "TRB - Hydrodynamische Radial-Gleitlager";
    d.Reply("yes").Reply("no").Reply("cancel");
    bool abort = false;
    EXPECT_TRUE(d.AskYesNoCancel("q1", abort));
    EXPECT_FALSE(d.AskYesNoCancel("q2", abort));
    EXPECT_FALSE(abort);
    EXPECT_FALSE(d.AskYesNoCancel("q3", abort));
    EXPECT_TRUE(abort);
    EXPECT_EQ(d.transcript[0].caption, "TRB - Hydrodynamische Radial-Gleitlager");
}

TEST(ChooseFromList, SevenItemsAreRadioButtonsEightAList) {
    ScriptedDialogs d;
    for (int i = 0; i < 8; ++i) d.choiceList[static_cast<std::size_t>(i)] = "Item " + std::to_string(i + 1);
    d.choiceList[0] = std::string(80, 'x');
    d.Reply("3").Reply("8").ReplyCancel();
    bool abort = false;
    int selection = 0;
    d.ChooseFromList("Wahl", 7, selection, abort);
    EXPECT_EQ(selection, 3);
    d.ChooseFromList("Wahl", 8, selection, abort);
    EXPECT_EQ(selection, 8);
    EXPECT_FALSE(abort);
    selection = 12;
    d.ChooseFromList("Wahl", 8, selection, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(selection, 12);  // unchanged on cancel
    ASSERT_EQ(d.transcript.size(), 3u);
    EXPECT_EQ(d.transcript[0].kind, "radio");
    EXPECT_EQ(d.transcript[0].items.size(), 7u);
    EXPECT_EQ(d.transcript[0].items[0].size(), kChoiceTextLength);
    EXPECT_EQ(d.transcript[0].number, 1);  // selection 0 starts at item 1
    EXPECT_EQ(d.transcript[1].kind, "list");
    EXPECT_EQ(d.transcript[1].number, 3);
    EXPECT_EQ(d.transcript[2].number, 1);  // above n starts at 1
}

TEST(AskYesNo, PresetAndAnswerCharacters) {
    ScriptedDialogs d;
    d.Reply("J").Reply("N").ReplyCancel();
    bool abort = false;
    char answer = 'n';
    d.AskYesNo("Frage", answer, abort);
    EXPECT_EQ(d.transcript[0].items[0], "N");  // preset "n" opens on no
    EXPECT_EQ(answer, 'J');
    bool flag = true;
    d.AskYesNo("Frage", flag, abort);
    EXPECT_FALSE(flag);
    d.AskYesNo("Frage", flag, abort);
    EXPECT_TRUE(abort);
    EXPECT_FALSE(flag);
}

TEST(AskText, ConvertsAndLimitsTheEntry) {
    ScriptedDialogs d;
    d.Reply("Müller-Lüdenscheidt").ReplyCancel();
    bool abort = false;
    std::string text = "M\x81ller";
    d.AskText("Name", 8, text, abort);
    EXPECT_EQ(d.transcript[0].items[0], "Müller");
    EXPECT_EQ(d.transcript[0].number, 8);
    EXPECT_EQ(text, "M\x81ller-L");
    d.AskText("Name", 8, text, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(text, "M\x81ller-L");
}

TEST(AskReal, AsksAgainUntilTheEntryIsAValidNumberInRange) {
    ScriptedDialogs d;
    d.Reply("12").Reply("abc").Reply("7,5");
    bool abort = false;
    real value = 5;
    d.AskReal("Wert", value, 10, 0, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(value, 7.5L);
    const auto boxes = d.Entries("box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Gültiger Wertebereich: 0 .. 10 !");
    EXPECT_EQ(boxes[1].text, "Ungültige Eingabe \"abc\" !");
    const auto questions = d.Entries("text");
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[1].items[0], "5");  // the old value is offered again
    EXPECT_EQ(questions[2].items[0], "5");
    EXPECT_EQ(questions[0].number, 30);
    EXPECT_EQ(d.Entries("beep").size(), 2u);
}

TEST(AskReal, AnUnchangedTextKeepsTheFullValue) {
    ScriptedDialogs d;
    d.Reply("1.235");
    bool abort = false;
    real value = 1.23456L;
    d.AskReal("Wert", value, 10, 0, abort);
    EXPECT_EQ(value, 1.23456L);
}

TEST(AskReal, CancelKeepsTheValueAndCommaSettingIsShown) {
    ScriptedDialogs d;
    text::FormatOptions comma;
    comma.decimalSeparator = 2;
    d.UseFormat(comma);
    d.ReplyCancel();
    bool abort = false;
    real value = 2.5L;
    d.AskReal("Wert", value, 10, 0, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(value, 2.5L);
    EXPECT_EQ(d.transcript[0].items[0], "2,5");
}

TEST(AskInteger, SwappedBoundsAreAcceptedTheRightWayRound) {
    ScriptedDialogs d;
    d.Reply("0").Reply("11").Reply("4.5").Reply("10");
    bool abort = false;
    int value = 5;
    d.AskInteger("Anzahl", value, 10, 1, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(value, 10);
    const auto boxes = d.Entries("box");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Gültiger Wertebereich: 1 .. 10 !");
    EXPECT_EQ(boxes[2].text, "Ungültige Eingabe \"4.5\" !");
    EXPECT_EQ(d.Entries("text")[0].number, 12);

    std::uint16_t small = 3;
    d.Reply("70000").Reply("65535");
    d.AskInteger("Nummer", small, -5, 100000, abort);
    EXPECT_EQ(small, 65535);
}

class FileChoosers : public testing::TempFolderTest {};

TEST_F(FileChoosers, OpenDialogKindsAndCancel) {
    ScriptedDialogs d;
    d.Reply(Path("case.trbx")).Reply(Path("b.trb")).ReplyCancel();
    bool abort = false;
    std::string folder = "/start/";
    std::string result;
    std::string extension = "trb";
    d.AskOpenFile(4, folder, "*.trb", result, abort, &extension);
    EXPECT_EQ(result, "case.trbx");
    EXPECT_EQ(folder, Folder());
    EXPECT_EQ(extension, "trb");  // at most three characters
    d.AskOpenFile(5, folder, "*.trb", result, abort);
    EXPECT_EQ(result, Path("b.trb"));
    EXPECT_EQ(d.transcript[1].text, Folder());
    d.AskOpenFile(1, folder, "*.trb", result, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(result, "");
}

TEST_F(FileChoosers, ProgramAndFolderChoosersKeepTheCurrentValueOnCancel) {
    ScriptedDialogs d;
    d.ReplyCancel().ReplyCancel().Reply(root_.string());
    bool abort = false;
    std::string result;
    d.AskProgramFile("/usr/bin/editor", "*", result, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(result, "/usr/bin/editor");
    EXPECT_EQ(d.transcript[0].text, "/usr/bin/");
    d.AskFolder("/does/not/exist/", result, abort);
    EXPECT_FALSE(abort);  // cancelling a folder choice is no failure
    EXPECT_EQ(result, "/does/not/exist/");
    EXPECT_EQ(d.transcript[1].text, "");  // a missing folder is not offered
    d.AskFolder(Folder(), result, abort);
    EXPECT_EQ(result, Folder());
}

TEST_F(FileChoosers, TextViewerAndPrintingNeedTheFile) {
    ScriptedDialogs d;
    // As the report writer writes it: every page ends with a form feed.
    WriteWholeFile(Path("out.txt"), "page 1\nline\n\f\npage 2\nx\n\f\n");
    WriteWholeFile(Path("plain.txt"), "no form feed\n");
    d.ShowTextFile(Path("out.txt"), Path("print.txt"));
    d.PrintTextFile(Path("out.txt"));
    d.PrintTextFile(Path("plain.txt"));
    d.PrintTextFile(Path("missing.txt"));
    ASSERT_EQ(d.transcript.size(), 4u);
    EXPECT_EQ(d.transcript[0].kind, "viewer");
    EXPECT_EQ(d.transcript[0].caption, "TRB - " + Path("out.txt"));
    EXPECT_EQ(d.transcript[1].number, 2);
    EXPECT_EQ(d.transcript[2].number, 1);
    EXPECT_EQ(d.transcript[3].text, Path("missing.txt") + " not found !");
}

TEST(TextScreen, ShowsTheFirst22Entries) {
    ScriptedDialogs d;
    for (std::size_t i = 0; i < 30; ++i) d.choiceList[i] = "line " + std::to_string(i);
    d.ShowTextScreen();
    ASSERT_EQ(d.transcript.size(), 1u);
    EXPECT_EQ(d.transcript[0].caption, "TRB");
    EXPECT_EQ(d.transcript[0].items.size(), 22u);
    EXPECT_EQ(d.transcript[0].items[21], "line 21");
}

}  // namespace
}  // namespace trb::ui
