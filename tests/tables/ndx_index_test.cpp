#include "tables/ndx_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

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

// Equal keys stand in the order of their records, whatever order they were collected in.
TEST(NdxEntries, EqualKeysSortByRecordNumber) {
    std::vector<NdxEntry> characters = {{"B", 5}, {"A", 3}, {"B", 2}, {"B", 9}, {"A", 1}, {"AB", 4}};
    SortNdxEntries(characters, false);
    std::vector<std::pair<std::string, std::uint32_t>> order;
    for (const NdxEntry& e : characters) order.emplace_back(e.key, e.record);
    EXPECT_EQ(order, (std::vector<std::pair<std::string, std::uint32_t>>{
                         {"A", 1}, {"A", 3}, {"AB", 4}, {"B", 2}, {"B", 5}, {"B", 9}}));

    const auto number = [](double v) {
        std::string key(8, '\0');
        std::memcpy(key.data(), &v, 8);  // little-endian host
        return key;
    };
    std::vector<NdxEntry> numbers = {
        {number(2.5), 7}, {number(-1), 8}, {number(2.5), 1}, {number(10), 2}, {number(2.5), 4}};
    SortNdxEntries(numbers, true);
    std::vector<std::uint32_t> records;
    for (const NdxEntry& e : numbers) records.push_back(e.record);
    EXPECT_EQ(records, (std::vector<std::uint32_t>{8, 1, 4, 7, 2}));
}

// 600 records with three labels fill many pages of equal keys: the index walks them label by label
// and, within a label, in record order, in the file and when the table is navigated by it.
TEST_F(IndexTest, EqualKeysOverManyPagesKeepTheRecordOrder) {
    path = folder / "same.dbf";
    DbfTable::Create(path, {{"LABEL", 'C', 6, 0}});
    table.Open(path);
    const char* labels[] = {"beta", "alpha", "gamma"};
    for (int i = 0; i < 600; ++i) {
        table.Insert();
        table.SetFieldText(1, labels[(i * 7 + i / 5) % 3]);
        table.Post();
    }
    const auto ndx = folder / "same.ndx";
    table.IndexOn("LABEL", ndx);
    const NdxContents contents = ReadNdx(ReadWholeFile(ndx));
    ASSERT_EQ(contents.entries.size(), 600u);
    ASSERT_GT(ReadWholeFile(ndx).size(), 4 * kNdxPageSize) << "the keys fill several pages";
    for (std::size_t i = 1; i < contents.entries.size(); ++i) {
        const NdxEntry& p = contents.entries[i - 1];
        const NdxEntry& e = contents.entries[i];
        ASSERT_TRUE(p.key < e.key || (p.key == e.key && p.record < e.record))
            << "entry " << i << ": " << p.key << " " << p.record << ", " << e.key << " " << e.record;
    }

    table.SetIndexTo(ndx);
    std::vector<int> visited;
    for (table.First(); !table.Eof(); table.Next()) visited.push_back(table.RecNo());
    ASSERT_EQ(visited.size(), 600u);
    for (std::size_t i = 0; i < visited.size(); ++i)
        EXPECT_EQ(visited[i], static_cast<int>(contents.entries[i].record)) << "position " << i;
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
