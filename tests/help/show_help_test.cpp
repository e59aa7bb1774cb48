#include "help/show_help.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/scripted_dialogs.h"

namespace trb::help {
namespace {

class ShowHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = (std::filesystem::temp_directory_path() / ("trb-show-help-" + std::to_string(::getpid())))
                      .string() +
                  "/";
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ + "korvane.hlp", std::ios::binary)
            << "1000:bild\r\nFirst line\r\nsecond line\r\n1005\r\nother\r\n";
        std::ofstream(folder_ + "trb.hlp", std::ios::binary) << "5030\r\nHeat \x84nderung\r\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void Show(int number, int mode) {
        ShowHelp(
            dialogs_, folder_, number, mode, [this](const std::string& p) { pictures_.push_back(p); },
            abort_);
    }

    std::string folder_;
    ui::ScriptedDialogs dialogs_;
    std::vector<std::string> pictures_;
    bool abort_ = true;
};

TEST_F(ShowHelpTest, ModesChooseTextPictureOrBoth) {
    Show(1000, kTextOnly);
    ASSERT_EQ(dialogs_.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs_.Entries("box")[0].caption, "HILFETEXT Nr.1000");
    EXPECT_EQ(dialogs_.Entries("box")[0].text, "First line second line    ");
    EXPECT_TRUE(pictures_.empty());
    EXPECT_FALSE(abort_) << "the help clears the abort flag";

    Show(1000, kPictureOnly);
    EXPECT_EQ(dialogs_.Entries("box").size(), 1u) << "the picture mode shows no text";
    ASSERT_EQ(pictures_.size(), 1u);
    EXPECT_EQ(pictures_[0], "bild");

    Show(1000, kTextAndPicture);
    EXPECT_EQ(dialogs_.Entries("box").size(), 2u);
    EXPECT_EQ(pictures_.size(), 2u);
}

TEST_F(ShowHelpTest, NumberZeroIsTheCurrentHelpNumberAndTextsAreConverted) {
    dialogs_.SetHelpNumber(5030);
    Show(0, kTextAndPicture);
    ASSERT_EQ(dialogs_.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs_.Entries("box")[0].caption, "HILFETEXT Nr.5030");
    EXPECT_EQ(dialogs_.Entries("box")[0].text.substr(0, 14), "Heat \xC3\xA4nderung")
        << "code page 850 shown as UTF-8";
    ASSERT_EQ(pictures_.size(), 1u);
    EXPECT_EQ(pictures_[0], "NULL") << "an entry without picture still clears the window";
}

}  // namespace
}  // namespace trb::help
