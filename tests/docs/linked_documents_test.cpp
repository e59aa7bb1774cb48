#include "docs/linked_documents.h"

#include <gtest/gtest.h>

#include "ui/launcher.h"

namespace trb::docs {
namespace {

TEST(LinkedDocuments, StartsTheProgramWithTheFileAsOneArgument) {
    LinkedDocuments documents;
    ui::RecordingLauncher launcher;
    EXPECT_FALSE(OpenLinkedDocument(documents, 1, launcher));  // nothing to open
    EXPECT_FALSE(OpenLinkedDocument(documents, 6, launcher));
    EXPECT_TRUE(launcher.calls.empty());

    SetLinkedDocument(documents, 1, "gedit", "");
    SetLinkedDocument(documents, 2, "okular",
                      "/data/Pr\x81"
                      "fbericht; rm -rf x.pdf");
    SetLinkedDocument(documents, 3, "", "/data/lager.pdf");
    EXPECT_TRUE(OpenLinkedDocument(documents, 1, launcher));
    EXPECT_TRUE(OpenLinkedDocument(documents, 2, launcher));
    EXPECT_TRUE(OpenLinkedDocument(documents, 3, launcher));
    ASSERT_EQ(launcher.calls.size(), 3u);
    EXPECT_EQ(launcher.calls[0].program, "gedit");
    EXPECT_TRUE(launcher.calls[0].arguments.empty());
    ASSERT_EQ(launcher.calls[1].arguments.size(), 1u);
    EXPECT_EQ(launcher.calls[1].arguments[0],
              "/data/Prüfbericht; rm -rf x.pdf");  // UTF-8 for the file system
    EXPECT_EQ(launcher.calls[2].program, "");      // the desktop's opener
    EXPECT_EQ(launcher.calls[2].arguments[0], "/data/lager.pdf");

    launcher.succeed = false;
    EXPECT_FALSE(OpenLinkedDocument(documents, 3, launcher));
}

}  // namespace
}  // namespace trb::docs
