// Damaged files must give one of the engine's errors, never a crash or a wrong table.
#include <gtest/gtest.h>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "tables/ndx_index.h"
#include "temp_folder.h"
#include "whole_file.h"

namespace trb::tables {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;
using test_support::WriteWholeFile;

class BadInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = folder / "t.dbf";
        DbfTable::Create(path, {{"NAME", 'C', 10, 0}, {"SIZE", 'N', 8, 2}, {"NOTE", 'M', 10, 0}});
        DbfTable t;
        t.Open(path);
        for (int i = 0; i < 3; ++i) {
            t.Insert();
            t.SetFieldText(1, "row" + std::to_string(i));
            t.SetMemoText(3, "memo " + std::to_string(i));
            t.Post();
        }
        good = ReadWholeFile(path);
    }
    DbfErrorCode OpenError(const std::string& bytes) {
        WriteWholeFile(path, bytes);
        DbfTable t;
        try {
            t.Open(path);
            for (int r = 1; r <= t.RecordCount(); ++r) t.Peek(r, 1);
        } catch (const DbfError& e) {
            return e.Code();
        }
        return DbfErrorCode::Unknown;
    }
    TempFolder folder;
    std::filesystem::path path;
    std::string good;
};

TEST_F(BadInputTest, TruncatedTables) {
    EXPECT_EQ(OpenError(""), DbfErrorCode::NotDbase);
    EXPECT_EQ(OpenError(good.substr(0, 20)), DbfErrorCode::NotDbase);
    EXPECT_EQ(OpenError(good.substr(0, 70)), DbfErrorCode::UnexpectedEof);  // descriptors cut short
    // Records cut off: the complete ones are read.
    WriteWholeFile(path, good.substr(0, good.size() - 20));
    DbfTable t;
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.Peek(2, 1), "row1");
}

TEST_F(BadInputTest, CorruptHeaders) {
    std::string bytes = good;
    bytes[0] = 0x30;  // a Visual FoxPro table
    EXPECT_EQ(OpenError(bytes), DbfErrorCode::NotDbase);
    bytes = good;
    bytes[32 + 11] = 'B';  // unknown field type
    EXPECT_EQ(OpenError(bytes), DbfErrorCode::FormatNotSupported);
    bytes = good;
    bytes[10] = 5;  // record length smaller than the fields
    bytes[11] = 0;
    EXPECT_EQ(OpenError(bytes), DbfErrorCode::NotDbase);
    bytes = good;
    bytes[0] = static_cast<char>(0x8B);  // dBase IV with memo
    EXPECT_EQ(OpenError(bytes), DbfErrorCode::Dbase4Memo);
    bytes = good;
    bytes[4] = bytes[5] = bytes[6] = bytes[7] = static_cast<char>(0xFF);  // oversized record count
    WriteWholeFile(path, bytes);
    DbfTable t;
    t.Open(path);
    EXPECT_EQ(t.RecordCount(), 3);
}

TEST_F(BadInputTest, MissingOrDamagedMemoFile) {
    auto memo = path;
    memo.replace_extension(".dbt");
    const std::string memoBytes = ReadWholeFile(memo);
    std::filesystem::remove(memo);
    EXPECT_EQ(OpenError(good), DbfErrorCode::FileNotFound);

    WriteWholeFile(memo, memoBytes.substr(0, 600));  // memos 2 and 3 cut off
    DbfTable t;
    t.Open(path);
    EXPECT_EQ(t.MemoText(3), "memo 0");
    t.Go(3);
    try {
        t.MemoText(3);
        FAIL();
    } catch (const DbfError& e) {
        EXPECT_EQ(e.Code(), DbfErrorCode::InvalidMemoAddress);
    }
    // A garbage block number in the table.
    t.Close();
    std::string bytes = good;
    const std::size_t memoField = 32 * 4 + 1 + 1 + 10 + 8;
    bytes.replace(memoField, 10, "   12x4567");
    WriteWholeFile(path, bytes);
    WriteWholeFile(memo, memoBytes);
    t.Open(path);
    EXPECT_THROW(t.SField(3), DbfError);
    EXPECT_EQ(t.SField(1), "row0");
}

TEST_F(BadInputTest, CorruptIndexFiles) {
    DbfTable t;
    t.Open(path);
    const auto ndx = folder / "t.ndx";
    t.IndexOn("NAME", ndx);
    const std::string index = ReadWholeFile(ndx);
    auto errorOf = [&](const std::string& bytes) {
        try {
            ReadNdx(bytes);
        } catch (const DbfError& e) {
            return e.Code();
        }
        return DbfErrorCode::Unknown;
    };
    EXPECT_EQ(errorOf(index.substr(0, 100)), DbfErrorCode::UnexpectedEof);
    EXPECT_EQ(errorOf(index.substr(0, 512)), DbfErrorCode::CorruptIndex);  // root page missing
    std::string bytes = index;
    bytes[16] = 7;  // key type
    EXPECT_EQ(errorOf(bytes), DbfErrorCode::WrongIndexVersion);
    bytes = index;
    bytes[512 + 4] = 1;  // a leaf entry pointing to the root itself: a loop
    EXPECT_EQ(errorOf(bytes), DbfErrorCode::CorruptIndex);
    bytes = index;
    std::swap(bytes[512 + 4 + 8 + 3], bytes[512 + 4 + 20 + 8 + 3]);  // keys out of order
    EXPECT_EQ(errorOf(bytes), DbfErrorCode::CorruptIndex);
    bytes = index;
    bytes[512] = static_cast<char>(0xFF);  // more keys than a page holds
    EXPECT_EQ(errorOf(bytes), DbfErrorCode::CorruptIndex);
    // A record number beyond the table is refused when the index is opened.
    bytes = index;
    bytes[512 + 4 + 4] = 9;
    WriteWholeFile(ndx, bytes);
    EXPECT_THROW(t.SetIndexTo(ndx), DbfError);
    EXPECT_THROW(t.SetIndexTo(folder / "missing.ndx"), DbfError);
}

// Links planted beside the files the engine writes (under the old fixed temporary names and under
// the write check's name) never lead a write outside the folder: creating a table with its memo
// file, building an index, writing a delimited copy and the write check leave the files they point
// to as they were.
TEST_F(BadInputTest, PlantedLinksBesideWrittenFilesAreNeverWrittenThrough) {
    TempFolder outside;
    const std::vector<std::string> written = {"printout.dbf", "printout.dbt", "t.ndx", "t.txt"};
    for (const std::string& name : written) {
        WriteWholeFile(outside / (name + ".victim"), "keep");
        std::filesystem::create_symlink(outside / (name + ".victim"), folder / (name + ".$$$"));
    }
    DbfTable::Create(folder / "printout.dbf", {{"NAME", 'C', 10, 0}, {"NOTE", 'M', 10, 0}});
    DbfTable t;
    t.Open(path);
    t.IndexOn("NAME", folder / "t.ndx");
    t.CopyToDelimited(folder / "t.txt");
    for (const std::string& name : written) {
        EXPECT_EQ(ReadWholeFile(outside / (name + ".victim")), "keep") << name;
        EXPECT_TRUE(std::filesystem::is_symlink(folder / (name + ".$$$"))) << name;
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / name)) << name;
    }
    EXPECT_EQ(ReadWholeFile(folder / "t.txt").substr(0, 6), "\"row0\"");
}

}  // namespace
}  // namespace trb::tables
