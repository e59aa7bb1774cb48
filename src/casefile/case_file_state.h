#pragma once

#include <string>
#include <string_view>

#include "casefile/recent_files.h"

// Which case is loaded and where it lives.
namespace trb::casefile {

inline constexpr const char* kCaseExtension = "trb";
inline constexpr const char* kDefaultCaseName = "null";  // "null.trb", the default case

// Names, folders and paths are kept as the file system spells them (UTF-8).
struct CaseFileState {
    std::string name;    // without folder and extension; empty for an unnamed case
    std::string folder;  // the case's folder, with or without a final "/"
    bool modified = false;
    bool commandLineFile = false;  // started with a case file: `name` holds the full path, folder is empty
    RecentFileList recent;
    // The extension the case is saved with: "trb", or the one of the file it was opened from (a
    // case started as "test.edi" stays test.edi).
    std::string extension = kCaseExtension;
};

// The extension of a file name (without the "."), or "trb" when it has none.
std::string CaseExtensionOf(std::string_view path);

// `folder` + `file` with exactly the separator between them that is needed (none for an empty folder).
// Unlike text::AddBackslash, the folder is taken exactly as the file system spells it, blanks included.
std::string InFolder(std::string_view folder, std::string_view file);

// The file a case name refers to: a name without a folder gets the folder in front, and a name whose
// file part has no "." gets ".trb" behind.
std::string CaseFilePath(std::string_view folder, std::string_view name);

// The file of the current case: folder + name + ".trb", or the full path of a command-line file.
std::string CurrentCaseFile(const CaseFileState& state);
// The file a drawing names for the case: CurrentCaseFile, empty for an unnamed case.
std::string NamedCaseFile(const CaseFileState& state);

// How the window title names the case: its file name with its extension ("x.v1.trb", also when the
// name holds a dot), the path as given for a command-line file; empty for an unnamed case.
std::string CaseTitleName(const CaseFileState& state);

// Puts the case `name` of the current folder (folder + name + ".trb") into entry 1 of the recent list.
void AddRecentFile(CaseFileState& state, std::string_view name);

}  // namespace trb::casefile
