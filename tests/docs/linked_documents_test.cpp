#include "docs/linked_documents.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trb::docs
