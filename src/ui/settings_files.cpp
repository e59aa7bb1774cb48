#include "ui/settings_files.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "config/temporary_folder.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/checked_file.h"
#include "ui/help_numbers.h"

namespace trb::ui {

namespace {

// Creates and removes a uniquely named file in the folder (never touching existing files).
bool FolderWritable(const std::string& folder) {
    std::string pattern = (folder.empty() ? std::string("./") : text::AddBackslash(folder)) + "x.$$$XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return false;
    ::close(fd);
    return ::unlink(pattern.c_str()) == 0;
}

bool FolderReadable(const std::string& folder) {
    const std::string path = folder.empty() ? std::string(".") : folder;
    std::error_code error;
    return std::filesystem::is_directory(path, error) && ::access(path.c_str(), R_OK | X_OK) == 0;
}

std::string Completed(const std::string& folder, const std::string& fallback) {
    const std::string trimmed = text::TrimText(folder);
    return text::AddBackslash(trimmed.empty() ? fallback : trimmed);
}

}  // namespace

void WriteConfig(const config::ConfigSettings& settings, const config::ConfigPlaces& places, Dialogs& dialogs,
                 bool& abort) {
    const std::string folder = text::AddBackslash(places.configFolder);
    // A folder the user cannot write is said so plainly, before the checked file operations would
    // ask three times to remove a write protection.
    if (!config::PrepareConfigFolder(places) || !FolderWritable(folder)) {
        dialogs.ShowErrorBox("Konfiguration nicht gespeichert: Ordner " + text::DisplayToOem(folder) +
                             " ist nicht beschreibbar !");
        abort = true;
        return;
    }
    WriteFileChecked(folder + std::string(config::kConfigFileName), config::ConfigText(settings), dialogs,
                     abort);
}

void ValidateFolders(config::ConfigSettings& s, const std::string& startFolder, Dialogs& dialogs,
                     FolderCheck check) {
    // Whether a folder is to be checked: every one, or only one the configuration names.
    const auto checked = [check](const std::string& folder) {
        return check == FolderCheck::All || !text::TrimText(folder).empty();
    };
    const bool cad = checked(s.cadFolder), dbf = checked(s.dbfFolder), plt = checked(s.pltFolder),
               temp = checked(s.tempFolder), edi = checked(s.ediFolder), data = checked(s.defaultDataFolder);
    const std::string dataFolder = config::DataFolder();
    s.cadFolder = text::AddBackslash(s.cadFolder);
    s.tempFolder = Completed(s.tempFolder, config::TemporaryFolder());
    s.dbfFolder = Completed(s.dbfFolder, dataFolder);
    s.pltFolder = Completed(s.pltFolder, dataFolder);
    s.ediFolder = Completed(s.ediFolder, startFolder);
    s.defaultDataFolder = Completed(s.defaultDataFolder, startFolder);

    if (cad && !FolderWritable(s.cadFolder)) dialogs.ShowErrorBox("ung\x81ltiger CAD Ordner konfiguriert");
    if (dbf && !FolderReadable(s.dbfFolder)) dialogs.ShowErrorBox("ung\x81ltiger DBF Ordner konfiguriert");
    if (plt && !FolderReadable(s.pltFolder)) dialogs.ShowErrorBox("ung\x81ltiger PLT Ordner konfiguriert");
    if (temp && !FolderWritable(s.tempFolder)) {
        dialogs.ShowErrorBox("ung\x81ltiger Ordner f\x81r tempor\x84re Dateien konfiguriert");
        std::string answer = s.tempFolder;
        bool abort = false;
        dialogs.AskText("Ordner f\x81r tempor\x84re Dateien", 60, answer, abort);
        if (!abort) s.tempFolder = text::AddBackslash(answer);
    }
    if (edi && !FolderWritable(s.ediFolder)) dialogs.ShowErrorBox("ung\x81ltiger EDI Ordner konfiguriert");
    if (data && !FolderWritable(s.defaultDataFolder))
        dialogs.ShowErrorBox("ung\x81ltiger Data Ordner konfiguriert");
}

bool WriteSessionChecked(const config::ConfigPlaces& places, const std::string& dataFolder,
                         const config::RecentFiles& files, Dialogs& dialogs) {
    const std::string path = config::SessionFilePath(places.configFolder);
    int error = config::PrepareConfigFolder(places) ? 0 : ENOENT;
    if (error == 0) error = config::WriteSession(places.configFolder, dataFolder, files);
    if (error == 0) return true;
    dialogs.ShowErrorBox(
        "Liste der zuletzt ge\x94"
        "ffneten Dateien nicht gespeichert: Datei " +
        text::DisplayToOem(path) + ": " + FileErrorText(FileOperation::Write, error));
    return false;
}

bool AskUserFolder(const config::ConfigSettings& settings, std::string& userPart, Dialogs& dialogs) {
    dialogs.SetHelpNumber(help::kHelpUserFolder);
    std::string name;
    bool abort = false;
    dialogs.AskText("Passwort (User) eingeben ...", 8, name, abort);
    if (abort) return false;
    const std::string folder = text::AddBackslash(settings.defaultDataFolder);
    std::error_code error;
    if (!std::filesystem::is_directory(folder.empty() ? "." : folder, error))
        dialogs.ShowErrorBox("Invalid Directory " + folder);
    const bool malformed = name.empty() || name == ".." || name == "." ||
                           name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
                           (name.size() > 1 && name[1] == ':');
    if (malformed || !std::filesystem::is_directory((folder.empty() ? "./" : folder) + name, error)) {
        dialogs.ShowErrorBox("Ung\x81ltiges Passwort " + name + " !");
        return false;
    }
    userPart = name;
    return true;
}

}  // namespace trb::ui
