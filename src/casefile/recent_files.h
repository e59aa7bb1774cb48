#pragma once

#include <array>
#include <string>
#include <string_view>

// The four most recently used case files at the end of the File menu; entry 1 is the most recent.
namespace trb::casefile {

inline constexpr int kRecentFileCount = 4;
using RecentFileList = std::array<std::string, kRecentFileCount>;

// Puts `path` (a full case-file path) into entry 1; an equal entry elsewhere is removed first, so a
// file appears once.
void AddRecentPath(RecentFileList& list, std::string_view path);
// Entries i+1..4 move up by one; entry 4 becomes empty. i counts from 1.
void RemoveRecentFile(RecentFileList& list, int i);
// "&" + i + " " + the path; a path of 50 or more characters with two different "/" shows its text
// up to the first "/", "..." and its text from the last "/" on. UTF-8 like the path (menu captions are
// UTF-8).
std::string RecentFileCaption(const RecentFileList& list, int i);

}  // namespace trb::casefile
