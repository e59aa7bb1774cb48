#include "tables/table_access.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "fake_table_window.h"
#include "tables/reference_tables.h"
#include "temp_folder.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"

namespace trb::tables {
namespace {

using test_support::TempFolder;
using test_support::WriteWholeFile;

class TableAccessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(dbf.Path());
        for (const char* name : {"din1850g.dbf", "h0lim.dbf", "psi_m.dbf"})
            std::filesystem::copy_file(std::filesystem::path(TRB_SOURCE_DATA_DIR) / name, dbf / name);
    }
    TableAccess Access() { return TableAccess(window, dialogs, {dbf.Path(), temp.Path(), work.Path(), {}}); }
    // Makes the write check fail in the dBase folder, also for root: its test file name is taken
    // by a folder.
    void BlockWriteCheck() { std::filesystem::create_directory(dbf / "TEST.$$$"); }

    TempFolder dbf, temp, work;
    FakeTableWindow window;
    ui::ScriptedDialogs dialogs;
    core::RunStatus status;
    bool abort = false;
};

TEST_F(TableAccessTest, BushingSelectionSortedAndRemembered) {
    auto access = Access();
    window.choose = [](DbfTable& t) { t.Go(10); };
    std::uint16_t remembered = 0;
    const auto bushing = SelectDin1850Bushing(access, remembered, status, abort);
    ASSERT_TRUE(bushing);
    EXPECT_FALSE(abort);
    EXPECT_EQ(remembered, 10);
    EXPECT_EQ(window.lastMode, kSelectionMode);
    EXPECT_EQ(window.lastView.title2, "DIN 1850 G");
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 9510);
    EXPECT_FALSE(access.IsOpen());
    EXPECT_TRUE(std::filesystem::exists(temp / "din1850g.ndx"));
    // Listed by bore, then outer diameter, then width.
    DbfTable t;
    t.Open(dbf / "din1850g.dbf");
    double previous = -1;
    ASSERT_EQ(static_cast<int>(window.order.size()), t.RecordCount());
    for (int r : window.order) {
        const double key =
            std::stod(t.Peek(r, 1)) * 10000 + std::stod(t.Peek(r, 2)) * 100 + std::stod(t.Peek(r, 3));
        EXPECT_LT(previous, key);
        previous = key;
    }
    EXPECT_EQ(bushing->bore, t.Peek(10, 1));
    EXPECT_EQ(bushing->width, t.Peek(10, 3));

    // The next selection opens on the remembered bushing; cancel keeps it and gives nothing.
    window.choose = nullptr;
    window.answerOk = false;
    EXPECT_FALSE(SelectDin1850Bushing(access, remembered, status, abort));
    EXPECT_EQ(window.startRecord, 10);
    EXPECT_EQ(remembered, 10);
    EXPECT_FALSE(abort);
}

TEST_F(TableAccessTest, RememberedRecordBeyondTheEndTakesTheLast) {
    auto access = Access();
    std::uint16_t remembered = 5000;
    window.answerOk = false;
    SelectDin1850Bushing(access, remembered, status, abort);
    DbfTable t;
    t.Open(dbf / "din1850g.dbf");
    EXPECT_EQ(window.startRecord, t.RecordCount());
    ASSERT_EQ(status.MessageCount(), 1);
    EXPECT_EQ(status.Message(1), "DBF #5000 not found.");
}

TEST_F(TableAccessTest, ReadOnlyDbfFolderWorksOnACopy) {
    BlockWriteCheck();
    auto access = Access();
    window.choose = [](DbfTable& t) { t.Go(3); };
    std::uint16_t remembered = 0;
    const auto bushing = SelectDin1850Bushing(access, remembered, status, abort);
    ASSERT_TRUE(bushing);
    EXPECT_TRUE(window.lastView.workingOnCopy);
    EXPECT_EQ(window.lastView.filePath, (temp / "din1850g.dbf").string());
    EXPECT_TRUE(std::filesystem::exists(temp / "din1850g.dbf"));

    // Editing a copy: the window is told so.
    access.ShowTableForEditing("h0lim", 1234, abort);
    EXPECT_EQ(window.lastMode, kEditingMode);
    EXPECT_TRUE(window.lastView.workingOnCopy);
    EXPECT_EQ(window.lastView.title2, "h0lim");
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 1234);
}

TEST_F(TableAccessTest, WriteProtectedDbfFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    std::filesystem::permissions(dbf.Path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    auto access = Access();
    access.OpenTable("psi_m", abort);
    EXPECT_FALSE(abort);
    EXPECT_TRUE(access.WorkingOnCopy());
    EXPECT_EQ(access.PeekText(1, 2, abort), " 1.320");
}

// A link planted under the write check's name is never written through: the file it names keeps
// its content and the table is worked on as a copy.
TEST_F(TableAccessTest, TheWriteCheckNeverWritesThroughAPlantedLink) {
    TempFolder outside;
    WriteWholeFile(outside / "victim", "keep");
    std::filesystem::create_symlink(outside / "victim", dbf / "TEST.$$$");
    auto access = Access();
    access.OpenTable("psi_m", abort);
    EXPECT_FALSE(abort);
    EXPECT_TRUE(access.WorkingOnCopy());
    EXPECT_EQ(test_support::ReadWholeFile(outside / "victim"), "keep");
    EXPECT_TRUE(std::filesystem::is_symlink(dbf / "TEST.$$$")) << "only what the check made is removed";
}

TEST_F(TableAccessTest, WriteProtectedTablesInAWritableFolder) {
    auto access = Access();
    std::filesystem::permissions(dbf / "din1850g.dbf", std::filesystem::perms::owner_read);
    // The reference table is opened in place ...
    access.OpenTable("din1850g", abort);
    EXPECT_FALSE(abort);
    EXPECT_FALSE(access.WorkingOnCopy());
    EXPECT_EQ(access.Dataset().Path(), dbf / "din1850g.dbf");
    EXPECT_FALSE(std::filesystem::exists(dbf / "TEST.$$$"));
    // ... the printout table is worked on as a writable copy.
    DbfTable::Create(dbf / "printout.dbf", PrintoutFields());
    std::filesystem::permissions(dbf / "printout.dbf", std::filesystem::perms::owner_read);
    OpenPrintoutTable(access, abort);
    EXPECT_FALSE(abort);
    EXPECT_TRUE(access.WorkingOnCopy());
    EXPECT_EQ(access.Dataset().Path(), temp / "printout.dbf");
    const auto perms = std::filesystem::status(temp / "printout.dbf").permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
    access.AppendRecord(abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(access.RecordCount(), 1);
}

TEST_F(TableAccessTest, PrintoutTableCreatedStoredAndChosen) {
    auto access = Access();
    dialogs.Reply("Plotter A3");
    PrintoutValues values;
    values.xscale = 1.25L;
    values.yorigin = -21;
    values.landscape = false;
    values.borderline = true;
    AppendPrintoutRecord(access, values, abort);
    ASSERT_FALSE(abort);
    ASSERT_TRUE(std::filesystem::exists(dbf / "printout.dbf"));  // created when missing

    int remembered = 0;
    window.choose = [](DbfTable& t) { t.Go(1); };
    const auto chosen = ChoosePrintoutRecord(access, remembered, status, abort);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(remembered, 1);
    EXPECT_EQ(chosen->xscale, "    1.2500");
    EXPECT_EQ(chosen->yorigin, "   -21");
    EXPECT_FALSE(chosen->landscape);
    EXPECT_TRUE(chosen->monochrom);
    EXPECT_TRUE(chosen->borderline);
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 1040);
    EXPECT_EQ(window.lastView.title1, "Printout");

    // A printout table in the working folder is preferred.
    DbfTable::Create(work / "printout.dbf", PrintoutFields());
    OpenPrintoutTable(access, abort);
    EXPECT_EQ(access.Dataset().Path(), work / "printout.dbf");
    EXPECT_EQ(access.RecordCount(), 0);
}

int Records(const std::filesystem::path& table) {
    DbfTable t;
    t.Open(table);
    return t.RecordCount();
}

TEST_F(TableAccessTest, SettingsTheDbaseFolderCannotTakeAreKeptInTheUsersFolder) {
    // One setting stored while the dBase folder took writes ...
    auto shared = Access();
    dialogs.Reply("Laser A4");
    AppendPrintoutRecord(shared, PrintoutValues{}, abort);
    ASSERT_FALSE(abort);
    // ... then the folder is write-protected, as an installed one is.
    BlockWriteCheck();
    TempFolder home;
    const std::filesystem::path own = home / "trb" / "printout.dbf";
    TableAccess access(window, dialogs, {dbf.Path(), temp.Path(), work.Path(), home / "trb"});
    dialogs.Reply("Plotter A3");
    PrintoutValues values;
    values.xscale = 2;
    AppendPrintoutRecord(access, values, abort);
    ASSERT_FALSE(abort);
    const auto boxes = dialogs.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Der DBF-Ordner " + dbf.Path().string() +
                                 " ist schreibgesch\xC3\xBCtzt: die Druckeinstellungen werden in " +
                                 own.string() + " gespeichert.");
    EXPECT_EQ(dialogs.statusNotes.back(), "Gespeichert: " + own.string());
    EXPECT_EQ(Records(own), 2) << "the folder's settings come along";
    EXPECT_EQ(Records(dbf / "printout.dbf"), 1);

    // The next run (a fresh temporary folder) reads them from there first and adds to them without
    // telling again.
    TempFolder nextTemp;
    TableAccess next(window, dialogs, {dbf.Path(), nextTemp.Path(), work.Path(), home / "trb"});
    int remembered = 2;
    window.choose = [](DbfTable&) {};
    const auto chosen = ChoosePrintoutRecord(next, remembered, status, abort);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->xscale, "    2.0000");
    dialogs.Reply("Plotter A1");
    AppendPrintoutRecord(next, values, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(Records(own), 3);
    EXPECT_EQ(dialogs.Entries("box").size(), 1u);

    // A dBase folder that cannot even take a new table: the settings start in the user's folder.
    TempFolder other, otherTemp;
    TableAccess fresh(window, dialogs, {dbf / "missing", otherTemp.Path(), work.Path(), other / "trb"});
    dialogs.Reply("Laser A4");
    AppendPrintoutRecord(fresh, values, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(Records(other / "trb" / "printout.dbf"), 1);
    EXPECT_EQ(dialogs.Entries("box").size(), 2u);
}

TEST_F(TableAccessTest, NamesFieldsAndFailures) {
    auto access = Access();
    access.OpenTable("h0lim.dbf", abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(access.FieldName(1), "DMAX");
    EXPECT_EQ(access.FieldName(0), "");
    EXPECT_EQ(access.FieldName(7), "");
    EXPECT_EQ(access.PeekText(3, 5, abort), "  9.0");
    EXPECT_EQ(access.PeekText(7, 5, abort), "");
    EXPECT_FALSE(abort);
    access.ReadLogical("nofield", abort);
    EXPECT_TRUE(abort);
    abort = false;

    // A name with an extension is used as it is.
    std::filesystem::copy_file(dbf / "psi_m.dbf", dbf / "psi.tab");
    access.OpenTable("psi.tab", abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(access.RecordCount(), 3);

    access.OpenTable("missing", abort);
    EXPECT_TRUE(abort);
    EXPECT_FALSE(access.IsOpen());
    ASSERT_FALSE(dialogs.Entries("box").empty());
    EXPECT_NE(dialogs.Entries("box").back().text.find("nicht gefunden oder kein Zugriffsrecht"),
              std::string::npos);

    abort = false;
    WriteWholeFile(dbf / "bad.dbf", "this is no table at all, only text that goes on");
    access.OpenTable("bad", abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(dialogs.Entries("box").back().text, "Keine dBASE-Datei : bad.dbf");
}

}  // namespace
}  // namespace trb::tables
