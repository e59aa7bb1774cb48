#include <gtest/gtest.h>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "temp_folder.h"
#include "whole_file.h"

namespace trb::tables {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;
using test_support::WriteWholeFile;

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
    EXPECT_EQ(ReadWholeFile(path).back(), '\x1A');
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
    EXPECT_EQ(ReadWholeFile(text).substr(0, expectedStart.size()), expectedStart);

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

TEST_F(BulkTest, DelimitedImportTakesBlankValuesAndTheEndMark) {
    const auto text = folder / "in.txt";
    WriteWholeFile(text,
                   "\"only a name\",,,\n\n  \"7.25\" , 3,t ,20000101\r\n\x1A garbage after the end mark");
    table.AppendFromDelimited(text);
    ASSERT_EQ(table.RecordCount(), 5);
    EXPECT_EQ(table.Peek(4, 1), "only a name");
    EXPECT_EQ(table.Peek(4, 2), "         ");
    EXPECT_EQ(table.Peek(5, 1), "7.25");
    EXPECT_EQ(table.Peek(5, 2), "    3.000");
    EXPECT_EQ(table.Peek(5, 3), "T");
    EXPECT_EQ(table.Peek(5, 4), "20000101");
}

// A file that does not fit the table is refused as a whole, naming the line, and the table stays
// exactly as it was.
TEST_F(BulkTest, DelimitedImportRefusesMalformedFilesWhole) {
    const std::string before = ReadWholeFile(path);
    const auto text = folder / "in.txt";
    const auto refusal = [&](const std::string& content) {
        WriteWholeFile(text, "\"good\",1,T,20000101\r\n" + content);
        try {
            table.AppendFromDelimited(text);
        } catch (const DbfError& e) {
            EXPECT_EQ(e.Code(), DbfErrorCode::BadTextFile);
            EXPECT_EQ(ReadWholeFile(path), before) << content;
            EXPECT_EQ(table.RecordCount(), 3);
            EXPECT_EQ(e.Detail(), text.string());
            return e.Note();
        }
        ADD_FAILURE() << "accepted: " << content;
        return std::string();
    };
    EXPECT_EQ(refusal("\"short\",1\r\n"), "Zeile 2: 2 statt 4 Werte");
    EXPECT_EQ(refusal("\"long\",1,T,20000101,5\r\n"), "Zeile 2: 5 statt 4 Werte");
    EXPECT_EQ(refusal("\"open,1,T,20000101\r\n"), "Zeile 2: Anf\x81hrungszeichen nicht geschlossen");
    EXPECT_EQ(refusal("\"a\"b,1,T,20000101\r\n"), "Zeile 2: Text nach Anf\x81hrungszeichen");
    EXPECT_EQ(refusal(std::string("\"bin\0ary\",1,T,20000101\r\n", 24)), "Zeile 2: Steuerzeichen");
    EXPECT_EQ(refusal("\"x\",abc,T,20000101\r\n"), "Zeile 2, SIZE: keine Zahl");
    EXPECT_EQ(refusal("\"x\",123456789,T,20000101\r\n"), "Zeile 2, SIZE: Zahl passt nicht ins Feld");
    EXPECT_EQ(refusal("\"x\",1,maybe,20000101\r\n"), "Zeile 2, FLAG: kein logischer Wert");
    EXPECT_EQ(refusal("\"x\",1,T,1.1.2000\r\n"), "Zeile 2, MADE: kein Datum (JJJJMMTT)");
    EXPECT_EQ(refusal("\"" + std::string(21, 'n') + "\",1,T,20000101\r\n"), "Zeile 2, NAME: Text zu lang");
    EXPECT_EQ(refusal(std::string(70000, ' ') + "\r\n"), "Zeile 2: zu lang");
    // Not a file to read at all.
    EXPECT_THROW(table.AppendFromDelimited(folder / "missing.txt"), DbfError);
    EXPECT_THROW(table.AppendFromDelimited(folder.Path()), DbfError);
    EXPECT_EQ(ReadWholeFile(path), before);
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

// A source that cannot be read completely, or with a value that does not fit, appends nothing:
// neither records nor memos.
TEST_F(BulkTest, AppendFromIsAllOrNothing) {
    const auto own = folder / "own.dbf";
    DbfTable::Create(own, {{"NAME", 'C', 4, 0}, {"SIZE", 'N', 5, 1}, {"NOTE", 'M', 10, 0}});
    DbfTable t;
    t.Open(own);
    const auto ownMemo = folder / "own.dbt";
    const std::string tableBefore = ReadWholeFile(own), memoBefore = ReadWholeFile(ownMemo);

    const auto source = folder / "src.dbf";
    DbfTable::Create(source, {{"NAME", 'C', 4, 0}, {"SIZE", 'N', 8, 1}, {"NOTE", 'M', 10, 0}});
    {
        DbfTable s;
        s.Open(source);
        for (const char* size : {"1.5", "123456.0"}) {
            s.Insert();
            s.SetFieldText(1, "ab");
            s.SetFieldText(2, size);
            s.SetMemoText(3, "a memo that must not be written");
            s.Post();
        }
    }
    try {
        t.AppendFrom(source);
        FAIL() << "a size of 123456.0 does not fit N(5,1)";
    } catch (const DbfError& e) {
        EXPECT_EQ(e.Code(), DbfErrorCode::OutOfRange);
        EXPECT_EQ(e.Detail(), source.string());
        EXPECT_EQ(e.Note(), "Satz 2, SIZE");
    }
    EXPECT_EQ(ReadWholeFile(own), tableBefore);
    EXPECT_EQ(ReadWholeFile(ownMemo), memoBefore);

    // The source's memo file cut short: its second memo cannot be read.
    const auto sourceMemo = folder / "src.dbt";
    WriteWholeFile(sourceMemo, ReadWholeFile(sourceMemo).substr(0, 1024));
    std::string bytes = ReadWholeFile(source);
    bytes.replace(bytes.size() - 1 - 23 + 5, 8, "     1.0");  // record 2 (23 bytes) fits now
    WriteWholeFile(source, bytes);
    try {
        t.AppendFrom(source);
        FAIL() << "the second memo lies beyond the memo file";
    } catch (const DbfError& e) {
        EXPECT_EQ(e.Code(), DbfErrorCode::InvalidMemoAddress);
    }
    EXPECT_EQ(ReadWholeFile(own), tableBefore);
    EXPECT_EQ(ReadWholeFile(ownMemo), memoBefore);
}

}  // namespace
}  // namespace trb::tables
