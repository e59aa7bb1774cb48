#include "docs/linked_documents.h"

#include <gtest/gtest.h>

#include <sstream>

#include "docs/case_lines.h"
#include "docs/documentation_section.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace trb::docs {
namespace {

TEST(LinkedDocuments, StartsTheProgramWithTheFileAsOneArgument) {
    LinkedDocuments documents;
    ui::RecordingLauncher launcher;
    ui::ScriptedDialogs dialogs;
    EXPECT_FALSE(OpenLinkedDocument(documents, 6, launcher, dialogs));
    EXPECT_TRUE(dialogs.transcript.empty());

    SetLinkedDocument(documents, 1, "gedit", "");
    SetLinkedDocument(documents, 2, "okular",
                      "/data/Pr\x81"
                      "fbericht; rm -rf x.pdf");
    SetLinkedDocument(documents, 3, "", "/data/lager.pdf");
    EXPECT_TRUE(OpenLinkedDocument(documents, 1, launcher, dialogs));
    EXPECT_TRUE(OpenLinkedDocument(documents, 2, launcher, dialogs));
    EXPECT_TRUE(OpenLinkedDocument(documents, 3, launcher, dialogs));
    ASSERT_EQ(launcher.calls.size(), 3u);
    EXPECT_EQ(launcher.calls[0].program, "gedit");
    EXPECT_TRUE(launcher.calls[0].arguments.empty());
    ASSERT_EQ(launcher.calls[1].arguments.size(), 1u);
    EXPECT_EQ(launcher.calls[1].arguments[0],
              "/data/Prüfbericht; rm -rf x.pdf");  // UTF-8 for the file system
    EXPECT_EQ(launcher.calls[2].program, "");      // the desktop's opener
    EXPECT_EQ(launcher.calls[2].arguments[0], "/data/lager.pdf");
    EXPECT_TRUE(dialogs.transcript.empty()) << "a start that worked says nothing";
}

TEST(LinkedDocuments, SaysWhyNothingWasOpened) {
    LinkedDocuments documents;
    ui::RecordingLauncher launcher;
    ui::ScriptedDialogs dialogs;
    // An entry nobody has set up.
    EXPECT_FALSE(OpenLinkedDocument(documents, 4, launcher, dialogs));
    EXPECT_TRUE(launcher.calls.empty());
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text,
              "Document 4 has neither a program nor a file (Document Setup).");

    // A program that cannot be started: the launcher's reason reaches the user.
    SetLinkedDocument(documents, 2, "okular", "/data/lager.pdf");
    launcher.succeed = false;
    launcher.failure = "file not found: okular";
    EXPECT_FALSE(OpenLinkedDocument(documents, 2, launcher, dialogs));
    ASSERT_EQ(dialogs.Entries("box").size(), 2u);
    EXPECT_EQ(dialogs.Entries("box")[1].text, "Document 2: file not found: okular");
}

TEST(LinkedDocuments, AMissingProgramIsReportedByTheRealLauncher) {
    LinkedDocuments documents;
    ui::ProcessLauncher launcher;
    ui::ScriptedDialogs dialogs;
    SetLinkedDocument(documents, 1, "/nonexistent/viewer", "lager.pdf");
    EXPECT_FALSE(OpenLinkedDocument(documents, 1, launcher, dialogs));
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text, "Document 1: file not found: /nonexistent/viewer");
}

// A program that came with a case file (or a workbook read as one) is shown with its argument and
// started only when the user agrees, once; the desktop's opener and the user's own entries are not
// asked about. Reading a case again takes the agreement back.
TEST(LinkedDocuments, AProgramFromACaseFileIsStartedOnlyWhenTheUserAgrees) {
    LinkedDocuments documents;
    SetLinkedDocument(documents, 5, "gedit", "notes.txt");  // the user's own, then replaced by the file
    std::ostringstream written;
    {
        CaseLineWriter out(written);
        LinkedDocuments planted;
        planted.Entry(1) = {"/bin/sh", "-c"};
        planted.Entry(2) = {"", "/data/lager.pdf"};
        planted.Entry(3) = {"/usr/bin/evil", "x"};
        planted.Entry(5) = {"gedit", "notes.txt"};
        WriteDocumentsSection(out, planted);
    }
    const std::string text = written.str();
    CaseLineReader in(text);
    ASSERT_TRUE(ReadDocumentsSection(in, documents));

    ui::RecordingLauncher launcher;
    ui::ScriptedDialogs dialogs;
    dialogs.Reply("no").Reply("yes");
    EXPECT_FALSE(OpenLinkedDocument(documents, 1, launcher, dialogs));
    EXPECT_TRUE(launcher.calls.empty());
    ASSERT_EQ(dialogs.Entries("question").size(), 1u);
    EXPECT_EQ(dialogs.Entries("question")[0].text,
              "Dokument 1 startet ein Programm, das mit der Falldatei kam:\n\n/bin/sh -c\n\nDieses Programm "
              "starten ?");
    EXPECT_TRUE(OpenLinkedDocument(documents, 1, launcher, dialogs));
    EXPECT_TRUE(OpenLinkedDocument(documents, 1, launcher, dialogs)) << "asked once";
    EXPECT_TRUE(OpenLinkedDocument(documents, 2, launcher, dialogs)) << "the desktop's opener";
    EXPECT_EQ(dialogs.Entries("question").size(), 2u);
    ASSERT_EQ(launcher.calls.size(), 3u);
    EXPECT_EQ(launcher.calls[0].program, "/bin/sh");

    // Document 5 came with the file too, though it names what the user once typed.
    dialogs.Reply("cancel");
    EXPECT_FALSE(OpenLinkedDocument(documents, 5, launcher, dialogs));
    EXPECT_EQ(dialogs.Entries("question").size(), 3u);
    // What the user types in the setup form is theirs; an entry left as it was is not.
    SetLinkedDocument(documents, 5, "kate", "notes.txt");
    SetLinkedDocument(documents, 3, "/usr/bin/evil", "x");  // the form stores all five as they stand
    EXPECT_TRUE(OpenLinkedDocument(documents, 5, launcher, dialogs));
    EXPECT_EQ(dialogs.Entries("question").size(), 3u);
    EXPECT_FALSE(OpenLinkedDocument(documents, 3, launcher, dialogs)) << "left as it came: asked, no reply";
    EXPECT_EQ(dialogs.Entries("question").size(), 4u);
    CaseLineReader again(text);
    ASSERT_TRUE(ReadDocumentsSection(again, documents));
    EXPECT_FALSE(OpenLinkedDocument(documents, 1, launcher, dialogs)) << "asked again, no reply: cancelled";
    EXPECT_EQ(dialogs.Entries("question").size(), 5u);
}

}  // namespace
}  // namespace trb::docs
