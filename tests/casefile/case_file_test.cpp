#include "casefile/case_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

#include "config/settings.h"
#include "sample_case.h"
#include "temp_folder.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"

namespace trb::casefile {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;
using test_support::WriteWholeFile;
using testing::SampleCase;

// One program's worth of case-file state in a temporary folder.
class CaseFileTest : public ::testing::Test {
  protected:
    CaseFileTest() { state.folder = folder.Folder(); }

    CaseFileContext Context() {
        return {sample.Content(), state, settings, "TRB - Hydrodynamische Radial-Gleitlager", dialogs, abort};
    }
    void Write(std::string_view name) {
        auto context = Context();
        WriteCaseFile(context, name);
    }
    void Read(std::string_view name) {
        auto context = Context();
        ReadCaseFile(context, name);
    }
    void AskSave() {
        auto context = Context();
        AskSaveChanges(context);
    }
    std::filesystem::path File(const std::string& name) const { return folder.Path() / name; }

    TempFolder folder;
    SampleCase sample;
    CaseFileState state;
    config::ConfigSettings settings;
    ui::ScriptedDialogs dialogs;
    bool abort = false;
};

TEST_F(CaseFileTest, WriteAndReadAFullCaseThroughTheFile) {
    testing::FillSample(sample);
    Write("lager1");
    ASSERT_FALSE(abort);
    const std::string text = ReadWholeFile(File("lager1.trb"));
    EXPECT_EQ(text.substr(0, 67), std::string(65, '-') + "\r\n");

    SampleCase written = sample;
    sample = SampleCase{};
    Read("lager1");
    ASSERT_FALSE(abort);
    EXPECT_EQ(state.name, "lager1");
    testing::ExpectSameCase(written, sample);
    EXPECT_TRUE(dialogs.transcript.empty());
}

TEST_F(CaseFileTest, SaveDialogChoosesFolderAndName) {
    TempFolder other;
    dialogs.Reply(other.Folder() + "pumpe.trb");
    Write("");
    ASSERT_FALSE(abort);
    EXPECT_TRUE(std::filesystem::exists(other.Path() / "pumpe.trb"));
    EXPECT_EQ(state.name, "pumpe");
    EXPECT_EQ(state.folder, other.Folder());

    dialogs.ReplyCancel();
    Write("");
    EXPECT_TRUE(abort);
    EXPECT_EQ(state.name, "pumpe");
}

TEST_F(CaseFileTest, OverwriteIsAskedExceptWhenSaving) {
    Write("lager");
    sample.record.f = 777;
    dialogs.Reply("no");
    Write("lager");
    EXPECT_TRUE(abort);
    abort = false;
    sample.record.f = 0;
    Read("lager");
    EXPECT_EQ(sample.record.f, 0);

    state.name = "lager";
    sample.record.f = 888;
    auto context = Context();
    SaveCase(context);
    EXPECT_FALSE(abort);
    EXPECT_TRUE(dialogs.overwriteQueryOn);
    EXPECT_EQ(dialogs.Entries("question").size(), 1u);  // only the first write asked
    sample.record.f = 0;
    Read("lager");
    EXPECT_EQ(sample.record.f, 888);
}

TEST_F(CaseFileTest, UnreadableFilesSetTheAbortFlagAndKeepTheCase) {
    sample.record.f = 4242;
    Read("missing");
    EXPECT_TRUE(abort);
    abort = false;
    WriteWholeFile(File("empty.trb"), "");
    Read("empty");
    EXPECT_TRUE(abort);
    abort = false;
    WriteWholeFile(File("bild.trb"), std::string("\x89PNG\r\n\x1a\n\0\0garbage", 17));
    Read("bild");
    EXPECT_TRUE(abort);
    EXPECT_EQ(sample.record.f, 4242);
    EXPECT_EQ(dialogs.Entries("box").size(), 3u);
    EXPECT_EQ(state.name, "");
}

// Files read only in part are still read as far as they go, and the user is told where they stopped.
TEST_F(CaseFileTest, TooLargeCutShortAndOverlongFilesAreReadAndReported) {
    testing::FillSample(sample);
    Write("lager");
    ASSERT_FALSE(abort);
    const std::string text = ReadWholeFile(File("lager.trb"));
    const auto lineStart = [&](int n) {  // where line n (from 1) begins
        std::size_t pos = 0;
        for (int i = 1; i < n; ++i) pos = text.find("\r\n", pos) + 2;
        return pos;
    };
    const auto box = [&] { return dialogs.Entries("box").back().text; };

    // Ten megabytes in the drawing name line: read up to the first mebibyte, the remarks before it kept.
    WriteWholeFile(File("gross.trb"), text.substr(0, lineStart(9)) + std::string(10 << 20, 'x') + "\r\n" +
                                          text.substr(lineStart(10)));
    sample = SampleCase{};
    sample.record.f = 4242;
    Read("gross");
    EXPECT_FALSE(abort);
    EXPECT_EQ(sample.title.remarks[0], "Kunde: M\x81ller GmbH");
    EXPECT_EQ(sample.record.f, 4242) << "the lines after the cut are not there";
    EXPECT_EQ(box(), "Datei " + File("gross.trb").string() + " ist zu gro\xC3\x9F: gelesen bis Zeile 9 !");

    // Cut off in the middle of the inputs (after line 30, the shaft speed).
    WriteWholeFile(File("kurz.trb"), text.substr(0, lineStart(31)));
    sample = SampleCase{};
    Read("kurz");
    EXPECT_FALSE(abort);
    EXPECT_EQ(sample.record.ns, 25);
    EXPECT_EQ(box(),
              "Datei " + File("kurz.trb").string() + " ist unvollst\xC3\xA4ndig: sie endet in Zeile 30 !");

    // A whole file with one overlong remark.
    WriteWholeFile(File("lang.trb"), text.substr(0, lineStart(7)) + std::string(5000, 'r') + "\r\n" +
                                         text.substr(lineStart(8)));
    sample = SampleCase{};
    Read("lang");
    EXPECT_FALSE(abort);
    EXPECT_EQ(sample.record.ns, 25);
    EXPECT_EQ(box(), "Datei " + File("lang.trb").string() + ": Zeile 7 ist zu lang !");

    // A complete file says nothing.
    const std::size_t boxes = dialogs.Entries("box").size();
    Read("lager");
    EXPECT_EQ(dialogs.Entries("box").size(), boxes);
}

// A write that fails half-way must leave the previous file as it was and report the failure.
TEST_F(CaseFileTest, FailedWriteKeepsThePreviousFile) {
    Write("lager");
    ASSERT_FALSE(abort);
    const std::string before = ReadWholeFile(File("lager.trb"));
    sample.record.f = 999;

    // A file-size limit makes every write beyond 64 bytes fail, also for root.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    state.name = "lager";
    auto context = Context();
    SaveCase(context);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(abort);
    ASSERT_FALSE(dialogs.Entries("box").empty());
    EXPECT_EQ(dialogs.Entries("box")[0].text, "Diskette/Platte voll");
    EXPECT_EQ(ReadWholeFile(File("lager.trb")), before);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        EXPECT_EQ(entry.path().filename(), "lager.trb") << "no temporary file left behind";
    }
}

TEST_F(CaseFileTest, ReadOnlyFolderKeepsThePreviousFile) {
    if (geteuid() == 0) GTEST_SKIP() << "running as root: folder permissions are not enforced";
    Write("lager");
    const std::string before = ReadWholeFile(File("lager.trb"));
    std::filesystem::permissions(folder.Path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    sample.record.f = 999;
    state.name = "lager";
    auto context = Context();
    SaveCase(context);
    EXPECT_TRUE(abort);
    EXPECT_EQ(ReadWholeFile(File("lager.trb")), before);
}

TEST_F(CaseFileTest, ArchiveModeRefusesEveryNameButAktuell) {
    state.commandLineFile = true;
    state.name = folder.Folder() + "fall.trb";
    settings.archiveMode = true;
    Write("anders");
    EXPECT_TRUE(abort);
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text,
              "File- und User- Befehle sind im Archivierungsmodus nicht möglich.");
    abort = false;
    Write("aktuell");
    EXPECT_FALSE(abort);
    EXPECT_TRUE(std::filesystem::exists(File("aktuell.trb")));
    EXPECT_TRUE(state.commandLineFile);

    settings.archiveMode = false;
    auto context = Context();
    SaveCase(context);
    EXPECT_FALSE(abort);
    EXPECT_FALSE(state.commandLineFile);
    EXPECT_TRUE(std::filesystem::exists(File("fall.trb")));
    EXPECT_EQ(state.folder, folder.Folder());
    EXPECT_EQ(state.name, "fall");
    EXPECT_EQ(CurrentCaseFile(state), folder.Folder() + "fall.trb");
}

TEST_F(CaseFileTest, AskSaveChangesForANamedCase) {
    state.name = "lager";
    AskSave();  // unchanged: no question
    EXPECT_TRUE(dialogs.transcript.empty());

    state.modified = true;
    dialogs.Reply("cancel");
    AskSave();
    EXPECT_TRUE(abort);
    EXPECT_TRUE(state.modified);
    ASSERT_EQ(dialogs.Entries("question").size(), 1u);
    EXPECT_EQ(dialogs.Entries("question")[0].text, "Datei speichern (" + folder.Folder() + "lager.trb) ?");

    abort = false;
    dialogs.Reply("no");
    AskSave();
    EXPECT_FALSE(abort);
    EXPECT_FALSE(state.modified);
    EXPECT_FALSE(std::filesystem::exists(File("lager.trb")));

    state.modified = true;
    dialogs.Reply("yes");
    AskSave();
    EXPECT_FALSE(abort);
    EXPECT_FALSE(state.modified);
    EXPECT_TRUE(std::filesystem::exists(File("lager.trb")));
}

// An unnamed case can be saved (through the save dialog), discarded, or kept by Cancel, also by
// Cancel in the save dialog.
TEST_F(CaseFileTest, AskSaveChangesForAnUnnamedCaseAndInArchiveMode) {
    state.modified = true;
    dialogs.Reply("cancel");
    AskSave();
    EXPECT_TRUE(abort);
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(dialogs.Entries("question")[0].text, "Bisherige Eingaben speichern ?");

    abort = false;
    dialogs.Reply("yes").ReplyCancel();
    AskSave();
    EXPECT_TRUE(abort) << "the save dialog was cancelled";
    EXPECT_TRUE(state.modified);

    abort = false;
    dialogs.Reply("yes").Reply(File("neu.trb").string());
    AskSave();
    EXPECT_FALSE(abort);
    EXPECT_FALSE(state.modified);
    EXPECT_TRUE(std::filesystem::exists(File("neu.trb")));
    EXPECT_EQ(state.name, "neu");

    state.name.clear();
    state.modified = true;
    dialogs.Reply("no");
    AskSave();
    EXPECT_FALSE(abort);
    EXPECT_FALSE(state.modified) << "discarded";
    EXPECT_EQ(dialogs.Entries("question").size(), 4u);

    state.modified = true;
    state.commandLineFile = true;
    settings.archiveMode = true;
    AskSave();
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(dialogs.Entries("question").size(), 4u);
}

TEST_F(CaseFileTest, RecentFilesOpenAndDisappearWhenMissing) {
    testing::FillSample(sample);
    Write("eins");
    Write("zwei");
    const std::string eins = folder.Folder() + "eins.trb";
    const std::string zwei = folder.Folder() + "zwei.trb";
    state.recent = {zwei, eins, folder.Folder() + "weg.trb", ""};

    sample = SampleCase{};
    auto context = Context();
    EXPECT_EQ(OpenRecentFile(context, 2), RecentOpenResult::Opened);
    EXPECT_EQ(state.name, "eins");
    EXPECT_EQ(sample.record.f, 12500);
    EXPECT_EQ(OpenRecentFile(context, 2), RecentOpenResult::Opened);  // zwei, now second
    // Opening the same files again keeps one entry each, the latest first.
    EXPECT_EQ(state.recent[0], zwei);
    EXPECT_EQ(state.recent[1], eins);
    EXPECT_EQ(state.recent[3], "");

    EXPECT_EQ(OpenRecentFile(context, 3), RecentOpenResult::NotFound);
    EXPECT_EQ(state.recent[2], "");
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text, "File " + folder.Folder() + "weg.trb not found !");

    state.modified = true;
    dialogs.Reply("cancel");
    EXPECT_EQ(OpenRecentFile(context, 1), RecentOpenResult::Cancelled);
}

TEST_F(CaseFileTest, DefaultCaseLoadsUnnamed) {
    auto context = Context();
    EXPECT_FALSE(LoadDefaultCase(context));
    testing::FillSample(sample);
    Write("null");
    sample = SampleCase{};
    state.name = "vorher";
    state.modified = true;
    EXPECT_TRUE(LoadDefaultCase(context));
    EXPECT_EQ(sample.record.f, 12500);
    EXPECT_EQ(state.name, "");
    EXPECT_FALSE(state.modified);
}

}  // namespace
}  // namespace trb::casefile
