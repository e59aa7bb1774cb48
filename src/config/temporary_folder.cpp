#include "config/temporary_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>

#include "config/stale_files.h"

namespace trb::config {

namespace {

constexpr std::string_view kFolderPrefix = "trb-";

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// The private folders of this process by base; removed when the program ends (static destruction
// runs on a return from main and on exit()). Each folder belongs to the process that made it: a
// forked child neither writes into its parent's folders nor removes them when it ends.
class PrivateFolders {
  public:
    ~PrivateFolders() { RemoveAll(); }

    std::string For(const std::string& base) {
        const std::lock_guard lock(mutex_);
        auto found = folders_.find(base);
        if (found != folders_.end()) {
            std::error_code error;
            if (found->second.owner == ::getpid() && std::filesystem::is_directory(found->second.path, error))
                return found->second.path;
            folders_.erase(found);  // removed behind our back, or a parent's: make a fresh one
        }
        // What killed runs left in this base goes first; the folders of running ones are marked.
        RemoveStaleEntries(base, EntryKind::Folder,
                           [](std::string_view name) { return IsUniqueName(name, kFolderPrefix); });
        std::string pattern = base + std::string(kFolderPrefix) + "XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) return {};
        const int mark = ::open(pattern.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (mark >= 0) MarkInUse(mark);
        return folders_.emplace(base, Folder{WithSlash(pattern), ::getpid(), mark}).first->second.path;
    }

    void RemoveAll() {
        const std::lock_guard lock(mutex_);
        for (auto it = folders_.begin(); it != folders_.end();) {
            if (it->second.owner != ::getpid()) {
                ++it;
                continue;
            }
            std::error_code ignored;
            std::filesystem::remove_all(it->second.path, ignored);
            if (it->second.mark >= 0) ::close(it->second.mark);
            it = folders_.erase(it);
        }
    }

  private:
    struct Folder {
        std::string path;
        pid_t owner;
        int mark;  // the open folder, locked while this process uses it
    };
    std::mutex mutex_;
    std::map<std::string, Folder> folders_;
};

PrivateFolders& Folders() {
    static PrivateFolders folders;
    return folders;
}

}  // namespace

std::string TemporaryFolder(std::string_view configured) {
    std::string folder = Trimmed(configured);
    if (folder.empty()) {
        const char* environment = std::getenv("TMPDIR");
        folder = (environment != nullptr && *environment != '\0') ? environment : "/tmp";
    }
    return WithSlash(folder);
}

std::string PrivateTemporaryFolder(std::string_view configured) {
    return Folders().For(TemporaryFolder(configured));
}

void RemovePrivateTemporaryFolders() {
    Folders().RemoveAll();
}

}  // namespace trb::config
