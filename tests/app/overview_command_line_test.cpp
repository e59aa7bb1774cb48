#include <gtest/gtest.h>

#include "app/command_line.h"

namespace trb::app {
namespace {

TEST(OverviewCommandLine, FolderIsOptionalAndTheOptionMayBeSpelledInAnyCase) {
    auto line = parseCommandLine({"/OVERVIEW"});
    ASSERT_TRUE(std::holds_alternative<OverviewBatch>(line.mode));
    EXPECT_EQ(std::get<OverviewBatch>(line.mode).folder, "");
    EXPECT_TRUE(IsBatchMode(line.mode));

    line = parseCommandLine({"/overview", "/home/user/cases", "/nogui"});
    ASSERT_TRUE(std::holds_alternative<OverviewBatch>(line.mode));
    EXPECT_EQ(std::get<OverviewBatch>(line.mode).folder, "/home/user/cases")
        << "an absolute path is a folder";
    EXPECT_TRUE(line.noGui);
}

TEST(OverviewCommandLine, MisplacedOrExtraArgumentsAreRefused) {
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"/OVERVIEW", "a", "b"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"/OVERVIEW", "/I"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"lager.trb", "/OVERVIEW"}).mode));
    // The case options are unchanged beside it.
    EXPECT_TRUE(std::holds_alternative<ReportBatch>(parseCommandLine({"lager.trb", "/I"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"/JSON", "lager.trb"}).mode));
}

TEST(OverviewCommandLine, TheHelpScreenShowsHowToCallIt) {
    std::string all;
    for (const auto& line : CommandLineHelpLines()) all += line + "\n";
    EXPECT_NE(all.find("trb /OVERVIEW [Folder]"), std::string::npos);
    EXPECT_LE(CommandLineHelpLines().size(), 22u);
}

}  // namespace
}  // namespace trb::app
