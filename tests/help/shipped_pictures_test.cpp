// Every shipped help picture, drawn through the drawing output driver into a DXF file, is read
// back with ezdxf and compared with hp2xx's rendering of the HP-GL/2 file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "graphics/driver.h"
#include "graphics/graphics_window.h"
#include "help/help_picture.h"
#include "help/picture_list.h"
#include "run_program.h"
#include "temp_folder.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace trb::help {
namespace {

namespace fs = std::filesystem;
const std::string kData = std::string(TRB_SOURCE_DATA_DIR) + "/";

class ShippedPicturesTest : public ::testing::Test {
  protected:
    ShippedPicturesTest() {
        settings_.tempFolder = folder_.string();
        settings_.cadFolder = folder_.string();
        driver_ = std::make_unique<graphics::Driver>(
            graphics::DriverContext{window_, dialogs_, launcher_, status_, abort_}, settings_);
        driver_->SetBatchMode(true);
    }
    ~ShippedPicturesTest() override { driver_.reset(); }

    test_support::TempFolder temp_;
    fs::path folder_ = temp_.Path();
    graphics::DriverSettings settings_;
    graphics::GraphicsWindow window_;
    ui::ScriptedDialogs dialogs_;
    ui::RecordingLauncher launcher_;
    core::RunStatus status_;
    bool abort_ = false;
    std::unique_ptr<graphics::Driver> driver_;
};

TEST_F(ShippedPicturesTest, ListNamesAtLeastTwelvePicturesThatExist) {
    const PictureList list = ReadPictureList(kData + kPictureListName);
    EXPECT_FALSE(list.malformed);
    EXPECT_GE(list.entries.size(), 12u);
    for (const PictureEntry& e : list.entries) {
        EXPECT_LE(e.name.size(), 8u) << e.name;
        EXPECT_LE(e.description.size(), 50u) << e.description;
        EXPECT_TRUE(fs::is_regular_file(PicturePath(kData, e.name))) << e.name;
    }
}

TEST_F(ShippedPicturesTest, EveryPictureReadsTheSameInEzdxfAndHp2xx) {
    const PictureList list = ReadPictureList(kData + kPictureListName);
    std::vector<std::string> pairs{TRB_CHECK_PICTURE};
    for (const PictureEntry& e : list.entries) {
        SCOPED_TRACE(e.name);
        driver_->SetCaseFile((folder_ / (e.name + ".trb")).string());
        DrawHelpPicture(*driver_, dialogs_, graphics::kDeviceDxf, kData, e.name);
        ASSERT_FALSE(abort_);
        const fs::path dxf = folder_ / (e.name + ".dxf");
        ASSERT_TRUE(fs::exists(dxf));
        pairs.insert(pairs.end(), {dxf.string(), PicturePath(kData, e.name)});
    }
    EXPECT_TRUE(dialogs_.Entries("box").empty());
    const test_support::ProgramRun run =
        test_support::RunProgram(TRB_PYTHON, pairs, test_support::MergedErrors());
    const std::string& report = run.output;
    EXPECT_EQ(run.exitCode, 0) << report;
    std::size_t lines = 0;
    for (std::size_t at = report.find(" errors 0\n"); at != std::string::npos;
         at = report.find(" errors 0\n", at + 1))
        ++lines;
    EXPECT_EQ(lines, list.entries.size()) << report;
}

TEST_F(ShippedPicturesTest, ThePictureOfAHelpEntryFillsTheScreenAreaAndUnreadableFilesAreReported) {
    DrawHelpPicture(*driver_, dialogs_, graphics::kDeviceScreen, kData, "waerme2");
    EXPECT_GT(window_.List().Size(), 100u);
    const graphics::View& view = window_.CurrentView();
    EXPECT_EQ(view.xmax - view.xmin, 160);
    EXPECT_EQ(view.ymax - view.ymin, 120);

    DrawHelpPicture(*driver_, dialogs_, graphics::kDeviceScreen, kData, "gibtsnicht");
    EXPECT_TRUE(dialogs_.Entries("box").empty()) << "a missing picture draws nothing, silently";
    fs::create_directories(folder_ / "ordner.plt");
    DrawHelpPicture(*driver_, dialogs_, graphics::kDeviceScreen, folder_.string(), "ordner");
    ASSERT_EQ(dialogs_.Entries("box").size(), 1u) << "a folder named like a picture";
}

}  // namespace
}  // namespace trb::help
