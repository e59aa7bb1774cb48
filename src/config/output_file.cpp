#include "config/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "config/stale_files.h"
#include "text/format.h"

namespace trb::config {

namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int kMostLinks = 40;

// Write-protected: no write permission at all (which even the superuser's saves respect), or none
// for this user.
bool WriteProtected(const std::string& path, const struct stat& info) {
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

int FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int followed = 0; followed <= kMostLinks; ++followed) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) return errno;
        link.resize(static_cast<std::size_t>(length));
        target = (!link.empty() && link.front() == '/') ? link : text::FolderOfPath(target) + link;
    }
    return ELOOP;
}

void RemoveStaleTemporaryFiles(const std::string& folder, const std::string& name) {
    const std::string prefix = "." + name + ".";
    RemoveStaleEntries(folder, EntryKind::File,
                       [&prefix](std::string_view entry) { return IsUniqueName(entry, prefix); });
}

OutputFile::~OutputFile() {
    Discard();
}

int OutputFile::Create(const std::string& path, ExistingLink link) {
    Discard();
    brokeHardLinks_ = false;
    if (path.empty() || path.back() == '/') return ENOENT;
    std::string target = path;
    if (link == ExistingLink::WriteThrough) {
        if (const int error = FollowLinks(path, target)) return error;
    }
    struct stat existing {};
    const bool exists = ::lstat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    if (exists && WriteProtected(target, existing)) return EACCES;

    const std::string folder = text::FolderOfPath(target);
    const std::string name = text::NameOfPath(target);
    RemoveStaleTemporaryFiles(folder, name);
    // mkstemp creates exclusively: a file or link planted under the temporary name is never opened.
    std::string pattern = folder + "." + name + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    MarkInUse(fd);
    // New files get the usual permissions; an existing file keeps its own.
    if (exists) {
        ::fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    fd_ = fd;
    path_ = path;
    target_ = target;
    temporary_ = pattern;
    hardLinked_ = exists && existing.st_nlink > 1;
    return 0;
}

int OutputFile::Write(std::string_view text) {
    if (fd_ < 0) return EBADF;
    while (!text.empty()) {
        const ssize_t n = ::write(fd_, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int OutputFile::Commit() {
    if (fd_ < 0) return EBADF;
    int error = 0;
    if (sync_(fd_) != 0 && errno != EINVAL && errno != EROFS) error = errno;
    if (::close(fd_) != 0 && error == 0) error = errno;
    fd_ = -1;
    if (error == 0 && std::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary_.c_str());
    brokeHardLinks_ = error == 0 && hardLinked_;
    temporary_.clear();
    return error;
}

int OutputFile::RemoveReplaced() {
    if (fd_ < 0) return EBADF;
    if (::unlink(target_.c_str()) != 0 && errno != ENOENT) return errno;
    return 0;
}

void OutputFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

int WriteWholeFile(const std::string& path, std::string_view content) {
    OutputFile file;
    if (const int error = file.Create(path)) return error;
    if (const int error = file.Write(content)) return error;
    return file.Commit();
}

}  // namespace trb::config
