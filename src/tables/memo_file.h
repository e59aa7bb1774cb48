#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "tables/file_handle.h"

namespace trb::tables {

// A dBase III memo file (.dbt): 512-byte blocks, block 0 holds the number of the next free block,
// each memo starts at a block boundary and ends with two 0x1A bytes. New memos are always appended.
class MemoFile {
  public:
    static constexpr std::size_t kBlockSize = 512;

    // Creates an empty memo file (replacing any file of that name).
    static void Create(const std::filesystem::path& path);

    void Open(const std::filesystem::path& path);
    void Close() { file_.Close(); }
    bool IsOpen() const { return file_.IsOpen(); }

    // The memo text starting at `block`. Throws "Unzulässige Memo-Adresse" for a block outside the
    // file and "dBASE IV Memo-Dateien nicht unterstützt" for a dBase IV memo block.
    std::string Read(std::uint32_t block) const;
    // Writes the text into new blocks at the end and returns the first block's number. A 0x1A byte
    // inside the text would end the memo early and is stored as a blank.
    std::uint32_t Append(std::string_view text);

  private:
    FileHandle file_;
};

// The memo block number stored in an M field: 0 for a blank field; throws "Unzulässige Memo-Adresse"
// for anything but digits and blanks.
std::uint32_t ParseMemoBlock(std::string_view raw);

}  // namespace trb::tables
