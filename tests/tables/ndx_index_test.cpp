#include "tables/ndx_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "temp_folder.h"
#include "whole_file.h"

namespace trb::tables {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;

double NumericKey(const std::string& key) {
    double v = 0;
    std::memcpy(&v, key.data(), 8);  // little-endian host
    return v;
}

class IndexTest : public ::testing::Test {
  protected:
    void Fill(int count) {
        path = folder / "din.dbf";
        DbfTable::Create(path,
                         {{"D1", 'N', 6, 1}, {"D2", 'N', 6, 1}, {"B", 'N', 6, 1}, {"LABEL", 'C', 6, 0}});
        table.Open(path);
        std::mt19937 random(7);
        for (int i = 0; i < count; ++i) {
            table.Insert();
            table.SetFieldNumber(1, static_cast<int>(random() % 50) * 2 + 4);
            table.SetFieldNumber(2, static_cast<int>(random() % 20) + 10);
            table.SetFieldNumber(3, static_cast<int>(random() % 30) + 5);
            table.SetFieldText(4, std::to_string(random() % 1000));
            table.Post();
        }
    }
    TempFolder folder;
    std::filesystem::path path;
    DbfTable table;
};

// A key of 5 characters takes 16 bytes per entry (key + 8 for the page and record numbers, rounded
// up to 4): the file dBase III keeps for a character index on NAME with three records.
TEST(NdxLayout, MatchesTheDbaseFileByteForByte) {
    const std::string golden = ReadWholeFile(std::filesystem::path(TRB_TEST_DATA_DIR) / "name5.ndx");
    ASSERT_EQ(golden.size(), 1024u);
    std::vector<NdxEntry> entries = {{"CC   ", 3}, {"AAAAA", 2}, {"BBB  ", 1}};
    SortNdxEntries(entries, false);
    EXPECT_TRUE(BuildNdx("NAME", false, 5, entries) == golden) << "the index differs from the dBase layout";

    const NdxContents read = ReadNdx(golden);
    EXPECT_EQ(read.expression, "NAME");
    EXPECT_EQ(read.keyLength, 5);
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries[0].key, "AAAAA");
    EXPECT_EQ(read.entries[0].record, 2u);
    EXPECT_EQ(read.entries[2].key, "CC   ");
    EXPECT_EQ(read.entries[2].record, 3u);
}

// The bushing sort: bore, then outer diameter, then width. Walking the tree must give every
// record exactly once, in ascending key order, over several levels of pages.
TEST_F(IndexTest, CombinedNumericKeyOrdersByTheTreeWalk) {
    Fill(2000);
    const auto ndx = folder / "din.ndx";
    table.IndexOn("D1*10000+D2*100+B", ndx);
    const std::string bytes = ReadWholeFile(ndx);
    ASSERT_EQ(bytes.size() % kNdxPageSize, 0u);
    const NdxContents contents = ReadNdx(bytes);
    EXPECT_TRUE(contents.numeric);
    EXPECT_EQ(contents.expression, "D1*10000+D2*100+B");
    ASSERT_EQ(contents.entries.size(), 2000u);
    std::vector<bool> seen(2001, false);
    for (std::size_t i = 0; i < contents.entries.size(); ++i) {
        const NdxEntry& e = contents.entries[i];
        ASSERT_FALSE(seen[e.record]);
        seen[e.record] = true;
        table.Go(static_cast<int>(e.record));
        const double expected = std::stod(table.SField(1)) * 10000 + std::stod(table.SField(2)) * 100 +
                                std::stod(table.SField(3));
        EXPECT_DOUBLE_EQ(NumericKey(e.key), expected);
        if (i > 0) {
            const NdxEntry& p = contents.entries[i - 1];
            ASSERT_TRUE(NumericKey(p.key) < NumericKey(e.key) ||
                        (NumericKey(p.key) == NumericKey(e.key) && p.record < e.record));
        }
    }
    // More than one level: the root is a branch page.
    const std::uint32_t root =
        static_cast<unsigned char>(bytes[0]) | (static_cast<unsigned char>(bytes[1]) << 8);
    const char* rootPage = bytes.data() + root * kNdxPageSize;
    EXPECT_NE(rootPage[4] | rootPage[5], 0);
}

TEST_F(IndexTest, SetIndexToOrdersNavigationAndFollowsChanges) {
    Fill(40);
    const auto ndx = folder / "label.ndx";
    table.IndexOn("label", ndx);
    table.SetIndexTo(ndx);
    std::string previous;
    int visited = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        const std::string key = table.Peek(table.RecNo(), 4);
        EXPECT_LE(previous, key);
        previous = key;
        ++visited;
    }
    EXPECT_EQ(visited, 40);

    // A new record with the smallest key comes first; the index file itself was rebuilt.
    table.Insert();
    table.SetFieldText(4, "!first");
    table.Post();
    table.First();
    EXPECT_EQ(table.RecNo(), 41);
    EXPECT_EQ(ReadNdx(ReadWholeFile(ndx)).entries.size(), 41u);

    table.SetIndexTo({});
    table.First();
    EXPECT_EQ(table.RecNo(), 1);
}

TEST_F(IndexTest, EmptyTableAndBadExpressions) {
    Fill(0);
    const auto ndx = folder / "e.ndx";
    table.IndexOn("D1", ndx);
    table.SetIndexTo(ndx);
    table.First();
    EXPECT_EQ(table.RecNo(), 0);
    EXPECT_THROW(table.IndexOn("NOFIELD", ndx), DbfError);
    EXPECT_THROW(table.IndexOn("D1*", ndx), DbfError);
    EXPECT_THROW(table.IndexOn("LABEL+D1", ndx), DbfError);
    EXPECT_THROW(table.IndexOn("(D1+D2", ndx), DbfError);
    table.IndexOn("(D1+D2)*2", ndx);
}

TEST_F(IndexTest, AnIndexOfAnotherTableIsRefused) {
    Fill(5);
    const auto otherPath = folder / "other.dbf";
    DbfTable::Create(otherPath, {{"X", 'C', 3, 0}});
    DbfTable other;
    other.Open(otherPath);
    const auto ndx = folder / "other.ndx";
    other.IndexOn("X", ndx);
    EXPECT_THROW(table.SetIndexTo(ndx), DbfError);
    EXPECT_FALSE(table.HasIndex());
}

}  // namespace
}  // namespace trb::tables
