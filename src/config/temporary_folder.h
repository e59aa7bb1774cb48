#pragma once

#include <string>
#include <string_view>

// Where the program keeps its temporary files. The configured temporary folder is only the base:
// each process makes its own private folder inside it, so two runs at once, or another user's
// files in a shared /tmp, never meet the fixed file names the program uses ("$$$1.txt",
// "outwin.txt", "trb.htm", "KORVIGES.$$$", "$<block>.dx$", "traceon.dxf", ...).
namespace trb::config {

// The base for temporary files: the configured folder when not blank, else $TMPDIR, else "/tmp";
// always with a final "/".
std::string TemporaryFolder(std::string_view configured = {});

// This process's private folder inside TemporaryFolder(configured): "<base>trb-XXXXXX/", made with
// mkdtemp (mode 0700) on first use and removed with everything in it when the process ends. Each
// base gets its own folder. Empty when it cannot be made (the base is missing or not writable);
// callers then refuse to write instead of falling back to a shared place. The folder is locked
// while the process uses it; making one removes the folders of this user that killed runs left in
// the base (older than a day and not locked).
std::string PrivateTemporaryFolder(std::string_view configured = {});

// Removes the private folders made so far; a later PrivateTemporaryFolder makes a new one.
void RemovePrivateTemporaryFolders();

}  // namespace trb::config
