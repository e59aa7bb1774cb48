#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/case_start.h"
#include "core/calculation.h"
#include "report/writer_state.h"
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

// A missing file is said so and the case is unnamed, so that Speichern asks for a name instead of
// writing the example's values under the name of the case the user meant to open.
TEST_F(CaseStartTest, AMissingCaseIsSaidSoAndStartsUnnamed) {
    const std::string fresh = (folder / "neu.trb").string();
    EXPECT_TRUE(OpenCommandLineCase(program, {fresh, true}));
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text,
              "Datei " + fresh + " nicht gefunden: ein neuer Fall ohne Namen beginnt.");
    EXPECT_TRUE(program.caseFile.name.empty());
    EXPECT_FALSE(program.caseFile.commandLineFile);
    EXPECT_EQ(program.caseFile.folder, folder.string() + "/") << "the save dialog opens where it was meant";
    EXPECT_FALSE(fs::exists(fresh));
}

TEST_F(CaseStartTest, ACaseThatEndsEarlyIsReadAsFarAsItGoesAndSaidSo) {
    std::ifstream in(std::string(TRB_TEST_DATA_DIR) + "/example.trb");
    const std::string whole((std::istreambuf_iterator<char>(in)), {});
    std::size_t cut = 0;
    for (int line = 0; line < 40; ++line) cut = whole.find('\n', cut) + 1;
    const std::string shortFile = (folder / "kurz.trb").string();
    std::ofstream(shortFile) << whole.substr(0, cut);
    program.record.f = 1;

    EXPECT_TRUE(OpenCommandLineCase(program, {shortFile, true}));
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text,
              "Datei " + shortFile + " ist unvollständig: sie endet in Zeile 40 !");
    EXPECT_EQ(program.record.f, 36000) << "line 37 was read";
    EXPECT_EQ(program.caseFile.name, shortFile) << "the case keeps its file, as after File -> Open";
    EXPECT_FALSE(program.abort);
}

TEST_F(CaseStartTest, AnUnreadableNameEndsTheStartUnlessItMayBeOverwritten) {
    const std::string taken = (folder / "ordner.trb").string();
    fs::create_directories(taken);  // exists, but is no case file
    dialogs.Reply("no");
    EXPECT_FALSE(OpenCommandLineCase(program, {taken, true}));
    EXPECT_EQ(dialogs.Entries("question").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box").size(), 1u) << "the read failure is reported";
}

// Printouts of a case started from the command line name its file once, with the extension it was
// given, and put the case's text file beside it.
TEST_F(CaseStartTest, PrintoutsNameTheCommandLineFileAsGiven) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    fs::create_directories("cases");
    fs::copy_file(std::string(TRB_TEST_DATA_DIR) + "/example.trb", "lager.edi");
    fs::copy_file(std::string(TRB_TEST_DATA_DIR) + "/example.trb", "cases/welle.trb");
    program.settings.tempFolder = folder.string() + "/";
    const auto screenText = [&] {
        program.PrintResultReport(report::kScreen);
        const auto viewers = dialogs.Entries("viewer");
        std::ifstream in(viewers.empty() ? std::string() : viewers.back().text);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };

    ASSERT_TRUE(OpenCommandLineCase(program, {"lager.edi", true}));
    core::RunCalculation(program.record, program.status, program.abort);
    std::string shown = screenText();
    EXPECT_NE(shown.find("lager.edi"), std::string::npos);
    EXPECT_EQ(shown.find("lager.edi."), std::string::npos) << "no second extension";
    program.PrintResultReport(report::kTabFileForCase);
    EXPECT_TRUE(fs::exists("lager.txt"));

    ASSERT_TRUE(OpenCommandLineCase(program, {"cases/welle.trb", true}));
    shown = screenText();
    EXPECT_NE(shown.find("cases/welle.trb"), std::string::npos);
    program.PrintResultReport(report::kTabFileForCase);
    EXPECT_TRUE(fs::exists("cases/welle.txt"));
    EXPECT_FALSE(program.abort);
    fs::current_path(previous);
}

TEST_F(CaseStartTest, EditModeOnlyNamesTheCase) {
    EXPECT_TRUE(OpenCommandLineCase(program, {"test.edi", false}));
    EXPECT_EQ(program.caseFile.name, "test.edi");
    EXPECT_EQ(program.record.f, core::TRBrecord{}.f) << "nothing is read";
}

}  // namespace
}  // namespace trb::app
