#include "ui/checked_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cerrno>
#include <filesystem>
#include <sstream>

#include "temp_folder_fixture.h"
#include "text/format.h"
#include "ui/batch_dialogs.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"

namespace trb::ui {
namespace {

using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

class CheckedFile : public testing::TempFolderTest {};

TEST(FileErrorText, MapsSystemErrorsOntoTheMessages) {
    for (auto op : {FileOperation::Write, FileOperation::Close, FileOperation::Rewrite})
        EXPECT_EQ(FileErrorText(op, ENOSPC), "Diskette/Platte voll");
    EXPECT_EQ(FileErrorText(FileOperation::Write, EDQUOT), "Diskette/Platte voll");
    EXPECT_EQ(FileErrorText(FileOperation::Write, EIO), "Fehler bei Zugriff auf Diskette/Platte");
    EXPECT_EQ(FileErrorText(FileOperation::Close, EIO),
              "Fehler beim Schlie\xE1"
              "en einer Datei");
    EXPECT_EQ(FileErrorText(FileOperation::Rewrite, EACCES), "file write error");
    EXPECT_EQ(FileErrorText(FileOperation::Create, EROFS), "Schreibschutz entfernen !");
    EXPECT_EQ(FileErrorText(FileOperation::Create, EACCES), "Schreibschutz entfernen !");
    EXPECT_EQ(FileErrorText(FileOperation::Create, ENOMEDIUM), "Programmdiskette einlegen !");
    EXPECT_EQ(FileErrorText(FileOperation::Create, ENOENT), "I/O-Error 2");
}

TEST_F(CheckedFile, WritesThroughATemporaryNameAndKeepsPermissions) {
    ScriptedDialogs d;
    bool abort = false;
    WriteWholeFile(Path("out.txt"), "old");
    chmod(Path("out.txt").c_str(), 0640);
    OutputFile file;
    ASSERT_TRUE(CreateChecked(file, Path("out.txt"), d, abort));
    WriteChecked(file, "new ", d, abort);
    EXPECT_EQ(ReadWholeFile(Path("out.txt")), "old");  // untouched until closed
    WriteChecked(file, "text", d, abort);
    CloseChecked(file, d, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(ReadWholeFile(Path("out.txt")), "new text");
    struct stat info {};
    stat(Path("out.txt").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FileCount(), 1u);
    EXPECT_TRUE(d.transcript.empty());
}

TEST_F(CheckedFile, AnAbortedWriteLeavesThePreviousFile) {
    ScriptedDialogs d;
    bool abort = false;
    WriteWholeFile(Path("case.trb"), "previous");
    OutputFile file;
    ASSERT_TRUE(RewriteChecked(file, Path("case.trb"), d, abort));
    WriteChecked(file, "half", d, abort);
    abort = true;  // a failure somewhere in between
    WriteChecked(file, "ignored", d, abort);
    CloseChecked(file, d, abort);
    EXPECT_EQ(ReadWholeFile(Path("case.trb")), "previous");
    EXPECT_EQ(FileCount(), 1u);
    {
        OutputFile dropped;
        ASSERT_EQ(dropped.Create(Path("case.trb")), 0);
        ASSERT_EQ(dropped.Write("lost"), 0);
    }  // never committed
    EXPECT_EQ(ReadWholeFile(Path("case.trb")), "previous");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(CheckedFile, CreateRetriesAndThenGivesUp) {
    ScriptedDialogs d;
    bool abort = false;
    EXPECT_FALSE(WriteFileChecked(Path("missing/out.txt"), "x", d, abort));
    EXPECT_TRUE(abort);
    const auto boxes = d.Entries("box");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "I/O-Error 2");
}

TEST_F(CheckedFile, ABatchRunReportsAFailedCreateOnce) {
    std::ostringstream errors;
    BatchDialogs d(errors, true);
    bool abort = false;
    EXPECT_FALSE(WriteFileChecked(Path("missing/out.txt"), "x", d, abort));
    EXPECT_TRUE(abort);
    EXPECT_EQ(errors.str(), "Fehler : I/O-Error 2\n");
}

// Files that belong together are never seen beside a file of another run: the writing is stopped
// at each of its flushes in turn, and what stands under the names then is always of one run.
TEST_F(CheckedFile, FilesWrittenTogetherAreNeverMixedWithAnotherRun) {
    const std::vector<FileContent> run{{Path("x.sweep.csv"), "csv 2"}, {Path("x.sweep.json"), "json 2"}};
    for (int stop = 1; stop <= 2; ++stop) {
        WriteWholeFile(Path("x.sweep.csv"), "csv 1");
        WriteWholeFile(Path("x.sweep.json"), "json 1");
        ScriptedDialogs d;
        bool abort = false;
        int syncs = 0;
        const bool written = WriteFilesTogether(run, d, abort, [&](int descriptor) {
            if (++syncs == stop) {
                errno = EIO;
                return -1;
            }
            return ::fsync(descriptor);
        });
        const bool json = std::filesystem::exists(Path("x.sweep.json"));
        const std::string csv =
            std::filesystem::exists(Path("x.sweep.csv")) ? ReadWholeFile(Path("x.sweep.csv")) : "";
        EXPECT_FALSE(written) << stop;
        EXPECT_TRUE(abort) << stop;
        if (json) {
            EXPECT_EQ(ReadWholeFile(Path("x.sweep.json")).back(), csv.back()) << "stopped at flush " << stop;
        }
        EXPECT_EQ(FileCount(), (csv.empty() ? 0u : 1u) + (json ? 1u : 0u)) << "temporary files left";
    }
    ScriptedDialogs d;
    bool abort = false;
    EXPECT_TRUE(WriteFilesTogether(run, d, abort));
    EXPECT_EQ(ReadWholeFile(Path("x.sweep.csv")), "csv 2");
    EXPECT_EQ(ReadWholeFile(Path("x.sweep.json")), "json 2");
}

// A write-protected file is refused with the message that says so, and stays as it was.
TEST_F(CheckedFile, AWriteProtectedFileIsRefusedAndKept) {
    WriteWholeFile(Path("case.trb"), "protected");
    chmod(Path("case.trb").c_str(), 0444);
    ScriptedDialogs d;
    d.Reply("yes");  // overwrite it
    bool abort = false;
    CheckNewFile(Path("case.trb"), d, abort);
    EXPECT_FALSE(abort) << "the name is valid";
    EXPECT_FALSE(WriteFileChecked(Path("case.trb"), "new", d, abort));
    EXPECT_TRUE(abort);
    ASSERT_FALSE(d.Entries("box").empty());
    EXPECT_EQ(d.Entries("box").front().text, "Schreibschutz entfernen !");
    EXPECT_EQ(ReadWholeFile(Path("case.trb")), "protected");
    EXPECT_EQ(FileCount(), 1u);
}

// Saving a hard-linked file gives the new content to the saved name and says that the other names
// keep the old one.
TEST_F(CheckedFile, SavingAHardLinkedFileSaysTheOtherNamesKeepTheOldContent) {
    WriteWholeFile(Path("case.trb"), "old");
    std::filesystem::create_hard_link(Path("case.trb"), Path("copy.trb"));
    ScriptedDialogs d;
    bool abort = false;
    EXPECT_TRUE(WriteFileChecked(Path("case.trb"), "new", d, abort));
    EXPECT_EQ(ReadWholeFile(Path("copy.trb")), "old");
    ASSERT_EQ(d.Entries("box").size(), 1u);
    EXPECT_EQ(
        d.Entries("box").front().text,
        "Datei " + Path("case.trb") + " hatte weitere Namen (harte Links); diese behalten den alten Inhalt.");
}

// A name that is a link is checked where it leads: a dangling link into a folder that exists is a
// valid name, one into a missing folder is not.
TEST_F(CheckedFile, ALinkedNameIsCheckedWhereItLeads) {
    std::filesystem::create_symlink(Path("real.trb"), Path("link.trb"));
    std::filesystem::create_symlink(Path("gone/real.trb"), Path("broken.trb"));
    ScriptedDialogs d;
    bool abort = false;
    CheckNewFile(Path("link.trb"), d, abort);
    EXPECT_FALSE(abort);
    EXPECT_TRUE(WriteFileChecked(Path("link.trb"), "through", d, abort));
    EXPECT_EQ(ReadWholeFile(Path("real.trb")), "through");
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.trb")));
    CheckNewFile(Path("broken.trb"), d, abort);
    EXPECT_TRUE(abort);
}

TEST_F(CheckedFile, CheckReadableRefusesMissingFilesAndFolders) {
    ScriptedDialogs d;
    bool abort = false;
    WriteWholeFile(Path("there.txt"), "x");
    EXPECT_TRUE(CheckReadable(Path("there.txt"), d, abort));
    EXPECT_FALSE(abort);
    EXPECT_FALSE(CheckReadable(Folder(), d, abort));
    EXPECT_TRUE(abort);
    abort = false;
    EXPECT_FALSE(CheckReadable(Path("gone.txt"), d, abort));
    // Long names are shortened in the middle.
    EXPECT_EQ(d.transcript.back().text, "Datei " + text::ShortenMiddle(Path("gone.txt"), 60) +
                                            " nicht gefunden oder kein Zugriffsrecht !");
}

TEST_F(CheckedFile, CheckNewFileAsksBeforeOverwritingButNeverDestroys) {
    ScriptedDialogs d;
    WriteWholeFile(Path("a.trb"), "keep me");
    d.Reply("no").Reply("yes");
    bool abort = false;
    CheckNewFile(Path("a.trb"), d, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(d.CurrentHelpNumber(), 3055);
    EXPECT_EQ(d.transcript[0].text, Path("a.trb") + " existiert bereits.   überschreiben ?");
    abort = false;
    CheckNewFile(Path("a.trb"), d, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(ReadWholeFile(Path("a.trb")), "keep me");  // tested, not truncated

    WriteWholeFile(Path("aktuell.trb"), "auto");
    CheckNewFile(Path("aktuell.trb"), d, abort);
    d.overwriteQueryOn = false;
    CheckNewFile(Path("a.trb"), d, abort);
    EXPECT_EQ(d.Entries("question").size(), 2u);  // no further questions
    EXPECT_FALSE(abort);

    CheckNewFile(Path("new.trb"), d, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(FileCount(), 2u);  // the test file is gone again

    CheckNewFile(Path("no/such/folder.trb"), d, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(d.transcript.back().text, "Ungültiger Dateiname \"" + Path("no/such/folder.trb") + "\" !");
}

TEST_F(CheckedFile, AskSaveFileBuildsTheNameOrAsks) {
    ScriptedDialogs d;
    SaveContext context;
    context.dataFolder = Folder();
    bool abort = false;
    EXPECT_EQ(AskSaveFile("lager1", context, d, abort), Folder() + "lager1.trb");
    EXPECT_EQ(AskSaveFile(Path("x.txt"), context, d, abort), Path("x.txt"));
    EXPECT_FALSE(abort);

    std::filesystem::create_directories(root_ / "other");
    d.Reply(Path("other/neu.dat"));
    EXPECT_EQ(AskSaveFile("", context, d, abort), Path("other/neu.trb"));
    EXPECT_EQ(context.dataFolder, Path("other/"));
    EXPECT_EQ(context.caseName, "neu");
    EXPECT_EQ(d.Entries("save")[0].items[0], "*.trb");

    d.ReplyCancel();
    EXPECT_EQ(AskSaveFile("", context, d, abort), "");
    EXPECT_TRUE(abort);
}

TEST_F(CheckedFile, ArchiveModeRefusesBatchSaves) {
    ScriptedDialogs d;
    SaveContext context;
    context.dataFolder = Folder();
    context.archiveMode = true;
    context.batchRun = true;
    bool abort = false;
    EXPECT_EQ(AskSaveFile("lager", context, d, abort), "");
    EXPECT_TRUE(abort);
    EXPECT_EQ(d.transcript.at(0).text, "File- und User- Befehle sind im Archivierungsmodus nicht möglich.");
    abort = false;
    EXPECT_EQ(AskSaveFile("aktuell", context, d, abort), Folder() + "aktuell.trb");
    context.archiveMode = false;
    AskSaveFile("lager", context, d, abort);
    EXPECT_FALSE(context.batchRun);
}

}  // namespace
}  // namespace trb::ui
