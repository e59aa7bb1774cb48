#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/case_start.h"
#include "ui/scripted_dialogs.h"

namespace trb::app {
namespace {

namespace fs = std::filesystem;

class CaseStartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("trb_case_start_" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    Program program{dialogs, launcher};
};

TEST_F(CaseStartTest, ReadableCaseBecomesTheCaseUnderItsFullName) {
    const std::string file = std::string(TRB_TEST_DATA_DIR) + "/example.trb";
    ASSERT_TRUE(OpenCommandLineCase(program, {file, true}));
    EXPECT_EQ(program.caseFile.name, file);
    EXPECT_TRUE(program.caseFile.commandLineFile);
    EXPECT_EQ(program.record.f, 36000);
    EXPECT_TRUE(dialogs.transcript.empty());
}

TEST_F(CaseStartTest, UnreadableCaseStartsEmptyUnlessTheNameMayNotBeOverwritten) {
    const std::string fresh = (folder / "neu.trb").string();
    EXPECT_TRUE(OpenCommandLineCase(program, {fresh, true}));
    EXPECT_TRUE(dialogs.transcript.empty()) << "the failed read shows no error box";
    EXPECT_FALSE(fs::exists(fresh));

    const std::string taken = (folder / "ordner.trb").string();
    fs::create_directories(taken);  // exists, but is no case file
    dialogs.Reply("no");
    EXPECT_FALSE(OpenCommandLineCase(program, {taken, true}));
    EXPECT_EQ(dialogs.Entries("question").size(), 1u);
}

TEST_F(CaseStartTest, EditModeOnlyNamesTheCase) {
    EXPECT_TRUE(OpenCommandLineCase(program, {"test.edi", false}));
    EXPECT_EQ(program.caseFile.name, "test.edi");
    EXPECT_EQ(program.record.f, core::TRBrecord{}.f) << "nothing is read";
}

}  // namespace
}  // namespace trb::app
