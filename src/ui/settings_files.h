#pragma once

#include <string>

#include "config/config_file.h"
#include "config/settings.h"
#include "ui/dialogs.h"

// The configuration operations that talk to the user.
namespace trb::ui {

// Writes trb.cfg into the configuration folder (the folder of the file read at start, else the
// per-user folder, created when missing) through the checked file operations: to a temporary
// name, renamed into place, so a failed write keeps the previous file. An unwritable folder is
// reported and sets the abort flag.
void WriteConfig(const config::ConfigSettings& settings, const config::ConfigPlaces& places, Dialogs& dialogs,
                 bool& abort);

// Completes empty folders (temporary folder from $TMPDIR, else /tmp; the others the start
// folder), checks that the CAD, temporary, EDI and data folders are writable and the DBF and
// PLT folders readable, reports each failure once and asks for a new temporary folder.
// `ConfiguredOnly` (the batch modes, which write beside the case or into the current folder)
// checks only the folders the configuration names: a folder nobody configured is no fault to
// report there.
enum class FolderCheck { All, ConfiguredOnly };
void ValidateFolders(config::ConfigSettings& settings, const std::string& startFolder, Dialogs& dialogs,
                     FolderCheck check = FolderCheck::All);

// Writes the session file (the recent case files) into the configuration folder, made when it is
// the per-user one. A failure (a full disk, a folder that cannot be made) is said in an error box:
// the list would otherwise be lost without a word. True when it was written.
bool WriteSessionChecked(const config::ConfigPlaces& places, const std::string& dataFolder,
                         const config::RecentFiles& files, Dialogs& dialogs);

// Asks for the user name at start; the user folder below the default data folder. Returns
// false when the program must end (cancelled or invalid). The user part is stored in userPart.
bool AskUserFolder(const config::ConfigSettings& settings, std::string& userPart, Dialogs& dialogs);

}  // namespace trb::ui
