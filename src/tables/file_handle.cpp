#include "tables/file_handle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "config/output_file.h"
#include "tables/dbf_error.h"

namespace trb::tables {

FileHandle::~FileHandle() {
    Close();
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), readOnly_(other.readOnly_), name_(std::move(other.name_)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        readOnly_ = other.readOnly_;
        name_ = std::move(other.name_);
    }
    return *this;
}

FileHandle FileHandle::OpenReadWrite(const std::filesystem::path& path) {
    FileHandle file;
    file.name_ = path.string();
    // Non-blocking, so that a FIFO in place of a table is refused below instead of hanging the
    // open; regular files ignore the flag.
    file.fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (file.fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        file.fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        file.readOnly_ = true;
    }
    if (file.fd_ < 0) ThrowErrno(errno, file.name_);
    struct stat info {};
    if (::fstat(file.fd_, &info) == 0 && !S_ISREG(info.st_mode))
        throw DbfError(DbfErrorCode::NotDbase, file.name_);
    return file;
}

FileHandle FileHandle::OpenReadOnly(const std::filesystem::path& path) {
    FileHandle file;
    file.name_ = path.string();
    file.readOnly_ = true;
    file.fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file.fd_ < 0) ThrowErrno(errno, file.name_);
    struct stat info {};
    if (::fstat(file.fd_, &info) == 0 && !S_ISREG(info.st_mode))
        throw DbfError(DbfErrorCode::NotDbase, file.name_);
    return file;
}

std::uint64_t FileHandle::Size() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) ThrowErrno(errno, name_);
    return static_cast<std::uint64_t>(info.st_size);
}

std::size_t FileHandle::ReadAt(std::uint64_t offset, void* data, std::size_t count) const {
    auto* out = static_cast<char*>(data);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, out + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, name_);
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void FileHandle::ReadExact(std::uint64_t offset, void* data, std::size_t count) const {
    if (ReadAt(offset, data, count) != count) throw DbfError(DbfErrorCode::UnexpectedEof, name_);
}

void FileHandle::WriteAt(std::uint64_t offset, const void* data, std::size_t count) {
    if (readOnly_) throw DbfError(DbfErrorCode::AccessDenied, name_);
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd_, in + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, name_);
        }
        done += static_cast<std::size_t>(n);
    }
}

void FileHandle::Truncate(std::uint64_t size) {
    if (readOnly_) throw DbfError(DbfErrorCode::AccessDenied, name_);
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) ThrowErrno(errno, name_);
}

void FileHandle::Sync() {
    if (fd_ >= 0 && !readOnly_ && ::fsync(fd_) != 0) ThrowErrno(errno, name_);
}

void FileHandle::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

void WriteFileReplacing(const std::filesystem::path& target, const std::string& bytes, bool durable) {
    config::OutputFile file;
    if (!durable) file.UseSync([](int) { return 0; });
    int error = file.Create(target.string());
    if (error == 0) error = file.Write(bytes);
    if (error == 0) error = file.Commit();
    if (error != 0) ThrowErrno(error, target.string());
}

}  // namespace trb::tables
