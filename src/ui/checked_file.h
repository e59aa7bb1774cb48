#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/output_file.h"
#include "ui/dialogs.h"

// Checked file operations: failures are shown as German error boxes and set the abort flag.
// Files are written under a temporary name in the same folder and renamed into place when
// closed, so a failed write never destroys the previous file.
namespace trb::ui {

using config::OutputFile;

// The German text for an errno value in the given operation.
enum class FileOperation { Write, Close, Rewrite, Create };
std::string FileErrorText(FileOperation operation, int error);

// Creates the file; on failure shows the error and, where the user can act on it, tries again (a
// few times), then gives up with the abort flag. A batch run shows the error once. True when the file
// is open.
bool CreateChecked(OutputFile& file, const std::string& path, Dialogs& dialogs, bool& abort,
                   config::ExistingLink link = config::ExistingLink::WriteThrough);
// Creates the file once.
bool RewriteChecked(OutputFile& file, const std::string& path, Dialogs& dialogs, bool& abort);
// Does nothing while the abort flag is set.
void WriteChecked(OutputFile& file, std::string_view text, Dialogs& dialogs, bool& abort);
// Finishes the file and renames it into place; with the abort flag set the file is discarded. When
// the file replaced had further names (hard links), a note says that they keep the old content.
void CloseChecked(OutputFile& file, Dialogs& dialogs, bool& abort);
// That note (code page 850).
std::string HardLinksNote(const std::string& path);
// Writes a whole file at once through the checked operations.
bool WriteFileChecked(const std::string& path, std::string_view content, Dialogs& dialogs, bool& abort,
                      config::ExistingLink link = config::ExistingLink::WriteThrough);

// Writes files that belong together (the outputs of one run) so that a reader never finds files of
// two runs side by side, however the writing ends: each is written whole under a temporary name,
// then the previous files are removed, and the files take their names in the given order. A reader
// who finds the last one finds all of its run. `sync` is what flushes each to the disk (tests stop
// the writing there).
struct FileContent {
    std::string path;
    std::string content;
};
bool WriteFilesTogether(const std::vector<FileContent>& files, Dialogs& dialogs, bool& abort,
                        const OutputFile::SyncFunction& sync = ::fsync);

// Opens and closes the file; failure shows "Datei <name> nicht gefunden oder kein Zugriffsrecht !".
bool CheckReadable(const std::string& name, Dialogs& dialogs, bool& abort);
// Asks before overwriting an existing file (unless its name holds "aktuell" or the overwrite
// question is off); No or Cancel set the abort flag.
void AskOverwrite(const std::string& name, Dialogs& dialogs, bool& abort);
// Asks before overwriting an existing file (unless its name holds "aktuell" or the overwrite
// question is off), then tests that the name can be created.
void CheckNewFile(const std::string& name, Dialogs& dialogs, bool& abort);

// Where a case or text output is saved.
struct SaveContext {
    std::string dataFolder;         // with "/"
    std::string extension = "trb";  // the current case extension
    std::string caseName;           // set when the save dialog chose a name
    bool archiveMode = false;
    bool batchRun = false;  // ended by a save outside archive mode
};

// The full path to save to ("" with the abort flag set when refused or cancelled).
std::string AskSaveFile(std::string_view name, SaveContext& context, Dialogs& dialogs, bool& abort);

}  // namespace trb::ui
