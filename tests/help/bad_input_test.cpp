// Help files, the picture list and pictures that are FIFOs, folders, binary or far too large give a
// message at once; nothing waits for a writer or reads gigabytes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "graphics/driver.h"
#include "help/help_picture.h"
#include "help/help_text.h"
#include "help/picture_browser.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace trb::help {
namespace {

namespace fs = std::filesystem;

class BadInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("trb-help-bad-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        plt_ = folder_.string() + "/";
        start_ = std::chrono::steady_clock::now();
    }
    void TearDown() override {
        EXPECT_LT(std::chrono::steady_clock::now() - start_, std::chrono::seconds(1));
        fs::remove_all(folder_);
    }
    void Fifo(const std::string& name) { ASSERT_EQ(::mkfifo((folder_ / name).c_str(), 0600), 0); }
    // A sparse file of the given size: no disk space, but a reader that trusted it would read it all.
    void Huge(const std::string& name, off_t size) {
        const int fd = ::open((folder_ / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, size), 0);
        ::close(fd);
    }

    fs::path folder_;
    std::string plt_;
    std::chrono::steady_clock::time_point start_;
    ui::ScriptedDialogs dialogs_;
};

TEST_F(BadInputTest, HelpFilesThatAreNoTextFiles) {
    Fifo("korvane.hlp");
    EXPECT_EQ(LookupHelp(plt_, 1000).lines[0], "Datei " + plt_ + "korvane.hlp nicht gefunden !");
    fs::create_directories(folder_ / "trb.hlp");
    EXPECT_FALSE(LookupHelp(plt_, 5000).found);
    fs::remove(folder_ / "trb.hlp");
    std::ofstream(folder_ / "trb.hlp", std::ios::binary) << std::string(
        "\x00\xff\x01"
        "5000\r",
        7);
    EXPECT_EQ(LookupHelp(plt_, 5000).lines[0], "Hilfetext Nr 5000: keine Hilfe vorhanden.");
    fs::remove(folder_ / "trb.hlp");
    Huge("trb.hlp", off_t{3} << 30);
    EXPECT_FALSE(LookupHelp(plt_, 5000).found) << "only the first megabytes are looked at";
}

TEST_F(BadInputTest, PictureListAndPicturesThatAreNoTextFiles) {
    Fifo("trb.dbh");
    bool abort = false;
    std::string plt = plt_;
    PictureBrowserContext context{dialogs_, plt, [](const std::string&) {}, abort};
    struct NoView : PictureBrowserView {
        BrowserAnswer Show(const std::vector<std::string>&, int, int) override {
            ADD_FAILURE() << "no window without a list";
            return {};
        }
    } view;
    BrowseHelpPictures(context, view);
    ASSERT_EQ(dialogs_.Entries("box").size(), 1u);
    EXPECT_NE(dialogs_.Entries("box")[0].text.find("keine normale Datei"), std::string::npos);

    graphics::GraphicsWindow window;
    ui::RecordingLauncher launcher;
    core::RunStatus status;
    graphics::Driver driver({window, dialogs_, launcher, status, abort}, {});
    Fifo("fifo.plt");
    DrawHelpPicture(driver, dialogs_, graphics::kDeviceScreen, plt_, "fifo");
    Huge("huge.plt", off_t{3} << 30);
    DrawHelpPicture(driver, dialogs_, graphics::kDeviceScreen, plt_, "huge");
    ASSERT_EQ(dialogs_.Entries("box").size(), 3u);
    EXPECT_NE(dialogs_.Entries("box")[1].text.find("keine normale Datei"), std::string::npos);
    EXPECT_NE(dialogs_.Entries("box")[2].text.find("zu gro\xC3\x9F"), std::string::npos);
}

}  // namespace
}  // namespace trb::help
