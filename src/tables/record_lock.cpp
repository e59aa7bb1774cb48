#include "tables/record_lock.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "tables/dbf_error.h"

namespace trb::tables {

namespace {

int SetLock(int fd, short type, std::uint64_t offset, std::uint64_t length) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(length);
    lock.l_pid = 0;  // required for open-file-description locks
    return ::fcntl(fd, F_OFD_SETLK, &lock);
}

}  // namespace

bool LockRange(int fd, std::uint64_t offset, std::uint64_t length, std::chrono::milliseconds patience,
               LockMode mode) {
    const short type = mode == LockMode::Shared ? F_RDLCK : F_WRLCK;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        if (SetLock(fd, type, offset, length) == 0) return true;
        if (errno != EACCES && errno != EAGAIN && errno != EINTR) throw DbfError(DbfErrorCode::LockViolation);
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20000));
    }
}

bool ShareRange(int fd, std::uint64_t offset, std::uint64_t length) {
    return SetLock(fd, F_RDLCK, offset, length) == 0;
}

void UnlockRange(int fd, std::uint64_t offset, std::uint64_t length) {
    SetLock(fd, F_UNLCK, offset, length);
}

}  // namespace trb::tables
