// Configuration and session files that are not what they should be: a FIFO, a device, a huge file,
// a line of megabytes. Each must give the defaults for what could not be read, a message, and never
// a hang or unbounded memory.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/config_file.h"

namespace trb::config {
namespace {

namespace fs = std::filesystem;

const ScreenInfo kScreen{1280, 1024, 96, 0};

class BadSettingsFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("trb_bad_config_" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                 std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "start");
        fs::create_directories(root_ / "user");
        places_ = {Folder("start"), Folder("user"), Folder("start")};
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string Folder(const char* name) const { return (root_ / name).string() + "/"; }
    std::string File(const char* folder, std::string_view name) const {
        return Folder(folder) + std::string(name);
    }

    fs::path root_;
    ConfigPlaces places_;
};

TEST_F(BadSettingsFiles, AFifoOrADeviceIsPassedOverWithAMessage) {
    ConfigSettings good;
    good.format.dateCode = 3;
    std::ofstream(File("user", kConfigFileName), std::ios::binary) << ConfigText(good);
    for (const char* kind : {"fifo", "device"}) {
        const std::string path = File("start", kConfigFileName);
        fs::remove(path);
        if (std::string(kind) == "fifo") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else {
            fs::create_symlink("/dev/zero", path);
        }
        ConfigPlaces places = places_;
        ConfigSettings s;
        bool abort = false;
        const ReadOutcome outcome = ReadConfig(s, places, kScreen, abort);
        EXPECT_TRUE(outcome.read) << kind << ": the per-user file is read instead";
        EXPECT_FALSE(abort);
        EXPECT_EQ(places.configFolder, Folder("user")) << kind << ": saving never replaces the odd file";
        EXPECT_EQ(s.format.dateCode, 3) << kind;
        EXPECT_NE(outcome.problem.find("keine normale Datei"), std::string::npos) << kind << outcome.problem;
    }
    // Without the per-user file: defaults, the abort flag, the message.
    fs::remove(File("user", kConfigFileName));
    ConfigPlaces places = places_;
    ConfigSettings s;
    bool abort = false;
    const ReadOutcome outcome = ReadConfig(s, places, kScreen, abort);
    EXPECT_FALSE(outcome.read);
    EXPECT_TRUE(abort);
    EXPECT_EQ(s.zoomFactor, ConfigSettings{}.zoomFactor);
    EXPECT_FALSE(outcome.problem.empty());
}

// A configuration file whose name leads nowhere (a link loop, a broken link) is passed over with a
// message that names it, as an odd file is; a file that is simply not there is no problem.
TEST_F(BadSettingsFiles, ALinkLoopOrABrokenLinkIsSaid) {
    ConfigSettings good;
    good.format.dateCode = 3;
    std::ofstream(File("user", kConfigFileName), std::ios::binary) << ConfigText(good);
    const std::string path = File("start", kConfigFileName);
    for (const char* kind : {"loop", "broken", "missing"}) {
        fs::remove(path);
        fs::remove(Folder("start") + "other.cfg");
        if (std::string(kind) == "loop") {
            fs::create_symlink("other.cfg", path);
            fs::create_symlink(kConfigFileName, Folder("start") + "other.cfg");
        } else if (std::string(kind) == "broken") {
            fs::create_symlink("gone.cfg", path);
        }
        ConfigPlaces places = places_;
        ConfigSettings s;
        bool abort = false;
        const ReadOutcome outcome = ReadConfig(s, places, kScreen, abort);
        EXPECT_TRUE(outcome.read) << kind;
        EXPECT_EQ(s.format.dateCode, 3) << kind;
        if (std::string(kind) == "missing") {
            EXPECT_EQ(outcome.problem, "") << kind;
        } else {
            EXPECT_NE(outcome.problem.find(path), std::string::npos) << kind << ": " << outcome.problem;
        }
    }
    fs::remove(path);
    fs::create_symlink(kConfigFileName, path);  // a link to itself
    ConfigPlaces places = places_;
    ConfigSettings s;
    bool abort = false;
    EXPECT_NE(ReadConfig(s, places, kScreen, abort).problem.find("Too many levels of symbolic links"),
              std::string::npos);
}

TEST_F(BadSettingsFiles, AHugeFileIsReadOnlyToItsLimitAndLongLinesAreCut) {
    ConfigSettings written;
    written.cadTextStyle = "ROMANS";
    written.zoomFactor = 1.5L;
    std::string text = ConfigText(written);
    // A folder line of several megabytes in the middle of the file.
    const std::string label = "CAD Ordner\r\n";
    text.insert(text.find(label) + label.size(), std::string(3 << 20, 'x'));
    std::ofstream(File("start", kConfigFileName), std::ios::binary) << text;
    ConfigPlaces places = places_;
    ConfigSettings s;
    bool abort = false;
    const ReadOutcome outcome = ReadConfig(s, places, kScreen, abort);
    EXPECT_TRUE(outcome.read);
    EXPECT_EQ(s.cadTextStyle, "ROMANS") << "what comes before the long line is read";
    EXPECT_LE(s.cadFolder.size(), kSettingsLineLimit);
    EXPECT_EQ(s.zoomFactor, ConfigSettings{}.zoomFactor) << "what lies beyond the limit keeps its default";
    EXPECT_NE(outcome.problem.find("zu gro"), std::string::npos) << outcome.problem;
    EXPECT_NE(outcome.problem.find("gek\x81rzt"), std::string::npos) << outcome.problem;

    // Within the size limit a long line is only cut; the lines after it stay in place.
    text = ConfigText(written);
    text.insert(text.find(label) + label.size(), std::string(200000, 'y'));
    ConfigSettings cut;
    EXPECT_FALSE(ReadConfigText(text, cut, "/start/", kScreen));
    EXPECT_EQ(cut.cadFolder, std::string(kSettingsLineLimit, 'y'));
    EXPECT_EQ(cut.zoomFactor, 1.5L);
}

TEST_F(BadSettingsFiles, TheSessionFileIsReadTheSameWay) {
    const std::string path = File("start", kSessionFileName);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    std::string problem;
    EXPECT_EQ(ReadSession(Folder("start"), &problem), RecentFiles{});
    EXPECT_NE(problem.find("keine normale Datei"), std::string::npos) << problem;
    fs::remove(path);
    std::ofstream(path, std::ios::binary) << "trb Session /x/\r\n"
                                          << std::string(100000, 'n') << "\r\nb.trb\r\n";
    const RecentFiles files = ReadSession(Folder("start"), &problem);
    EXPECT_EQ(files[0].size(), kSettingsLineLimit);
    EXPECT_EQ(files[1], "b.trb");
    EXPECT_TRUE(problem.empty());
}

TEST_F(BadSettingsFiles, OnlyThePerUserFolderIsCreatedForWriting) {
    ConfigPlaces places{Folder("start"), Folder("user") + "new/trb/", Folder("user") + "new/trb/"};
    EXPECT_TRUE(PrepareConfigFolder(places));
    EXPECT_TRUE(fs::is_directory(root_ / "user" / "new" / "trb"));
    places.configFolder = Folder("start") + "elsewhere/";
    EXPECT_FALSE(PrepareConfigFolder(places));
    EXPECT_FALSE(fs::exists(root_ / "start" / "elsewhere"));
}

}  // namespace
}  // namespace trb::config
