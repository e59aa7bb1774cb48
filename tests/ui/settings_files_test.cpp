#include "ui/settings_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "temp_folder_fixture.h"
#include "text/format.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"

namespace trb::ui {
namespace {

using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

class SettingsFiles : public testing::TempFolderTest {};

TEST_F(SettingsFiles, WriteConfigThenReadConfigGivesTheSameSettings) {
    ScriptedDialogs d;
    config::ConfigSettings written;
    written.format.dateCode = 4;  // day/month/four-digit year
    written.format.decimalSeparator = 2;
    written.zoomFactor = 1.5L;
    config::ConfigPlaces places{Folder(), "", Folder()};
    bool abort = false;
    WriteConfig(written, places, d, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(FileCount(), 1u);
    EXPECT_NE(ReadWholeFile(Path("trb.cfg")).find("Zoomfaktor\r\n1.5000000\r\n"), std::string::npos);

    config::ConfigSettings read;
    config::ReadConfig(read, places, config::ScreenInfo{}, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(read.format.dateCode, 4);
    EXPECT_EQ(read.format.decimalSeparator, 2);
    EXPECT_EQ(read.zoomFactor, 1.5L);
    EXPECT_EQ(text::DateText(2026, 1, 2, read.format), "02/01/2026");
}

TEST_F(SettingsFiles, WriteConfigReportsAnUnusableFolder) {
    ScriptedDialogs d;
    config::ConfigPlaces places{Folder(), "", Path("missing/")};
    bool abort = false;
    WriteConfig(config::ConfigSettings{}, places, d, abort);
    EXPECT_TRUE(abort);
    EXPECT_FALSE(d.Entries("box").empty());
}

TEST_F(SettingsFiles, ValidateFoldersCompletesAndChecksEveryFolder) {
    ScriptedDialogs d;
    WriteWholeFile(Path("x.$$$"), "user data");
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous ? previous : "";
    setenv("TMPDIR", root_.c_str(), 1);
    config::ConfigSettings s;
    s.cadFolder = Path("no-cad");
    s.dbfFolder = "  ";
    s.ediFolder = "";
    s.defaultDataFolder = " " + root_.string() + " ";
    ValidateFolders(s, Folder(), d);
    if (previous)
        setenv("TMPDIR", saved.c_str(), 1);
    else
        unsetenv("TMPDIR");
    EXPECT_EQ(s.tempFolder, Folder());
    EXPECT_EQ(s.ediFolder, Folder());
    EXPECT_EQ(s.defaultDataFolder, Folder());
    EXPECT_EQ(s.dbfFolder, config::DataFolder());
    const auto boxes = d.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "ungültiger CAD Ordner konfiguriert");
    EXPECT_EQ(ReadWholeFile(Path("x.$$$")), "user data");  // the write test never touches user files
    EXPECT_EQ(FileCount(), 1u);
}

// A batch run checks only the folders the configuration names: the defaults of the others (the
// start folder, here one that is gone) are no fault to report, a configured folder still is.
TEST_F(SettingsFiles, BatchRunsCheckOnlyConfiguredFolders) {
    const std::string gone = Path("gone") + "/";
    for (const FolderCheck check : {FolderCheck::All, FolderCheck::ConfiguredOnly}) {
        ScriptedDialogs d;
        config::ConfigSettings s;
        s.cadFolder = Folder();
        s.dbfFolder = Path("no-dbf");
        s.tempFolder = Folder();
        ValidateFolders(s, gone, d, check);
        std::vector<std::string> boxes;
        for (const auto& box : d.Entries("box")) boxes.push_back(box.text);
        if (check == FolderCheck::All) {
            EXPECT_EQ(boxes, (std::vector<std::string>{"ungültiger DBF Ordner konfiguriert",
                                                       "ungültiger EDI Ordner konfiguriert",
                                                       "ungültiger Data Ordner konfiguriert"}));
        } else {
            EXPECT_EQ(boxes, std::vector<std::string>{"ungültiger DBF Ordner konfiguriert"});
        }
        EXPECT_EQ(s.ediFolder, gone) << "completed all the same";
    }
}

// The recent-files list that cannot be written is said, naming the file and why, instead of being
// lost without a word; one that can be written says nothing.
TEST_F(SettingsFiles, ASessionFileThatCannotBeWrittenIsSaid) {
    WriteWholeFile(Path("blocked"), "a file where the folder should be");
    config::ConfigPlaces places{Folder(), Path("blocked") + "/trb/", Path("blocked") + "/trb/"};
    const config::RecentFiles recent = {"/data/a.trb", "", "", ""};
    ScriptedDialogs d;
    EXPECT_FALSE(WriteSessionChecked(places, "/data/", recent, d));
    ASSERT_EQ(d.Entries("box").size(), 1u);
    EXPECT_EQ(d.Entries("box")[0].text, "Liste der zuletzt geöffneten Dateien nicht gespeichert: Datei " +
                                            Path("blocked") +
                                            "/trb/trb.cff: Fehler bei Zugriff auf Diskette/Platte");
    places.configFolder = Folder();
    EXPECT_TRUE(WriteSessionChecked(places, "/data/", recent, d));
    EXPECT_EQ(d.Entries("box").size(), 1u);
    EXPECT_EQ(config::ReadSession(Folder()), recent);
}

TEST_F(SettingsFiles, AnUnusableTemporaryFolderIsAskedForAgain) {
    ScriptedDialogs d;
    config::ConfigSettings s;
    s.cadFolder = Folder();
    s.tempFolder = Path("gone");
    s.ediFolder = Folder();
    s.defaultDataFolder = Folder();
    d.Reply(" /tmp ");
    ValidateFolders(s, Folder(), d);
    ASSERT_EQ(d.transcript.size(), 2u);
    EXPECT_EQ(d.transcript[0].text, "ungültiger Ordner für temporäre Dateien konfiguriert");
    EXPECT_EQ(d.transcript[1].text, "Ordner für temporäre Dateien");
    EXPECT_EQ(d.transcript[1].number, 60);
    EXPECT_EQ(s.tempFolder, "/tmp/");
}

TEST_F(SettingsFiles, AskUserFolderAcceptsOnlyAFolderBelowTheDataFolder) {
    std::filesystem::create_directories(root_ / "alice");
    config::ConfigSettings s;
    s.defaultDataFolder = Folder();
    std::string user;
    ScriptedDialogs d;
    d.Reply("alice").Reply("..").Reply("bob").ReplyCancel();
    EXPECT_TRUE(AskUserFolder(s, user, d));
    EXPECT_EQ(user, "alice");
    EXPECT_EQ(d.CurrentHelpNumber(), 1120);
    EXPECT_EQ(d.transcript[0].text, "Passwort (User) eingeben ...");
    EXPECT_EQ(d.transcript[0].number, 8);
    EXPECT_FALSE(AskUserFolder(s, user, d));
    EXPECT_EQ(d.transcript.back().text, "Ungültiges Passwort .. !");
    EXPECT_FALSE(AskUserFolder(s, user, d));
    EXPECT_FALSE(AskUserFolder(s, user, d));
    EXPECT_EQ(user, "alice");
}

}  // namespace
}  // namespace trb::ui
