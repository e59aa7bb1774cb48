#include "config/stale_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <filesystem>

namespace trb::config {

namespace {

constexpr std::time_t kStaleSeconds = 24 * 60 * 60;
constexpr std::size_t kUniqueLength = 6;

bool Stale(const struct stat& info, EntryKind kind, std::time_t now) {
    const bool rightKind = kind == EntryKind::File ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode);
    return rightKind && info.st_uid == ::geteuid() && now - info.st_mtime >= kStaleSeconds;
}

// Removes the entry when, opened without following a link, it is still the one looked at and no
// one holds its mark.
void RemoveUnlocked(const std::string& path, const struct stat& seen, EntryKind kind) {
    const int flags =
        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (kind == EntryKind::Folder ? O_DIRECTORY : 0);
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) return;
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && opened.st_dev == seen.st_dev && opened.st_ino == seen.st_ino &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        std::error_code ignored;
        if (kind == EntryKind::File) {
            ::unlink(path.c_str());
        } else {
            std::filesystem::remove_all(path, ignored);
        }
    }
    ::close(fd);
}

}  // namespace

bool MarkInUse(int descriptor) {
    return ::flock(descriptor, LOCK_SH | LOCK_NB) == 0;
}

bool IsUniqueName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kUniqueLength || name.substr(0, prefix.size()) != prefix) return false;
    for (const char c : name.substr(prefix.size()))
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) return false;
    return true;
}

void RemoveStaleEntries(const std::string& folder, EntryKind kind,
                        const std::function<bool(std::string_view name)>& matches) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!matches(name)) continue;
        const std::string path = prefix + std::string(name);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !Stale(info, kind, now)) continue;
        RemoveUnlocked(path, info, kind);
    }
    ::closedir(dir);
}

}  // namespace trb::config
