#pragma once

#include <string_view>

#include "casefile/case_file_state.h"
#include "casefile/case_format.h"

namespace trb::config {
struct ConfigSettings;
}
namespace trb::ui {
class Dialogs;
}

// Saving and opening case files, and the questions around them.
namespace trb::casefile {

// What the case-file commands work on.
struct CaseFileContext {
    CaseContent content;
    CaseFileState& state;
    const config::ConfigSettings& settings;
    std::string_view programTitle;  // written into line 2 of the file (code page 850)
    ui::Dialogs& dialogs;
    bool& abort;
};

// Writes the case. An empty name asks with the save dialog (the chosen file becomes the current
// case); otherwise the file is named by CaseFilePath. An existing file is overwritten only after the
// overwrite question (skipped while it is switched off and for "aktuell" files). The file is written to
// a temporary file beside it and renamed into place, so a failed write keeps the previous file.
// Cancel or failure sets the abort flag. Archive mode refuses every name but "aktuell".
void WriteCaseFile(CaseFileContext& context, std::string_view name);

// Reads a case file into the record, the title data, the documentation and the documents. Sets the
// abort flag (with a message) when the file cannot be read at all; a short or damaged file is read as
// far as it goes.
void ReadCaseFile(CaseFileContext& context, std::string_view name);

// Writes under the current name without the overwrite question.
void SaveCase(CaseFileContext& context);

// Before the case is replaced: offers to save a changed case ("Speichern", through the save dialog
// for an unnamed case), to discard it or to cancel. Sets the abort flag when the user cancels, here
// or in the save dialog, or when saving failed.
void AskSaveChanges(CaseFileContext& context);

enum class RecentOpenResult { Cancelled, Opened, ReadFailed, NotFound };

// Opens recent entry i (1..4) after AskSaveChanges. Opened: the caller recalculates and redraws.
// NotFound: the entry was removed (the caller refreshes the menu). The caller refreshes the title always.
RecentOpenResult OpenRecentFile(CaseFileContext& context, int i);

// Reads "null.trb" of the current folder when it exists and leaves the case unnamed and unmodified.
// True when it was read.
bool LoadDefaultCase(CaseFileContext& context);

}  // namespace trb::casefile
