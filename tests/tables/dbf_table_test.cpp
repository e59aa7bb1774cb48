#include "tables/dbf_table.h"

#include <gtest/gtest.h>

#include "tables/dbf_error.h"
#include "tables/field_text.h"
#include "temp_folder.h"
#include "whole_file.h"

namespace trb::tables {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;

std::vector<DbfField> AllTypes() {
    return {{"NAME", 'C', 12, 0}, {"BORE", 'N', 8, 3},  {"RATIO", 'F', 10, 4}, {"ACTIVE", 'L', 1, 0},
            {"MADE", 'D', 8, 0},  {"NOTE", 'M', 10, 0}, {"COUNT", 'N', 5, 0}};
}

class DbfTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = folder / "parts.dbf";
        DbfTable::Create(path, AllTypes());
        table.Open(path);
    }
    TempFolder folder;
    std::filesystem::path path;
    DbfTable table;
};

TEST_F(DbfTableTest, EveryFieldTypeSurvivesWritingAndReopening) {
    table.SetFieldText(1, "Lager \x84\x94\x81");  // umlauts in code page 850
    table.SetFieldNumber(2, 120.035L);
    table.SetFieldText(3, "0,5");  // a comma counts as decimal point
    table.SetFieldLogical(4, true);
    table.SetFieldText(5, "20261209");
    table.SetMemoText(6, "a longer remark\r\nover two lines " + std::string(600, 'x'));
    table.SetFieldNumber(7, -42);
    table.AppendRec();
    table.SetFieldText(1, "second");
    table.AppendRec();
    table.Close();

    table.Open(path);
    ASSERT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.CodePage(), kCodePage850);
    EXPECT_EQ(table.SField(1), "Lager \x84\x94\x81");
    EXPECT_EQ(table.SField(2), " 120.035");
    EXPECT_EQ(table.SField(3), "    0.5000");
    EXPECT_EQ(table.SField(4), "T");
    EXPECT_TRUE(table.LogicalValue(4));
    EXPECT_EQ(table.SField(5), "20261209");
    EXPECT_EQ(table.SField(6), "MEMO");
    EXPECT_EQ(table.MemoText(6), "a longer remark\r\nover two lines " + std::string(600, 'x'));
    EXPECT_EQ(table.SField(7), "  -42");
    // The second record was appended from the buffer as it stood, with the first one's values.
    EXPECT_EQ(table.Peek(2, 1), "second");
    EXPECT_EQ(table.Peek(2, 2), " 120.035");
    EXPECT_EQ(table.Peek(2, 6), "MEMO");
    EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(DbfTableTest, BlankFieldsAndTheDecimalCharacter) {
    table.AppendRec();  // an empty table appends a blank record
    ASSERT_EQ(table.RecordCount(), 1);
    table.Go(1);
    EXPECT_EQ(table.SField(1), "");
    EXPECT_EQ(table.SField(2), "        ");
    EXPECT_EQ(table.SField(4), "F");
    EXPECT_EQ(table.SField(6), "none");
    EXPECT_EQ(table.MemoText(6), "");
    table.SetFieldNumber(2, 3.5L);
    table.Post();
    table.SetDecimalCharacter(',');
    EXPECT_EQ(table.SField(2), "   3,500");
}

TEST_F(DbfTableTest, ValuesThatDoNotFitAreRefusedNotCut) {
    EXPECT_THROW(table.SetFieldNumber(7, 123456), DbfError);
    EXPECT_THROW(table.SetFieldNumber(2, 1e4000L), DbfError);
    EXPECT_THROW(table.SetFieldNumber(1, 1), DbfError);
    EXPECT_THROW(table.SetFieldLogical(2, true), DbfError);
    table.SetFieldText(1, "a text longer than twelve");
    EXPECT_EQ(table.SField(1), "a text longe");
}

TEST_F(DbfTableTest, FieldsByNumberAndName) {
    EXPECT_EQ(table.FieldCount(), 7);
    EXPECT_EQ(table.Field(2), "BORE");
    EXPECT_EQ(table.FieldLen(1), 12);
    EXPECT_EQ(table.FieldIndex("ratio"), 3);
    EXPECT_EQ(table.FieldIndex("ACTIVEXXXXXXX"), 0);
    EXPECT_EQ(table.FieldIndex("missing"), 0);
    EXPECT_THROW(table.Field(0), DbfError);
    EXPECT_THROW(table.Field(8), DbfError);
}

TEST_F(DbfTableTest, AppendRecLeavesTheCurrentRecordAlone) {
    for (int i = 1; i <= 3; ++i) {
        table.Insert();
        table.SetFieldNumber(7, i);
        table.Post();
    }
    table.Go(2);
    table.SetFieldNumber(7, 99);
    table.AppendRec();
    EXPECT_EQ(table.RecordCount(), 4);
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(table.SField(7), "    2");  // the edit went into the new record only
    EXPECT_EQ(table.Peek(4, 7), "   99");
}

TEST_F(DbfTableTest, DeletedRecordsShownOrHidden) {
    for (const char* name : {"one", "two", "three"}) {
        table.Insert();
        table.SetFieldText(1, name);
        table.Post();
    }
    table.Go(2);
    table.Delete();
    EXPECT_TRUE(table.Deleted());

    table.SetShowDeleted(false);
    table.First();
    EXPECT_EQ(table.RecNo(), 1);
    table.Next();
    EXPECT_EQ(table.RecNo(), 3);
    table.Next();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.RecNo(), 3);

    table.SetShowDeleted(true);
    table.Prior();
    EXPECT_EQ(table.RecNo(), 2);
    table.Recall();
    table.SetShowDeleted(false);
    table.First();
    table.Next();
    EXPECT_EQ(table.RecNo(), 2);
}

TEST_F(DbfTableTest, SearchFromTheFirstRecordAndContinuing) {
    for (const char* name : {"Welle", "Buchse", "Welle lang",
                             "\x9A"
                             "berma\xE1"}) {
        table.Insert();
        table.SetFieldText(1, name);
        table.Post();
    }
    ASSERT_TRUE(table.Search("welle", true));
    EXPECT_EQ(table.RecNo(), 1);
    ASSERT_TRUE(table.Search("welle", false));
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_FALSE(table.Search("welle", false));
    EXPECT_EQ(table.RecNo(), 3);           // not found: stays
    EXPECT_TRUE(table.Search("", false));  // the empty text matches the next record
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_FALSE(table.Search("Gleitlager", true));
    EXPECT_TRUE(
        table.Search("\x81"
                     "berMA\xE1",
                     true));  // "überMAß" finds "Übermaß"
}

// Numbers as other programs store them read back in the one text form of their field.
TEST(FieldText, StoredNumbersInTheirTextForm) {
    const DbfField field{"SIZE", 'N', 8, 2};
    const auto text = [&field](std::string_view raw, char decimal = '.') {
        return FieldTextForm(field, raw, decimal);
    };
    EXPECT_EQ(text("   12.50"), "   12.50");
    EXPECT_EQ(text("   12.50", ','), "   12,50");
    EXPECT_EQ(text("  012.50"), "   12.50");  // leading zero
    EXPECT_EQ(text("12.5    "), "   12.50");  // left-aligned, one place
    EXPECT_EQ(text("    12,5"), "   12.50");  // decimal comma
    EXPECT_EQ(text("   +3.00"), "    3.00");
    EXPECT_EQ(text("   -0.00"), "    0.00");
    EXPECT_EQ(text("   -0.01"), "   -0.01");
    EXPECT_EQ(text("    0.00"), "    0.00");
    EXPECT_EQ(text("     .50"), "    0.50");
    EXPECT_EQ(text("        "), "        ");
    EXPECT_EQ(text("  abc   "), "        ");  // not a number
    EXPECT_EQ(text("1234567."), "1234567.");  // no room for the places: as stored
    const DbfField whole{"COUNT", 'N', 20, 0};
    EXPECT_EQ(FieldTextForm(whole, "  123456789012345678", '.'), "  123456789012345678");
}

// Numbers and non-numbers of the greatest length taken are read within their own characters (a field
// of 64 letters in a delimited import made the reader run past its copy of the text).
TEST(FieldText, TextsOfTheGreatestLengthAreReadWithinTheirEnd) {
    const std::string ones(64, '1');
    const std::string longer = ones + "999";
    EXPECT_EQ(ParseFieldNumber(std::string_view(longer).substr(0, 64)), ParseFieldNumber(ones));
    EXPECT_NEAR(static_cast<double>(*ParseFieldNumber(ones)), 1.111111111111111e63, 1e49);
    const std::string letters(70, 'n');
    EXPECT_FALSE(ParseFieldNumber(std::string_view(letters).substr(0, 64)));
    EXPECT_FALSE(ParseFieldNumber(std::string(64, 'i')));
    EXPECT_FALSE(ParseFieldNumber(std::string(65, '1'))) << "longer than any field";
}

// The grid's rows: every shown record in the table's order, read in blocks.
TEST_F(DbfTableTest, ShownRecordsAndSearchFollowTheOrder) {
    for (const char* name : {"delta", "alpha", "charlie 12.5", "bravo", "alpha two"}) {
        table.Insert();
        table.SetFieldText(1, name);
        table.SetFieldNumber(2, static_cast<real>(std::string_view(name).size()));
        table.Post();
    }
    table.Go(4);
    table.Delete();
    EXPECT_EQ(table.ShownRecords(), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    table.SetShowDeleted(false);
    EXPECT_EQ(table.ShownRecords(), (std::vector<std::uint32_t>{1, 2, 3, 5}));
    EXPECT_FALSE(table.Search("bravo", true));  // hidden

    const auto ndx = folder / "name.ndx";
    table.IndexOn("NAME", ndx);
    table.SetIndexTo(ndx);
    EXPECT_EQ(table.ShownRecords(), (std::vector<std::uint32_t>{2, 5, 3, 1}));
    // Searching continues in index order: "alpha" (2), "alpha two" (5), then nothing after them.
    ASSERT_TRUE(table.Search("ALPHA", true));
    EXPECT_EQ(table.RecNo(), 2);
    ASSERT_TRUE(table.Search("alpha", false));
    EXPECT_EQ(table.RecNo(), 5);
    EXPECT_FALSE(table.Search("alpha", false));
    EXPECT_EQ(table.RecNo(), 5);
    // Numeric fields are searched in their text form.
    ASSERT_TRUE(table.Search("12.000", true));
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_EQ(table.FieldText(table.RecordBytes(3), 2), "  12.000");

    table.SetShowDeleted(true);
    EXPECT_EQ(table.ShownRecords(), (std::vector<std::uint32_t>{2, 5, 4, 3, 1}));
    // Opening an index file built elsewhere reads the file itself.
    DbfTable other;
    other.Open(path);
    other.SetIndexTo(ndx);
    EXPECT_EQ(other.ShownRecords(), (std::vector<std::uint32_t>{2, 5, 4, 3, 1}));
}

TEST_F(DbfTableTest, GoOutsideTheTableAndAClosedTable) {
    table.AppendRec();
    EXPECT_THROW(table.Go(0), DbfError);
    EXPECT_THROW(table.Go(2), DbfError);
    EXPECT_THROW(table.Peek(5, 1), DbfError);
    table.Close();
    try {
        table.Go(1);
        FAIL();
    } catch (const DbfError& e) {
        EXPECT_EQ(e.Code(), DbfErrorCode::NotOpen);
    }
}

TEST(DbfTableCreate, RejectsBadFieldDefinitions) {
    TempFolder folder;
    EXPECT_THROW(DbfTable::Create(folder / "a.dbf", {{"TOOLONGNAME1", 'C', 5, 0}}), DbfError);
    EXPECT_THROW(DbfTable::Create(folder / "a.dbf", {{"X", 'Q', 5, 0}}), DbfError);
    EXPECT_THROW(DbfTable::Create(folder / "a.dbf", {{"X", 'N', 5, 5}}), DbfError);
    EXPECT_THROW(DbfTable::Create(folder / "a.dbf", {}), DbfError);
    EXPECT_FALSE(std::filesystem::exists(folder / "a.dbf"));
}

TEST(DbfTableOpen, WriteProtectedTableIsReadableButRefusesWrites) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores file permissions";
    TempFolder folder;
    const auto path = folder / "ro.dbf";
    DbfTable::Create(path, {{"A", 'C', 4, 0}});
    {
        DbfTable t;
        t.Open(path);
        t.SetFieldText(1, "abc");
        t.AppendRec();
    }
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    DbfTable t;
    t.Open(path);
    EXPECT_TRUE(t.IsReadOnly());
    EXPECT_EQ(t.SField(1), "abc");
    EXPECT_THROW(t.AppendRec(), DbfError);
    EXPECT_EQ(ReadWholeFile(path).size(), 32u + 32u + 1u + 5u + 1u);
}

}  // namespace
}  // namespace trb::tables
