#pragma once

#include <chrono>
#include <cstdint>

namespace trb::tables {

// Advisory locks on byte ranges far beyond any real table size, so they never touch data and work
// across processes and, on NFS, across machines. They are open-file-description locks: each opening
// of a table owns its own locks, so that closing one opening never drops the locks of another
// opening of the same file in this process, and two openings in one process exclude each other as
// two processes would. The append lock and every record lock lie inside the file lock's range, so a
// file lock excludes both.
inline constexpr std::uint64_t kAppendLockOffset = 0x40000000;
inline constexpr std::uint64_t kRecordLockBase = kAppendLockOffset + 1;
inline constexpr std::uint64_t kFileLockLength = 0x3FFFFFFF;
// Every opening of the table holds a shared lock on this byte, so that work which needs the table
// to itself (packing) can tell whether anyone else is using it.
inline constexpr std::uint64_t kPresenceOffset = kAppendLockOffset + kFileLockLength;

// The lock byte of record `record` (1-based).
inline constexpr std::uint64_t RecordLockOffset(int record) {
    return kRecordLockBase + static_cast<std::uint64_t>(record - 1);
}

enum class LockMode { Exclusive, Shared };

// Tries to take a lock on [offset, offset + length), retrying until `patience` has passed. Returns
// false when another opening keeps holding a conflicting lock. Throws "Fehler bei Dateisperre" when
// the file system refuses locks altogether.
bool LockRange(int fd, std::uint64_t offset, std::uint64_t length, std::chrono::milliseconds patience,
               LockMode mode = LockMode::Exclusive);
void UnlockRange(int fd, std::uint64_t offset, std::uint64_t length);
// Takes a shared lock on [offset, offset + length) without waiting (an exclusive lock this opening
// holds there is turned back into a shared one). False when it cannot be had.
bool ShareRange(int fd, std::uint64_t offset, std::uint64_t length);

}  // namespace trb::tables
