#include "config/temporary_folder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace trb::config {
namespace {

namespace fs = std::filesystem;

// A fresh base folder for one test, removed afterwards.
class TemporaryFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "trb-base-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        base_ = pattern + "/";
    }
    void TearDown() override {
        RemovePrivateTemporaryFolders();
        std::error_code ignored;
        fs::remove_all(base_, ignored);
    }
    int EntriesOfBase() const {
        int n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(base_)) ++n;
        return n;
    }

    std::string base_;
};

TEST(TemporaryBase, SettingThenEnvironmentThenTmp) {
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous ? previous : "";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(TemporaryFolder(), "/var/tmp/");
    EXPECT_EQ(TemporaryFolder("  /srv/scratch "), "/srv/scratch/");
    unsetenv("TMPDIR");
    EXPECT_EQ(TemporaryFolder(), "/tmp/");
    if (previous) setenv("TMPDIR", saved.c_str(), 1);
}

TEST_F(TemporaryFolderTest, OnePrivateFolderPerBaseOnlyForTheOwner) {
    const std::string folder = PrivateTemporaryFolder(base_);
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.rfind(base_ + "trb-", 0), 0u) << folder;
    EXPECT_EQ(folder.back(), '/');
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // The same folder for every later use, however the base is written.
    EXPECT_EQ(PrivateTemporaryFolder(base_.substr(0, base_.size() - 1)), folder);
    EXPECT_EQ(EntriesOfBase(), 1);
}

TEST_F(TemporaryFolderTest, RemovedWithItsFilesAndMadeAfreshWhenGone) {
    const std::string folder = PrivateTemporaryFolder(base_);
    std::ofstream(folder + "outwin.txt") << "report";
    RemovePrivateTemporaryFolders();
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(EntriesOfBase(), 0);

    // Deleted behind the program's back, it is made again rather than written into nowhere.
    const std::string again = PrivateTemporaryFolder(base_);
    ASSERT_FALSE(again.empty());
    fs::remove_all(again);
    const std::string fresh = PrivateTemporaryFolder(base_);
    EXPECT_TRUE(fs::is_directory(fresh));
}

TEST_F(TemporaryFolderTest, AMissingBaseGivesNoFolder) {
    EXPECT_EQ(PrivateTemporaryFolder(base_ + "missing/"), "");
}

TEST_F(TemporaryFolderTest, GoneWhenTheProcessEnds) {
    const std::string parents = PrivateTemporaryFolder(base_);
    const std::string childBase = base_ + "child/";
    fs::create_directory(childBase);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child makes its own folder and ends normally; the parent's folder, inherited in the
        // child's memory, must survive the child's exit.
        const std::string own = PrivateTemporaryFolder(childBase);
        std::ofstream(own + "$$$1.txt") << "x";
        std::exit(own.empty() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(fs::is_directory(parents));
    EXPECT_TRUE(fs::is_empty(childBase));
}

// Private folders that killed runs left are removed when a run makes its own: those older than a
// day that nobody holds locked. A running process's folder is locked, however old it is.
TEST_F(TemporaryFolderTest, StaleFoldersOfKilledRunsAreRemoved) {
    const auto make = [&](const std::string& name, int hours) {
        fs::create_directory(base_ + name);
        std::ofstream(base_ + name + "/$$$1.txt") << "left";
        fs::last_write_time(base_ + name, fs::file_time_type::clock::now() - std::chrono::hours(hours));
    };
    make("trb-Ab12cD", 30);    // stale
    make("trb-young1", 2);     // perhaps a run that is still starting
    make("trb-locked", 72);    // a run that works for days
    make("trb-notone7", 72);   // not a name of ours
    make("other-Ab12cD", 72);  // nor this
    const int held = ::open((base_ + "trb-locked").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_SH), 0);
    const std::string own = PrivateTemporaryFolder(base_);
    ::close(held);
    EXPECT_FALSE(fs::exists(base_ + "trb-Ab12cD"));
    for (const char* kept : {"trb-young1", "trb-locked", "trb-notone7", "other-Ab12cD"})
        EXPECT_TRUE(fs::exists(base_ + kept + "/$$$1.txt")) << kept;

    // This process's own folder, made old, is locked and survives another process's start.
    fs::last_write_time(own, fs::file_time_type::clock::now() - std::chrono::hours(48));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RemovePrivateTemporaryFolders();  // the parent's entry is not the child's to remove
        std::exit(PrivateTemporaryFolder(base_).empty() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(fs::is_directory(own));
}

}  // namespace
}  // namespace trb::config
