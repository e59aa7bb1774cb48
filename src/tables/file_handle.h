#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace trb::tables {

// An open file descriptor with positioned reads and writes that throw the engine's errors.
// Positioned I/O keeps one descriptor per file, which the POSIX record locks require: closing any
// other descriptor of the same file would drop this process's locks.
class FileHandle {
  public:
    FileHandle() = default;
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;

    // Opens for reading and writing; falls back to reading only when writing is refused.
    static FileHandle OpenReadWrite(const std::filesystem::path& path);
    static FileHandle OpenReadOnly(const std::filesystem::path& path);

    bool IsOpen() const { return fd_ >= 0; }
    bool IsReadOnly() const { return readOnly_; }
    int Descriptor() const { return fd_; }
    const std::string& Name() const { return name_; }

    std::uint64_t Size() const;
    // Reads up to `count` bytes at `offset`; returns the number read (less at the end of the file).
    std::size_t ReadAt(std::uint64_t offset, void* data, std::size_t count) const;
    // Reads exactly `count` bytes or throws "Unerwartetes Dateiende".
    void ReadExact(std::uint64_t offset, void* data, std::size_t count) const;
    void WriteAt(std::uint64_t offset, const void* data, std::size_t count);
    void Truncate(std::uint64_t size);
    void Sync();
    void Close();

  private:
    int fd_ = -1;
    bool readOnly_ = false;
    std::string name_;
};

// True when both paths name one existing file (also through links).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Writes `bytes` to a temporary file beside `target` (created exclusively, see config::OutputFile)
// and renames it into place, so a failed write never destroys the previous file. `durable` flushes the data
// to the disk before the rename; files that are rebuilt on every use (sort indexes) skip that.
void WriteFileReplacing(const std::filesystem::path& target, const std::string& bytes, bool durable = true);

}  // namespace trb::tables
