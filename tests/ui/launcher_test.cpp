#include "ui/launcher.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "temp_folder_fixture.h"
#include "whole_file.h"

namespace trb::ui {
namespace {

using test_support::WriteWholeFile;

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
    EXPECT_EQ(launcher.FailureText(), "file not found: /nonexistent/program");
    EXPECT_FALSE(launcher.Start("trb-no-such-program", {"a.txt"}));
    EXPECT_EQ(launcher.FailureText(), "file not found: trb-no-such-program");
    EXPECT_FALSE(launcher.Start("", {}));
    EXPECT_FALSE(launcher.FailureText().empty());
    ASSERT_TRUE(launcher.Start("true", {}));
    EXPECT_EQ(launcher.FailureText(), "") << "a start that worked leaves no failure behind";
}

TEST_F(Launching, TellsWhyAProgramFileCannotRun) {
    namespace fs = std::filesystem;
    ProcessLauncher launcher;
    // A plain file without execute bits is refused even for the superuser.
    const std::string text = Path("notes.txt");
    WriteWholeFile(text, "#!/bin/sh\nexit 0\n");
    fs::permissions(text, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(launcher.Start(text, {}));
    EXPECT_EQ(launcher.FailureText(), "not executable: " + text);
    // A folder is no program either.
    EXPECT_FALSE(launcher.Start(Folder(), {}));
    EXPECT_EQ(launcher.FailureText(), "not executable: " + Folder());
    // A program whose execute bits are there but not for this user: access is refused.
    const std::string other = Path("others-only");
    WriteWholeFile(other, "#!/bin/sh\nexit 0\n");
    fs::permissions(other, fs::perms::owner_read | fs::perms::others_exec);
    EXPECT_EQ(DescribeStartFailure(other, EACCES), "permission denied: " + other);
    EXPECT_EQ(DescribeStartFailure("/nonexistent/x", EACCES), "permission denied: /nonexistent/x");
    EXPECT_EQ(DescribeStartFailure("x", ENOMEM), "out of memory !");
    EXPECT_EQ(DescribeStartFailure("x", EIO),
              std::string("Exec error ") + std::to_string(EIO) + ": x (" + std::strerror(EIO) + ")");
}

}  // namespace
}  // namespace trb::ui
