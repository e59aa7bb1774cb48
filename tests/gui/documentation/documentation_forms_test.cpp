// The documentation forms driven through their components: title data, change records with the
// change-log commands, drawing information and the linked-document set-up.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "gui/documentation/documentation_commands.h"
#include "gui/input/input_commands.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "text/format.h"

namespace trb::gui {
namespace {

using testing::Cancel;
using testing::FieldText;
using testing::Find;
using testing::ModalScript;
using testing::Ok;
using testing::SetField;

std::string Cell(QWidget& dialog, const char* grid, int row, int column) {
    const QTableWidgetItem* item = Find<QTableWidget>(dialog, grid)->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

void SetCell(QWidget& dialog, const char* grid, int row, int column, const char* text) {
    Find<QTableWidget>(dialog, grid)->setItem(row, column, new QTableWidgetItem(QString::fromUtf8(text)));
}

class DocumentationFormsTest : public ::testing::Test {
  protected:
    DocumentationFormsTest() {
        testing::EnsureApplication();
        InputHooks hooks;
        hooks.refreshAfterRun = [this] { ++refreshes; };
        inputs = std::make_unique<InputCommands>(program, nullptr, std::move(hooks));
        commands = std::make_unique<DocumentationCommands>(program, nullptr, *inputs);
    }
    std::string Today() const { return text::DateText(program.settings.format); }
    // Runs a command and plays one action on each form it opens; the names of the forms met.
    std::vector<std::string> Play(const std::function<void()>& command,
                                  std::vector<ModalScript::Action> actions = {}) {
        ModalScript script;
        for (auto& action : actions) script.Then(std::move(action));
        command();
        EXPECT_EQ(script.Pending(), 0u);
        return script.names;
    }
    std::vector<std::string> Play(docs::ChangeCommandKind kind,
                                  std::vector<ModalScript::Action> actions = {}) {
        return Play([this, kind] { commands->ChangeCommand(kind); }, std::move(actions));
    }
    std::size_t Listings() const { return dialogs.Entries("viewer").size(); }

    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    app::Program program{dialogs, launcher};
    int refreshes = 0;
    std::unique_ptr<InputCommands> inputs;
    std::unique_ptr<DocumentationCommands> commands;
};

TEST_F(DocumentationFormsTest, TitleDataFormShowsEditsAndStores) {
    program.title.drawingName = "Lager";
    program.title.remarks = {"Kunde M\x81ller", "", ""};
    const auto names =
        Play([this] { commands->EditText(); }, {[](QWidget& dialog) {
                 EXPECT_EQ(dialog.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager");
                 EXPECT_EQ(FieldText(dialog, "Edit_zeichname"), "Lager");
                 EXPECT_EQ(FieldText(dialog, "Edit_bemerk1"), "Kunde Müller");
                 EXPECT_EQ(Find<QLabel>(dialog, "Label_zeichname2")->text(), "Zeichnungsname 2");
                 EXPECT_EQ(Find<QLabel>(dialog, "Label_bemerk3")->text(), "Zeile 3");
                 EXPECT_TRUE(Find<QPushButton>(dialog, "Button_ok")->isDefault());
                 SetField(dialog, "Edit_zeichname", "Gleitlager Pumpe Süd");
                 SetField(dialog, "Edit_zeichname2", "Welle 2");
                 SetField(dialog, "Edit_bemerk2", "Prüfstand");
                 // The field takes no more than the drawing number holds.
                 SetField(dialog, "Edit_zeichnr", "1234567890123456789012");
                 EXPECT_EQ(FieldText(dialog, "Edit_zeichnr"), "123456789012345678");
                 Ok(dialog);
             }});
    EXPECT_EQ(names, std::vector<std::string>{"Tform_uni4"});
    EXPECT_EQ(program.title.drawingName,
              "Gleitlager Pumpe S\x81"
              "d");  // stored in code page 850
    EXPECT_EQ(program.title.drawingName2, "Welle 2");
    EXPECT_EQ(program.title.drawingNumber, "123456789012345678");
    EXPECT_EQ(program.title.remarks[0], "Kunde M\x81ller");
    EXPECT_EQ(program.title.remarks[1],
              "Pr\x81"
              "fstand");
    EXPECT_TRUE(program.caseFile.modified);
    EXPECT_EQ(refreshes, 1) << "the title block is redrawn at once";
    EXPECT_FALSE(program.abort);

    // Cancel stores nothing, and the case stays unchanged.
    const docs::TitleData before = program.title;
    program.caseFile.modified = false;
    Play([this] { commands->EditText(); }, {[](QWidget& dialog) {
             SetField(dialog, "Edit_zeichname", "anders");
             SetField(dialog, "Edit_bemerk3", "anders");
             Cancel(dialog);
         }});
    EXPECT_EQ(program.title, before);
    EXPECT_FALSE(program.caseFile.modified);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(program.abort);

    // Alone, as the quick input uses it, Cancel leaves the abort flag set.
    Play([this] { commands->EditTitleData(); }, {Cancel});
    EXPECT_TRUE(program.abort);
}

TEST_F(DocumentationFormsTest, NewChangeIsAddedOnlyByOk) {
    Play(docs::ChangeCommandKind::New, {[this](QWidget& dialog) {
             EXPECT_EQ(dialog.windowTitle(), "Änderung 1");
             EXPECT_EQ(FieldText(dialog, "Edit_datum"), Today()) << "a new change is dated today";
             EXPECT_EQ(testing::Caption(dialog, "Button_datum"), "<" + Today());
             SetField(dialog, "Edit_aenderung", "Bohrung geändert");
             SetField(dialog, "Edit_datum", "01.02.2026");
             SetField(dialog, "Edit_bearbeiter", "abcdefg");
             Find<QPlainTextEdit>(dialog, "Memo_beschreibung")->setPlainText("Zeile eins\nZeile zwei");
             Ok(dialog);
         }});
    ASSERT_EQ(program.changes.count, 1);
    const docs::AendRecord& change = program.changes.Record(1);
    EXPECT_EQ(change.changeText, "Bohrung ge\x84ndert");
    EXPECT_EQ(change.date, "01.02.2026");
    EXPECT_EQ(change.editor, "abcde");
    EXPECT_EQ(change.description, "Zeile eins\nZeile zwei");
    EXPECT_EQ(Listings(), 1u) << "the change log is shown after the form";
    EXPECT_TRUE(program.caseFile.modified);
    EXPECT_EQ(refreshes, 1);

    // A cancelled new change adds nothing (no empty record on the drawing); the date button works.
    program.caseFile.modified = false;
    Play(docs::ChangeCommandKind::New, {[this](QWidget& dialog) {
             EXPECT_EQ(dialog.windowTitle(), "Änderung 2");
             SetField(dialog, "Edit_datum", "");
             testing::Click(dialog, "Button_datum");
             EXPECT_EQ(FieldText(dialog, "Edit_datum"), Today());
             Cancel(dialog);
         }});
    EXPECT_EQ(program.changes.count, 1);
    EXPECT_FALSE(program.caseFile.modified);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(program.abort);
}

TEST_F(DocumentationFormsTest, ModifyAndDeleteWorkOnTheLastChange) {
    // Without a change both do nothing and show nothing.
    EXPECT_TRUE(Play(docs::ChangeCommandKind::Modify).empty());
    EXPECT_TRUE(Play(docs::ChangeCommandKind::Delete).empty());
    EXPECT_EQ(Listings(), 0u);

    program.changes.count = 2;
    program.changes.Record(1) = {"erste", "01.01.2026", "ab", ""};
    program.changes.Record(2) = {"zweite", "02.01.2026", "cd", "alt"};
    Play(docs::ChangeCommandKind::Modify, {[](QWidget& dialog) {
             EXPECT_EQ(dialog.windowTitle(), "Änderung 2");
             EXPECT_EQ(FieldText(dialog, "Edit_aenderung"), "zweite");
             EXPECT_EQ(FieldText(dialog, "Edit_datum"), "02.01.2026") << "the record keeps its date";
             EXPECT_EQ(Find<QPlainTextEdit>(dialog, "Memo_beschreibung")->toPlainText(), "alt");
             SetField(dialog, "Edit_bearbeiter", "xy");
             Ok(dialog);
         }});
    EXPECT_EQ(program.changes.Record(2).editor, "xy");
    EXPECT_EQ(program.changes.Record(1).editor, "ab");
    EXPECT_EQ(Listings(), 1u);

    // Cancel keeps the record as it was.
    Play(docs::ChangeCommandKind::Modify, {[](QWidget& dialog) {
             SetField(dialog, "Edit_aenderung", "anders");
             Cancel(dialog);
         }});
    EXPECT_EQ(program.changes.Record(2).changeText, "zweite");

    const std::size_t listed = Listings();
    Play(docs::ChangeCommandKind::Delete);
    EXPECT_EQ(program.changes.count, 1);
    EXPECT_EQ(program.changes.Record(1).changeText, "erste");
    Play(docs::ChangeCommandKind::Delete);
    EXPECT_EQ(program.changes.count, 0);
    EXPECT_EQ(Listings(), listed + 2) << "every delete shows the log, the last one with headings only";
}

TEST_F(DocumentationFormsTest, TheDescriptionTakesAtMost255Characters) {
    Play(docs::ChangeCommandKind::New, {[](QWidget& dialog) {
             auto* memo = Find<QPlainTextEdit>(dialog, "Memo_beschreibung");
             memo->setPlainText(QString(300, QChar('x')));
             EXPECT_EQ(memo->toPlainText().size(), 255);
             Ok(dialog);
         }});
    ASSERT_EQ(program.changes.count, 1);
    EXPECT_EQ(program.changes.Record(1).description, std::string(255, 'x'));
}

TEST_F(DocumentationFormsTest, The26thChangeIsRefused) {
    program.changes.count = docs::ChangeLog::kMaxChanges;
    const docs::ChangeLog before = program.changes;
    EXPECT_TRUE(Play(docs::ChangeCommandKind::New).empty()) << "no form for a change that cannot be kept";
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text, "Max. Änderungen = 25 !");
    EXPECT_EQ(program.changes, before);
    EXPECT_FALSE(program.caseFile.modified);

    // The 25th is still taken.
    program.changes.count = docs::ChangeLog::kMaxChanges - 1;
    Play(docs::ChangeCommandKind::New, {Ok});
    EXPECT_EQ(program.changes.count, docs::ChangeLog::kMaxChanges);
    EXPECT_EQ(dialogs.Entries("box").size(), 1u);
}

TEST_F(DocumentationFormsTest, DrawingInformationFormShowsAndStoresEveryPart) {
    program.settings.releaseText = "Freigabe";
    docs::DrawingInfo& info = program.drawingInfo;
    info.replaces = "Z-100";
    info.rows[docs::kRowGepr] = {"03.03.2026", "Meier"};
    info.textItemCount = 1;
    info.textItems[0] = {12.34567L, 250, 3.5L, 0, "Gleitlager \xF8 120"};
    const auto names = Play([this] { commands->EditDrawingInfo(); }, {[this](QWidget& dialog) {
                                EXPECT_EQ(dialog.windowTitle(), "Zeichnungsinfo");
                                EXPECT_EQ(FieldText(dialog, "Edit_ersatzfuer"), "Z-100");
                                auto* signatures = Find<QTableWidget>(dialog, "StringGrid1");
                                EXPECT_EQ(signatures->verticalHeaderItem(0)->text(), "Bearb.");
                                EXPECT_EQ(signatures->verticalHeaderItem(3)->text(), "Freigabe");
                                EXPECT_EQ(Cell(dialog, "StringGrid1", 1, 0), "03.03.2026");
                                EXPECT_EQ(Cell(dialog, "StringGrid1", 1, 1), "Meier");
                                EXPECT_EQ(testing::Caption(dialog, "Button4"), "< " + Today());
                                testing::Click(dialog, "Button4");
                                EXPECT_EQ(Cell(dialog, "StringGrid1", 3, 0), Today());
                                SetCell(dialog, "StringGrid1", 3, 1, "Schulze-Oberhausen");
                                SetField(dialog, "Edit_ersetztdurch", "Z-200");

                                EXPECT_EQ(Cell(dialog, "StringGrid2", 0, 0),
                                          text::FormatShort(12.34567L, program.settings.format));
                                EXPECT_EQ(Cell(dialog, "StringGrid2", 0, 4), "Gleitlager ° 120");
                                // Rows 1, 2 and 4 with texts: the empty row 3 ends the items.
                                SetCell(dialog, "StringGrid2", 1, 0, "40");
                                SetCell(dialog, "StringGrid2", 1, 1, "abc");
                                SetCell(dialog, "StringGrid2", 1, 3, "90");
                                SetCell(dialog, "StringGrid2", 1, 4, "zweiter Text");
                                SetCell(dialog, "StringGrid2", 3, 4, "vierter Text");
                                Ok(dialog);
                            }});
    EXPECT_EQ(names, std::vector<std::string>{"TForm_zeichInfo"});
    EXPECT_EQ(info.replacedBy, "Z-200");
    EXPECT_EQ(info.rows[docs::kRowRelease].date, Today());
    EXPECT_EQ(info.rows[docs::kRowRelease].name, "Schulze-Ob") << "cut to the name length";
    EXPECT_EQ(info.rows[docs::kRowGepr].name, "Meier");
    ASSERT_EQ(info.textItemCount, 2);
    EXPECT_EQ(info.textItems[0].x, 12.34567L) << "a number left as shown keeps its exact value";
    EXPECT_EQ(info.textItems[0].text, "Gleitlager \xF8 120");
    EXPECT_EQ(info.textItems[1].x, 40);
    EXPECT_EQ(info.textItems[1].y, 0) << "a number that does not parse is 0";
    EXPECT_EQ(info.textItems[1].phi, 90);
    EXPECT_EQ(info.textItems[1].text, "zweiter Text");
    EXPECT_TRUE(program.caseFile.modified);
    EXPECT_EQ(refreshes, 1);

    // Cancel stores nothing.
    const docs::DrawingInfo before = info;
    program.caseFile.modified = false;
    Play([this] { commands->EditDrawingInfo(); }, {[](QWidget& dialog) {
             SetField(dialog, "Edit_ersatzfuer", "anders");
             SetCell(dialog, "StringGrid2", 0, 4, "");
             Cancel(dialog);
         }});
    EXPECT_EQ(info, before);
    EXPECT_FALSE(program.caseFile.modified);
}

TEST_F(DocumentationFormsTest, EmptyTextItemGridStoresOneEmptyItem) {
    program.drawingInfo.textItemCount = 3;
    program.drawingInfo.textItems[0].text = "a";
    program.drawingInfo.textItems[1].text = "b";
    program.drawingInfo.textItems[2].text = "c";
    Play([this] { commands->EditDrawingInfo(); }, {[](QWidget& dialog) {
             for (int row = 0; row < 3; ++row)
                 for (int column = 0; column < 5; ++column) SetCell(dialog, "StringGrid2", row, column, "");
             Ok(dialog);
         }});
    ASSERT_EQ(program.drawingInfo.textItemCount, 1);
    EXPECT_EQ(program.drawingInfo.textItems[0], docs::TextItem{});
}

TEST_F(DocumentationFormsTest, DocumentSetupChoosesAndStoresTheFiveLinks) {
    docs::SetLinkedDocument(program.documents, 2, "okular", "/daten/bericht.pdf");
    Play([this] { commands->DocumentSetup(); }, {[this](QWidget& dialog) {
             EXPECT_EQ(dialog.windowTitle(), "Document Setup");
             EXPECT_EQ(FieldText(dialog, "Edit_prog2"), "okular");
             EXPECT_EQ(FieldText(dialog, "Edit_file2"), "/daten/bericht.pdf");
             EXPECT_EQ(Find<QLabel>(dialog, "Label_prog5")->text(), "Program 5");
             EXPECT_EQ(Find<QPushButton>(dialog, "Button_help")->text(), "&Hilfetext");

             // The chooser puts the choice in the field.
             dialogs.Reply("/usr/bin/evince");
             testing::Click(dialog, "Button_prog2");
             EXPECT_EQ(FieldText(dialog, "Edit_prog2"), "/usr/bin/evince");
             dialogs.Reply("/daten/Prüfbericht.pdf");
             testing::Click(dialog, "Button_file1");
             EXPECT_EQ(FieldText(dialog, "Edit_file1"), "/daten/Prüfbericht.pdf");
             // A cancelled choice keeps the field; the chooser started in the file's folder.
             dialogs.ReplyCancel();
             testing::Click(dialog, "Button_file2");
             EXPECT_EQ(FieldText(dialog, "Edit_file2"), "/daten/bericht.pdf");
             EXPECT_EQ(dialogs.Entries("open").back().text, "/daten/");
             // A path the set-up cannot keep whole is refused with a message.
             dialogs.Reply("/daten/" + std::string(60, 'a') + ".pdf");
             testing::Click(dialog, "Button_file3");
             EXPECT_EQ(FieldText(dialog, "Edit_file3"), "");
             EXPECT_EQ(dialogs.Entries("box").size(), 1u);
             Ok(dialog);
         }});
    EXPECT_EQ(program.documents.Entry(2).program, "/usr/bin/evince");
    EXPECT_EQ(program.documents.Entry(2).file, "/daten/bericht.pdf");
    EXPECT_EQ(program.documents.Entry(1).file,
              "/daten/Pr\x81"
              "fbericht.pdf");
    EXPECT_EQ(program.documents.Entry(3).file, "");
    EXPECT_TRUE(program.caseFile.modified);
    EXPECT_FALSE(program.abort);

    const docs::LinkedDocuments before = program.documents;
    program.caseFile.modified = false;
    Play([this] { commands->DocumentSetup(); }, {[](QWidget& dialog) {
             SetField(dialog, "Edit_prog1", "vi");
             Cancel(dialog);
         }});
    EXPECT_EQ(program.documents, before);
    EXPECT_FALSE(program.caseFile.modified);
}

// Not a check: run alone with --gtest_also_run_disabled_tests (on a real display) to save a picture
// of every form, filled with sample texts, in German, English and Korean to $TRB_SCREENSHOT_DIR.
TEST_F(DocumentationFormsTest, DISABLED_FormPictures) {
    const char* folder = std::getenv("TRB_SCREENSHOT_DIR");
    if (folder == nullptr) GTEST_SKIP() << "TRB_SCREENSHOT_DIR is not set";
    program.title = {"Radialgleitlager", "31652", "Pumpe P3", {"Projekt Nordsee", "Pr\x81""fstand 2", ""}};
    program.changes.count = 1;
    program.changes.Record(1) = {"Nut verlegt", "01.02.2026", "kb", "Schmiernut\num 90\xF8 gedreht"};
    program.drawingInfo.textItemCount = 2;
    program.drawingInfo.textItems[0] = {30, 250, 3.5L, 0, "Gleitlager \xF8 120 H7"};
    program.drawingInfo.textItems[1] = {30, 240, 2.5L, 90, "Oberfl\x84""che geschliffen"};
    docs::SetLinkedDocument(program.documents, 1, "okular", "/daten/lager/bericht.pdf");
    struct Language {
        int code;
        const char* name;
        const char* typed;  // what a user of the language might type into a field
    };
    for (const Language language : {Language{1, "de", "Lagerbock Süd"}, Language{2, "en", "Pump bearing"},
                                    Language{8, "ko", "\uBCA0\uC5B4\uB9C1 \uD38C\uD504"}}) {
        program.texts.LanguageMenuCommand(language.code);
        const auto shoot = [&](const char* form) {
            return [&, form](QWidget& dialog) {
                if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setText(QString::fromUtf8(language.typed));
                dialog.show();
                QApplication::processEvents();
                dialog.grab().save(QString("%1/%2-%3.png").arg(folder, form, language.name));
                Cancel(dialog);
            };
        };
        Play([this] { commands->EditTitleData(); }, {shoot("title")});
        Play(docs::ChangeCommandKind::Modify, {shoot("change")});
        Play([this] { commands->EditDrawingInfo(); }, {shoot("drawinginfo")});
        Play([this] { commands->DocumentSetup(); }, {shoot("documents")});
    }
}

}  // namespace
}  // namespace trb::gui
