#include "docs/change_command.h"

#include <gtest/gtest.h>

#include "docs/documentation.h"
#include "ui/scripted_dialogs.h"

namespace trb::docs {
namespace {

// The change commands with a change form that either stores a fixed text or is cancelled.
class ChangeCommandTest : public ::testing::Test {
  protected:
    void Run(ChangeCommandKind kind) {
        bool abort = false;
        ChangeCommand(kind, log, "09.12.2026", hooks, dialogs, abort);
        lastAbort = abort;
    }

    ChangeLog log;
    ui::ScriptedDialogs dialogs;
    bool cancelForm = false;
    int listings = 0;
    int formNumber = 0;
    bool lastAbort = false;
    ChangeCommandHooks hooks{
        [this](AendRecord& r, int number, bool& abort) {
            formNumber = number;
            if (cancelForm) {
                abort = true;
                return;
            }
            r.changeText = "Index " + std::to_string(number);
        },
        [this](bool toScreen) { listings += toScreen ? 1 : 0; },
        nullptr,
    };
};

TEST_F(ChangeCommandTest, NewChangesUpToTwentyFiveThenRefused) {
    for (int i = 1; i <= ChangeLog::kMaxChanges; ++i) Run(ChangeCommandKind::New);
    EXPECT_EQ(log.count, 25);
    EXPECT_EQ(log.Record(25).changeText, "Index 25");
    EXPECT_EQ(log.Record(25).date, "09.12.2026");
    EXPECT_EQ(listings, 25);
    EXPECT_TRUE(dialogs.transcript.empty());

    Run(ChangeCommandKind::New);
    EXPECT_EQ(log.count, 25);
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text, "Max. Änderungen = 25 !");
    EXPECT_EQ(listings, 25);
}

TEST_F(ChangeCommandTest, CancelledNewChangeAddsNothing) {
    Run(ChangeCommandKind::New);
    cancelForm = true;
    Run(ChangeCommandKind::New);
    EXPECT_TRUE(lastAbort);
    EXPECT_EQ(formNumber, 2);
    EXPECT_EQ(log.count, 1);
    EXPECT_EQ(log.Record(2).changeText, "");
}

TEST_F(ChangeCommandTest, ModifyAndDeleteWorkOnTheLastChangeOnly) {
    Run(ChangeCommandKind::Modify);
    Run(ChangeCommandKind::Delete);
    EXPECT_EQ(log.count, 0);
    EXPECT_EQ(formNumber, 0);
    EXPECT_EQ(listings, 0);
    // Without a change both say so rather than doing nothing.
    ASSERT_EQ(dialogs.Entries("box").size(), 2u);
    EXPECT_EQ(dialogs.Entries("box")[1].text, "Keine Änderung vorhanden !");

    Run(ChangeCommandKind::New);
    Run(ChangeCommandKind::New);
    log.Record(2).changeText = "typed";
    Run(ChangeCommandKind::Modify);
    EXPECT_EQ(formNumber, 2);
    EXPECT_EQ(log.Record(2).changeText, "Index 2");

    Run(ChangeCommandKind::Delete);
    Run(ChangeCommandKind::Delete);
    EXPECT_EQ(log.count, 0);
    // Deleting the only change still lists the (now empty) log.
    EXPECT_EQ(listings, 5);
    Run(ChangeCommandKind::New);
    EXPECT_EQ(log.Record(1).changeText, "Index 1");
}

TEST(Documentation, InitialStateAndNewCase) {
    TitleData title;
    ChangeLog changes;
    DrawingInfo info;
    InitDocumentation(title, changes, info, "09.12.2026");
    EXPECT_EQ(info.rows[kRowBearb].date, "09.12.2026");
    EXPECT_EQ(info.rows[kRowGepr].date, "09.12.2026");
    EXPECT_EQ(info.rows[kRowNorm].date, "09.12.2026");
    EXPECT_EQ(info.rows[kRowRelease].date, "");
    EXPECT_EQ(info.textItemCount, 0);

    title.drawingName = "Lager";
    title.remarks = {"a", "b", "c"};
    changes.count = 3;
    info.replaces = "Z-1";
    info.rows[kRowGepr] = {"01.01.2020", "Meier"};
    info.rows[kRowBearb].name = "Huber";
    info.textItemCount = 2;
    ResetDocumentation(title, changes, info, "10.12.2026");
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(info.replaces, "");
    EXPECT_EQ(info.rows[kRowBearb].date, "10.12.2026");
    EXPECT_EQ(info.rows[kRowBearb].name, "");
    EXPECT_EQ(info.rows[kRowGepr].date, "");
    EXPECT_EQ(info.rows[kRowGepr].name, "");
    EXPECT_EQ(title.remarks[2], "");
    EXPECT_EQ(title.drawingName, "Lager");
    EXPECT_EQ(info.textItemCount, 2);
}

TEST(Documentation, TextItemRowsStopBeforeTheFirstBlankFollower) {
    std::array<std::string, 8> rows{};
    EXPECT_EQ(TextItemRowsToStore(rows), 1);  // all empty: one empty item
    rows[0] = "A";
    rows[1] = "B";
    rows[3] = "D";
    EXPECT_EQ(TextItemRowsToStore(rows), 2);
    rows[2] = "   ";
    EXPECT_EQ(TextItemRowsToStore(rows), 2);
    rows.fill("x");
    EXPECT_EQ(TextItemRowsToStore(rows), 8);
}

TEST(Documentation, StoringTheTextItemGrid) {
    DrawingInfo info;
    std::array<TextItemCells, 8> rows{};
    StoreTextItems(info, rows);
    EXPECT_EQ(info.textItemCount, 1);  // one empty item
    EXPECT_EQ(info.textItems[0].text, "");

    rows[0] = {"12,5", "abc", "3.5", "", "Oben"};
    rows[1] = {"1", "2", "3", "4", std::string(100, 'L')};
    rows[3] = {"9", "9", "9", "9", "nicht gespeichert"};
    StoreTextItems(info, rows);
    ASSERT_EQ(info.textItemCount, 2);
    EXPECT_EQ(info.textItems[0].x, 12.5L);
    EXPECT_EQ(info.textItems[0].y, 0);
    EXPECT_EQ(info.textItems[0].h, 3.5L);
    EXPECT_EQ(info.textItems[1].text.size(), 80u);
    EXPECT_EQ(info.textItems[3].text, "");
}

}  // namespace
}  // namespace trb::docs
