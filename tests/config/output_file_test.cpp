#include "config/output_file.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace trb::config {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "trb-output-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = (folder_ / "case.trb").string();
        std::ofstream(path_, std::ios::binary) << "previous";
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Content() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string Write(const std::string& path, std::string_view text,
                      ExistingLink link = ExistingLink::WriteThrough) {
        OutputFile file;
        if (const int error = file.Create(path, link)) return "error " + std::to_string(error);
        file.Write(text);
        if (const int error = file.Commit()) return "error " + std::to_string(error);
        return file.BrokeHardLinks() ? "broke links" : "ok";
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    // A file of the given age in hours.
    void MakeOld(const fs::path& path, int hours) const {
        const auto when = fs::file_time_type::clock::now() - std::chrono::hours(hours);
        fs::last_write_time(path, when);
    }

    fs::path folder_;
    std::string path_;
};

// Saving through a symbolic link writes the file it names (also through a chain of links and a
// relative one); the links stay links.
TEST_F(OutputFileTest, ALinkedNameIsWrittenThroughToItsFile) {
    fs::create_directory(folder_ / "real");
    const fs::path real = folder_ / "real" / "case.trb";
    std::ofstream(real) << "old";
    fs::create_symlink("real/case.trb", folder_ / "first.trb");
    fs::create_symlink(folder_ / "first.trb", folder_ / "second.trb");
    EXPECT_EQ(Write((folder_ / "second.trb").string(), "new"), "ok");
    EXPECT_TRUE(fs::is_symlink(folder_ / "second.trb"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "first.trb"));
    EXPECT_EQ(Read(real), "new");
    // A work file under a fixed name replaces a link instead.
    EXPECT_EQ(Write((folder_ / "first.trb").string(), "work", ExistingLink::Replace), "ok");
    EXPECT_FALSE(fs::is_symlink(folder_ / "first.trb"));
    EXPECT_EQ(Read(real), "new");
}

TEST_F(OutputFileTest, ALinkLoopIsRefused) {
    fs::create_symlink("b.trb", folder_ / "a.trb");
    fs::create_symlink("a.trb", folder_ / "b.trb");
    EXPECT_EQ(Write((folder_ / "a.trb").string(), "x"), "error " + std::to_string(ELOOP));
}

// A write-protected file is not replaced, not even by the superuser, and keeps its content; a
// writable one keeps its permissions.
TEST_F(OutputFileTest, AWriteProtectedFileIsNotReplaced) {
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Write(path_, "new"), "error " + std::to_string(EACCES));
    EXPECT_EQ(Content(), "previous");
    EXPECT_EQ(Names(), std::vector<std::string>{"case.trb"});
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Write(path_, "new"), "ok");
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The rename gives the new content to this name only; the writer is told that the other names of a
// hard-linked file keep the previous content.
TEST_F(OutputFileTest, ReplacingAHardLinkedFileSaysSo) {
    const fs::path other = folder_ / "other.trb";
    fs::create_hard_link(path_, other);
    EXPECT_EQ(Write(path_, "new"), "broke links");
    EXPECT_EQ(Content(), "new");
    EXPECT_EQ(Read(other), "previous");
    EXPECT_EQ(Write(path_, "newer"), "ok") << "now it has one name";
}

// Something planted under a temporary name is never opened: the file gets a fresh name.
TEST_F(OutputFileTest, PlantedTemporaryNamesAreNeverWrittenThrough) {
    const fs::path outside = folder_ / "outside.txt";
    std::ofstream(outside) << "keep";
    for (const char* name : {".case.trb.$$$", "case.trb.$$$", ".case.trb.XXXXXX"})
        fs::create_symlink(outside, folder_ / name);
    EXPECT_EQ(Write(path_, "new"), "ok");
    EXPECT_EQ(Read(outside), "keep");
    EXPECT_EQ(Content(), "new");
}

// Temporary files that a killed run left are removed by the next write of that name once they are
// a day old, unless someone holds them locked; other names are left alone.
TEST_F(OutputFileTest, StaleTemporaryFilesOfTheNameAreRemoved) {
    const auto make = [&](const std::string& name, int hours) {
        std::ofstream(folder_ / name) << "left";
        MakeOld(folder_ / name, hours);
    };
    make(".case.trb.aB3dE9", 25);    // stale
    make(".case.trb.fresh1", 23);    // not a day old
    make(".case.trb.locked", 48);    // in use by a slow writer
    make(".other.trb.aB3dE9", 48);   // another file's
    make(".case.trb.toolong7", 48);  // not a temporary name
    const int held = ::open((folder_ / ".case.trb.locked").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_SH), 0);
    EXPECT_EQ(Write(path_, "new"), "ok");
    ::close(held);
    EXPECT_EQ(Names(), (std::vector<std::string>{".case.trb.fresh1", ".case.trb.locked", ".case.trb.toolong7",
                                                 ".other.trb.aB3dE9", "case.trb"}));
}

// The data must be on the disk before the new file takes the name: the sync sees the finished
// temporary file while the name still holds the previous content.
TEST_F(OutputFileTest, SyncsTheFinishedFileBeforeTheRename) {
    OutputFile file;
    int syncs = 0;
    std::string nameHeldDuringSync;
    file.UseSync([&](int descriptor) {
        ++syncs;
        nameHeldDuringSync = Content();
        return ::fsync(descriptor);
    });
    ASSERT_EQ(file.Create(path_), 0);
    ASSERT_EQ(file.Write("new content"), 0);
    EXPECT_EQ(syncs, 0);
    EXPECT_EQ(file.Commit(), 0);
    EXPECT_EQ(syncs, 1);
    EXPECT_EQ(nameHeldDuringSync, "previous");
    EXPECT_EQ(Content(), "new content");
}

TEST_F(OutputFileTest, AFailedSyncKeepsThePreviousFile) {
    OutputFile file;
    file.UseSync([](int) {
        errno = EIO;
        return -1;
    });
    ASSERT_EQ(file.Create(path_), 0);
    ASSERT_EQ(file.Write("new content"), 0);
    EXPECT_EQ(file.Commit(), EIO);
    EXPECT_EQ(Content(), "previous");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++files;
    EXPECT_EQ(files, 1) << "the temporary file is removed";
}

}  // namespace
}  // namespace trb::config
