#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "whole_file.h"

namespace trb::test_support {
namespace {

namespace fs = std::filesystem;

TEST(TempFolder, IsFreshUniqueAndGoneWithEverythingInItEvenUnreadableFolders) {
    fs::path first;
    {
        TempFolder folder;
        TempFolder other;
        first = folder.Path();
        EXPECT_NE(folder.Path(), other.Path());
        EXPECT_TRUE(fs::is_directory(folder.Path()));
        EXPECT_EQ(folder.FileCount(), 0u);
        EXPECT_EQ(folder.Path().parent_path(), fs::temp_directory_path());

        fs::create_directories(folder / "locked" / "inner");
        WriteWholeFile(folder.Path() / "locked" / "inner" / "file", "x");
        WriteWholeFile(folder.File("top"), "y");
        EXPECT_EQ(folder.FileCount(), 2u) << "files at any depth";
        fs::permissions(folder / "locked" / "inner", fs::perms::none);
        fs::permissions(folder / "locked", fs::perms::owner_read);
    }
    EXPECT_FALSE(fs::exists(first));
}

TEST(WholeFile, BytesGoInAndComeOutUnchanged) {
    TempFolder folder;
    const std::string bytes("a\0b\r\n\xFF", 6);
    WriteWholeFile(folder / "f", bytes);
    EXPECT_EQ(ReadWholeFile(folder / "f"), bytes);
    WriteWholeFile(folder / "f", "c");
    EXPECT_EQ(ReadWholeFile(folder / "f"), "c") << "replaced, not appended";
    EXPECT_EQ(ReadWholeFile(folder / "missing"), "");
}

}  // namespace
}  // namespace trb::test_support
