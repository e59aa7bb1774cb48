#include "help/help_text.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace trb::help {
namespace {

class HelpTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            (std::filesystem::temp_directory_path() / ("trb-help-" + std::to_string(::getpid()))).string() +
            "/";
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void Write(const std::string& name, const std::string& content) {
        std::ofstream(folder_ + name, std::ios::binary) << content;
    }
    std::string folder_;
};

TEST_F(HelpTextTest, NumbersBelow4000ComeFromTheGeneralFile) {
    Write("korvane.hlp", "3995\r\ngeneral\r\n");
    Write("trb.hlp", "4000:bild1\r\nprogram\r\n");
    EXPECT_EQ(HelpFileFor(folder_, 3995), folder_ + "korvane.hlp");
    EXPECT_EQ(LookupHelp(folder_, 3995).lines[0], "general");
    const HelpEntry entry = LookupHelp(folder_, 4000);
    EXPECT_TRUE(entry.found);
    EXPECT_EQ(entry.lines[0], "program");
    EXPECT_EQ(entry.picture, "bild1");
    EXPECT_EQ(LookupHelp(folder_, 3995).picture, "NULL");
}

TEST_F(HelpTextTest, PlainAndNumberedLinesFillTheEntry) {
    Write("korvane.hlp",
          "Heading line\r\n"
          "1000\r\nfirst\r\nsecond\r\nthird\r\n1005\r\nnext entry\r\n"
          "1010\r\none\r\ntwo\r\n1013\r\nthree\r\n"
          "1020\r\nalone\r\n"
          "1030\r\nA\r\n1032\r\nB\r\nC\r\n");
    const HelpEntry plain = LookupHelp(folder_, 1000);
    EXPECT_EQ(plain.lines[0], "first");
    EXPECT_EQ(plain.lines[1], "second");
    EXPECT_EQ(plain.lines[2], "third");
    EXPECT_EQ(plain.lines[3], "");

    // Line 1013 supplies text line 3 (index 2) and keeps lines 1 and 2 from the lines before it.
    const HelpEntry numbered = LookupHelp(folder_, 1010);
    EXPECT_EQ(numbered.lines[0], "one");
    EXPECT_EQ(numbered.lines[1], "two");
    EXPECT_EQ(numbered.lines[2], "three");
    EXPECT_EQ(numbered.lines[3], "");
    EXPECT_EQ(GetHelpText(folder_, 1010, {}), "one two three");

    EXPECT_EQ(LookupHelp(folder_, 1020).lines[0], "alone");

    // A plain line after numbered line n+2 continues with line 3.
    const HelpEntry mixed = LookupHelp(folder_, 1030);
    EXPECT_EQ(mixed.lines[1], "B");
    EXPECT_EQ(mixed.lines[2], "C");
}

TEST_F(HelpTextTest, MissingFilesAndNumbersGiveTheirTexts) {
    EXPECT_EQ(LookupHelp(folder_, 1000).lines[0], "Datei " + folder_ + "korvane.hlp nicht gefunden !");
    Write("trb.hlp", "4000\r\nx\r\n4005\r\n");
    EXPECT_FALSE(LookupHelp(folder_, 4005).found);
    EXPECT_EQ(LookupHelp(folder_, 4010).lines[0], "Hilfetext Nr 4010: keine Hilfe vorhanden.");
    EXPECT_EQ(HelpBoxCaption(4010), "HILFETEXT Nr.4010");
}

}  // namespace
}  // namespace trb::help
