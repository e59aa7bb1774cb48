#include "casefile/recent_files.h"

#include <algorithm>

namespace trb::casefile {

namespace {

constexpr std::size_t kShortenFrom = 50;

std::size_t Slot(int i) {
    return static_cast<std::size_t>(i - 1);
}

}  // namespace

void AddRecentPath(RecentFileList& list, std::string_view path) {
    // Paths are compared exactly: on this platform "Case.trb" and "case.trb" are two files.
    for (int i = kRecentFileCount; i >= 1; --i) {
        if (list[Slot(i)] == path) RemoveRecentFile(list, i);
    }
    std::move_backward(list.begin(), list.end() - 1, list.end());
    list[0] = std::string(path);
}

void RemoveRecentFile(RecentFileList& list, int i) {
    if (i < 1 || i > kRecentFileCount) return;
    std::move(list.begin() + i, list.end(), list.begin() + (i - 1));
    list.back().clear();
}

std::string RecentFileCaption(const RecentFileList& list, int i) {
    if (i < 1 || i > kRecentFileCount) return {};
    const std::string& path = list[Slot(i)];
    std::string shown = path;
    const std::size_t first = path.find('/');
    const std::size_t last = path.rfind('/');
    if (path.size() >= kShortenFrom && first != std::string::npos && first != last) {
        shown = path.substr(0, first + 1) + "..." + path.substr(last);
    }
    return "&" + std::to_string(i) + " " + shown;
}

}  // namespace trb::casefile
