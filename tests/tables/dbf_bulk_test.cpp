#include <gtest/gtest.h>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "temp_folder.h"

namespace trb::tables {
namespace {

void AddPart(DbfTable& t, const std::string& name, double size, bool flag) {
    t.Insert();
    t.SetFieldText(1, name);
    t.SetFieldNumber(2, size);
    t.SetFieldLogical(3, flag);
    t.Post();
}

class BulkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = folder / "parts.dbf";
        DbfTable::Create(
            path, {{"NAME", 'C', 20, 0}, {"SIZE", 'N', 9, 3}, {"FLAG", 'L', 1, 0}, {"MADE", 'D', 8, 0}});
        table.Open(path);
        AddPart(table, "Buchse \"Typ A\", gro\xE1", 12.5, true);
        AddPart(table, "Welle", 120, false);
        AddPart(table, "Lager", 0.001, true);
    }
    TempFolder folder;
    std::filesystem::path path;
    DbfTable table;
};

TEST_F(BulkTest, PackRemovesDeletedRecordsAndShrinksTheFile) {
    table.Go(2);
    table.Delete();
    const auto before = std::filesystem::file_size(path);
    table.Pack();
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.Peek(1, 1), "Buchse \"Typ A\", gro\xE1");
    EXPECT_EQ(table.Peek(2, 1), "Lager");
    EXPECT_EQ(std::filesystem::file_size(path), before - 39 /* one record of 39 bytes */);
    table.Close();
    table.Open(path);
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(ReadBytes(path).back(), '\x1A');
}

TEST_F(BulkTest, PackKeepsMemosAndTheActiveIndex) {
    const auto memoTable = folder / "memo.dbf";
    DbfTable::Create(memoTable, {{"KEY", 'N', 4, 0}, {"NOTE", 'M', 10, 0}});
    DbfTable t;
    t.Open(memoTable);
    for (int i = 5; i >= 1; --i) {
        t.Insert();
        t.SetFieldNumber(1, i);
        t.SetMemoText(2, "note " + std::to_string(i));
        t.Post();
    }
    const auto ndx = folder / "memo.ndx";
    t.IndexOn("KEY", ndx);
    t.SetIndexTo(ndx);
    ASSERT_TRUE(t.ALock());  // an append lock held while packing survives it
    t.Go(2);
    t.Delete();
    t.Pack();
    ASSERT_EQ(t.RecordCount(), 4);
    std::vector<std::string> notes;
    for (t.First(); !t.Eof(); t.Next()) notes.push_back(t.MemoText(2));
    EXPECT_EQ(notes, (std::vector<std::string>{"note 1", "note 2", "note 3", "note 5"}));
    t.AppendRec();
    t.UnLock();
    EXPECT_EQ(t.RecordCount(), 5);
}

TEST_F(BulkTest, MovingAwayPostsAPendingEdit) {
    table.Go(1);
    table.SetFieldText(1, "changed");
    EXPECT_EQ(table.State(), DbfTable::BufferState::Edit);
    table.Next();
    EXPECT_EQ(table.Peek(1, 1), "changed");
    table.SetFieldText(1, "dropped");
    table.Cancel();
    EXPECT_EQ(table.Peek(2, 1), "Welle");
}

TEST_F(BulkTest, DelimitedTextRoundTrip) {
    table.Go(1);
    table.SetFieldText(4, "20240229");
    table.Post();
    const auto text = folder / "parts.txt";
    table.CopyToDelimited(text);
    const std::string expectedStart =
        "\"Buchse \"\"Typ A\"\", gro\xE1\",12.500,T,20240229\r\n\"Welle\",120.000,F,";
    EXPECT_EQ(ReadBytes(text).substr(0, expectedStart.size()), expectedStart);

    const auto copy = folder / "copy.dbf";
    DbfTable::Create(copy,
                     {{"NAME", 'C', 20, 0}, {"SIZE", 'N', 9, 3}, {"FLAG", 'L', 1, 0}, {"MADE", 'D', 8, 0}});
    DbfTable other;
    other.Open(copy);
    other.AppendFromDelimited(text);
    ASSERT_EQ(other.RecordCount(), 3);
    for (int r = 1; r <= 3; ++r)
        for (int f = 1; f <= 4; ++f) EXPECT_EQ(other.Peek(r, f), table.Peek(r, f)) << r << "/" << f;
}

TEST_F(BulkTest, DelimitedImportToleratesShortAndOddLines) {
    const auto text = folder / "in.txt";
    WriteBytes(text, "\"only a name\"\n\n  7.25 ,\"x\",T\r\n\"too many\",1,F,20000101,extra\n\x1A");
    table.AppendFromDelimited(text);
    ASSERT_EQ(table.RecordCount(), 6);
    EXPECT_EQ(table.Peek(4, 1), "only a name");
    EXPECT_EQ(table.Peek(4, 2), "         ");
    EXPECT_EQ(table.Peek(5, 1), "7.25");
    EXPECT_EQ(table.Peek(5, 2), "    0.000");  // "x" is no number
    EXPECT_EQ(table.Peek(6, 4), "20000101");
}

TEST_F(BulkTest, AppendFromMatchesFieldsByNameAndSkipsDeleted) {
    const auto source = folder / "source.dbf";
    DbfTable::Create(source,
                     {{"SIZE", 'N', 6, 1}, {"OTHER", 'C', 5, 0}, {"name", 'C', 30, 0}, {"NOTE", 'M', 10, 0}});
    {
        DbfTable s;
        s.Open(source);
        s.Insert();
        s.SetFieldText(1, "45.5");
        s.SetFieldText(3, "from elsewhere");
        s.Post();
        s.Insert();
        s.SetFieldText(3, "deleted one");
        s.Post();
        s.Delete();
    }
    table.AppendFrom(source);
    ASSERT_EQ(table.RecordCount(), 4);
    EXPECT_EQ(table.Peek(4, 1), "from elsewhere");
    EXPECT_EQ(table.Peek(4, 2), "   45.500");
    EXPECT_EQ(table.Peek(4, 3), "F");
    // Appending a table to itself would release this process's locks; it is refused.
    EXPECT_THROW(table.AppendFrom(path), DbfError);
}

}  // namespace
}  // namespace trb::tables
