#include "config/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace trb::config {

OutputFile::~OutputFile() {
    Discard();
}

int OutputFile::Create(const std::string& path) {
    Discard();
    if (path.empty() || path.back() == '/') return ENOENT;
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string pattern = folder + "." + name + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return errno;
    // New files get the usual permissions; an existing file keeps its own.
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0) {
        fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    fd_ = fd;
    path_ = path;
    temporary_ = pattern;
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
    if (error == 0 && std::rename(temporary_.c_str(), path_.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary_.c_str());
    temporary_.clear();
    return error;
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
