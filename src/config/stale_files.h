#pragma once

#include <functional>
#include <string>
#include <string_view>

// What runs that were killed leave behind: temporary files beside outputs and private temporary
// folders. A run marks what it is using with a lock; the next run removes what is older than a day
// and that nobody holds locked.
namespace trb::config {

// Marks the open file or folder as in use for as long as the descriptor stays open. False when the
// file system has no locks (the mark is then left out).
bool MarkInUse(int descriptor);

enum class EntryKind { File, Folder };

// Removes the entries of `folder` ("" is the current folder) whose names `matches` accepts and that
// are stale: of this user, of the given kind (never a link), unchanged for a day and not marked in
// use. A folder goes with everything in it.
void RemoveStaleEntries(const std::string& folder, EntryKind kind,
                        const std::function<bool(std::string_view name)>& matches);

// True when `name` is `prefix` followed by the six characters mkstemp and mkdtemp put in place of
// "XXXXXX".
bool IsUniqueName(std::string_view name, std::string_view prefix);

}  // namespace trb::config
