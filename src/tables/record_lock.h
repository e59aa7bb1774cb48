#pragma once

#include <chrono>
#include <cstdint>

namespace trb::tables {

// POSIX advisory locks (fcntl) on byte ranges far beyond any real table size, so they never touch
// data and work across processes and, on NFS, across machines. The append lock and every record
// lock lie inside the file lock's range, so a file lock excludes both.
inline constexpr std::uint64_t kAppendLockOffset = 0x40000000;
inline constexpr std::uint64_t kRecordLockBase = kAppendLockOffset + 1;
inline constexpr std::uint64_t kFileLockLength = 0x3FFFFFFF;

// Tries to take an exclusive lock on [offset, offset + length), retrying until `patience` has
// passed. Returns false when another process keeps holding a conflicting lock. Throws
// "Fehler bei Dateisperre" when the file system refuses locks altogether.
bool LockRange(int fd, std::uint64_t offset, std::uint64_t length, std::chrono::milliseconds patience);
void UnlockRange(int fd, std::uint64_t offset, std::uint64_t length);

}  // namespace trb::tables
