#include "ui/launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "temp_folder.h"

namespace trb::ui {
namespace {

class Launching : public testing::TempFolderTest {};

TEST(RecordingLauncher, RecordsProgramsAndDefaultOpens) {
    RecordingLauncher launcher;
    EXPECT_TRUE(launcher.Start("editor", {"a.txt"}));
    EXPECT_TRUE(launcher.Open("https://example.org"));
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[0].program, "editor");
    EXPECT_EQ(launcher.calls[1].program, "");
    EXPECT_EQ(launcher.calls[1].arguments, std::vector<std::string>{"https://example.org"});
}

TEST_F(Launching, ArgumentsReachTheProgramWithoutAShell) {
    ProcessLauncher launcher;
    // Shell syntax in an argument must arrive as plain characters.
    const std::string name = Path("a b;$(echo x)&.txt");
    ASSERT_TRUE(launcher.Start("touch", {name}));
    for (int i = 0; i < 200 && !std::filesystem::exists(name); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(name));
    EXPECT_EQ(FileCount(), 1u);
}

TEST(ProcessLauncher, ReportsProgramsThatCannotStart) {
    ProcessLauncher launcher;
    EXPECT_FALSE(launcher.Start("/nonexistent/program", {}));
    EXPECT_FALSE(launcher.Start("", {}));
}

}  // namespace
}  // namespace trb::ui
