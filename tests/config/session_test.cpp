#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/config_file.h"

namespace trb::config {
namespace {

TEST(Session, RoundTripsTheRecentFiles) {
    const auto folder = std::filesystem::temp_directory_path() / "trb_session_test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const RecentFiles files = {"/data/a.trb", "", "/data/c.trb", "/data/d d.trb"};
    ASSERT_EQ(WriteSession(folder.string(), "/data/", files), 0);
    std::ifstream in(folder / "trb.cff", std::ios::binary);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "trb Session /data/\r");
    EXPECT_EQ(ReadSession(folder.string()), files);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

TEST(Session, MissingOrShortFilesGiveEmptyNames) {
    EXPECT_EQ(ReadSession("/nonexistent/folder/"), RecentFiles{});
    std::istringstream shortFile("trb Session /x/\r\n/x/one.trb\r\n");
    const RecentFiles files = ReadSessionFrom(shortFile);
    EXPECT_EQ(files[0], "/x/one.trb");
    EXPECT_EQ(files[1], "");
    EXPECT_EQ(files[3], "");
}

TEST(Session, AFailedWriteKeepsThePreviousFile) {
    // A folder below a regular file cannot be created, not even by root.
    const auto file = std::filesystem::temp_directory_path() / "trb_session_not_a_folder";
    std::ofstream(file) << "x";
    EXPECT_EQ(WriteSession((file / "folder/").string(), "/data/", RecentFiles{}), ENOTDIR);
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace trb::config
