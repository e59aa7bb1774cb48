#include "ui/launcher.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
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

// A desktop opener of the test's own, first in PATH for the test's length: it leaves "<name>.done"
// beside itself, then fails with exit code 3 (no program for the file) for names holding "unknown"
// and succeeds otherwise.
class FakeOpener : public testing::TempFolderTest {
  protected:
    FakeOpener() {
        const std::string opener = Path("xdg-open");
        WriteWholeFile(
            opener,
            "#!/bin/sh\n: > \"${0%/*}/${1##*/}.done\"\ncase \"$1\" in *unknown*) exit 3;; esac\nexit 0\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        const char* path = std::getenv("PATH");
        previousPath_ = path ? path : "/usr/bin:/bin";
        setenv("PATH", (Folder() + ":" + previousPath_).c_str(), 1);
    }
    ~FakeOpener() override { setenv("PATH", previousPath_.c_str(), 1); }

    // The reports the launcher makes, as they come from its threads.
    void Listen(Launcher& launcher) {
        launcher.SetLateFailureReport([this](const std::string& text) {
            const std::lock_guard lock(mutex_);
            reports_.push_back(text);
            arrived_.notify_all();
        });
    }
    // Waits until the opener given `name` is about to end.
    bool Ended(const std::string& name) {
        for (int i = 0; i < 2000 && !std::filesystem::exists(Path(name + ".done")); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return std::filesystem::exists(Path(name + ".done"));
    }
    std::vector<std::string> WaitForReports(std::size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::seconds(20), [&] { return reports_.size() >= count; });
        return reports_;
    }

    std::string previousPath_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::string> reports_;
};

TEST_F(FakeOpener, AnOpenerThatFindsNoProgramIsReportedWithTheFileWhenItEnds) {
    ProcessLauncher launcher;
    Listen(launcher);
    // The start itself works; what the opener finds shows only when it ends.
    ASSERT_TRUE(launcher.Open("/data/plain.html"));
    ASSERT_TRUE(Ended("plain.html"));
    ASSERT_TRUE(launcher.Open("/data/unknown.xyz"));
    EXPECT_EQ(launcher.FailureText(), "");
    const auto reports = WaitForReports(1);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(),
              "Kein Programm konnte /data/unknown.xyz \x94"
              "ffnen (xdg-open endete mit Exit-Code 3, kein Programm f\x81r diesen Dateityp).")
        << "an opener that succeeded is not reported";
}

TEST_F(FakeOpener, AReportClearedOrALauncherGoneStaysSilent) {
    auto launcher = std::make_unique<ProcessLauncher>();
    Listen(*launcher);
    launcher->SetLateFailureReport({});
    ASSERT_TRUE(launcher->Open("/data/unknown-1.xyz"));
    // A launcher destroyed while its opener runs: the thread outlives it and reports nothing.
    auto second = std::make_unique<ProcessLauncher>();
    Listen(*second);
    ASSERT_TRUE(second->Open("/data/unknown-2.xyz"));
    second.reset();
    ASSERT_TRUE(Ended("unknown-1.xyz"));
    ASSERT_TRUE(Ended("unknown-2.xyz"));
    // A third, listened to, proves the reports arrive at all; only its failure is heard.
    ProcessLauncher third;
    Listen(third);
    ASSERT_TRUE(third.Open("/data/unknown-3.xyz"));
    const auto reports = WaitForReports(1);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("unknown-3"), std::string::npos) << reports[0];
}

TEST(OpenerTexts, NameTheFileAndWhatTheExitCodeMeans) {
    EXPECT_EQ(OpenerFailureText("a.xlsx", 4),
              "Kein Programm konnte a.xlsx \x94"
              "ffnen (xdg-open endete mit Exit-Code 4, das Programm meldet einen Fehler).");
    EXPECT_EQ(OpenerFailureText("a.xlsx", 1),
              "Kein Programm konnte a.xlsx \x94"
              "ffnen (xdg-open endete mit Exit-Code 1).");
    EXPECT_EQ(NothingCouldOpenText("Pr\xC3\xBC"
                                   "fstand.htm",
                                   "file not found: xdg-open"),
              "Kein Programm konnte Pr\x81"
              "fstand.htm \x94"
              "ffnen (file not found: xdg-open).")
        << "the file's name in the message's code page";
}

}  // namespace
}  // namespace trb::ui
