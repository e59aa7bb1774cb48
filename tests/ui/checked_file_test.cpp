#include "ui/checked_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cerrno>
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
