#include "casefile/recent_files.h"

#include <gtest/gtest.h>

#include "casefile/case_file_state.h"

namespace trb::casefile {
namespace {

TEST(RecentFiles, AddingMovesToTheTopAndKeepsEachFileOnce) {
    RecentFileList list;
    AddRecentPath(list, "/d/a.trb");
    AddRecentPath(list, "/d/b.trb");
    AddRecentPath(list, "/d/c.trb");
    EXPECT_EQ(list, (RecentFileList{"/d/c.trb", "/d/b.trb", "/d/a.trb", ""}));
    AddRecentPath(list, "/d/a.trb");
    EXPECT_EQ(list, (RecentFileList{"/d/a.trb", "/d/c.trb", "/d/b.trb", ""}));
    AddRecentPath(list, "/d/e.trb");
    AddRecentPath(list, "/d/f.trb");
    EXPECT_EQ(list, (RecentFileList{"/d/f.trb", "/d/e.trb", "/d/a.trb", "/d/c.trb"}));
    AddRecentPath(list, "/d/c.trb");  // the oldest comes back to the top
    EXPECT_EQ(list, (RecentFileList{"/d/c.trb", "/d/f.trb", "/d/e.trb", "/d/a.trb"}));
    // A file system that tells case apart holds two files here.
    AddRecentPath(list, "/d/C.trb");
    EXPECT_EQ(list[1], "/d/c.trb");
}

TEST(RecentFiles, RemovingClosesTheGap) {
    RecentFileList list{"1", "2", "3", "4"};
    RemoveRecentFile(list, 2);
    EXPECT_EQ(list, (RecentFileList{"1", "3", "4", ""}));
    RemoveRecentFile(list, 4);
    RemoveRecentFile(list, 0);
    RemoveRecentFile(list, 5);
    EXPECT_EQ(list, (RecentFileList{"1", "3", "4", ""}));
    RemoveRecentFile(list, 1);
    EXPECT_EQ(list, (RecentFileList{"3", "4", "", ""}));
}

TEST(RecentFiles, LongPathsAreShortenedInTheCaption) {
    const std::string longPath = "/home/ingenieur/projekte/2026/pumpenstation-nord/lager/welle3.trb";
    const std::string path49 = "/home/a/" + std::string(32, 'x') + "/fall.trb";
    ASSERT_EQ(path49.size(), 49u);
    RecentFileList list{longPath, path49, std::string(60, 'n') + ".trb", ""};
    EXPECT_EQ(RecentFileCaption(list, 1), "&1 /.../welle3.trb");
    EXPECT_EQ(RecentFileCaption(list, 2), "&2 " + path49);
    // Without two different separators there is nothing to cut.
    EXPECT_EQ(RecentFileCaption(list, 3), "&3 " + list[2]);
    EXPECT_EQ(RecentFileCaption(list, 4), "&4 ");
    const std::string path50 = path49.substr(0, 8) + "y" + path49.substr(8);
    list[0] = path50;
    EXPECT_EQ(RecentFileCaption(list, 1), "&1 /.../fall.trb");
}

TEST(CaseFileState, PathsOfCaseNames) {
    EXPECT_EQ(CaseFilePath("/daten", "lager"), "/daten/lager.trb");
    EXPECT_EQ(CaseFilePath("/daten/", "lager"), "/daten/lager.trb");
    EXPECT_EQ(CaseFilePath("/daten/", "lager.alt"), "/daten/lager.alt");
    EXPECT_EQ(CaseFilePath("/daten/", "/x/lager.alt"), "/x/lager.alt");
    EXPECT_EQ(CaseFilePath("/daten/", "/x/y.z/lager"), "/x/y.z/lager.trb");
    EXPECT_EQ(CaseFilePath("", "lager"), "lager.trb");
    EXPECT_EQ(CaseFilePath("/daten/Maß", "lager"), "/daten/Maß/lager.trb");
    EXPECT_EQ(CaseFilePath("/daten/v1.", "lager"), "/daten/v1./lager.trb");

    CaseFileState state;
    state.folder = "/daten";
    state.name = "v1.2";
    EXPECT_EQ(CurrentCaseFile(state), "/daten/v1.2.trb");
    AddRecentFile(state, state.name);
    EXPECT_EQ(state.recent[0], "/daten/v1.2.trb");
    state.commandLineFile = true;
    state.folder.clear();
    state.name = "/tmp/fall.trb";
    EXPECT_EQ(CurrentCaseFile(state), "/tmp/fall.trb");
    AddRecentFile(state, state.name);
    EXPECT_EQ(state.recent[0], "/tmp/fall.trb");
}

}  // namespace
}  // namespace trb::casefile
