#include "tables/memo_file.h"

#include <algorithm>

#include "tables/byte_order.h"
#include "tables/dbf_error.h"

namespace trb::tables {

namespace {

constexpr char kMemoEnd = 0x1A;
constexpr std::uint32_t kMaxBlock = 0x7FFFFF;  // about 4 GB of memo text

}  // namespace

void MemoFile::Create(const std::filesystem::path& path) {
    std::string header(kBlockSize, '\0');
    WriteLe32(header.data(), 1);
    header[16] = 0x03;
    WriteFileReplacing(path, header);
}

void MemoFile::Open(const std::filesystem::path& path) {
    if (file_.IsOpen()) throw DbfError(DbfErrorCode::MemoAlreadyOpen, path.string());
    file_ = FileHandle::OpenReadWrite(path);
    char header[4];
    file_.ReadExact(0, header, sizeof header);
}

std::string MemoFile::Read(std::uint32_t block) const {
    if (block == 0) return {};
    const std::uint64_t start = static_cast<std::uint64_t>(block) * kBlockSize;
    if (block > kMaxBlock || start >= file_.Size())
        throw DbfError(DbfErrorCode::InvalidMemoAddress, file_.Name());
    std::string text;
    char chunk[kBlockSize];
    for (std::uint64_t offset = start;; offset += kBlockSize) {
        const std::size_t n = file_.ReadAt(offset, chunk, kBlockSize);
        if (offset == start && n >= 4 && static_cast<unsigned char>(chunk[0]) == 0xFF &&
            static_cast<unsigned char>(chunk[1]) == 0xFF && chunk[2] == 0x08 && chunk[3] == 0x00)
            throw DbfError(DbfErrorCode::Dbase4Memo, file_.Name());
        const char* end = std::find(chunk, chunk + n, kMemoEnd);
        text.append(chunk, static_cast<std::size_t>(end - chunk));
        if (end != chunk + n || n < kBlockSize) break;
    }
    return text;
}

std::uint32_t MemoFile::Append(std::string_view text) {
    char header[4];
    file_.ReadExact(0, header, sizeof header);
    std::uint32_t block = ReadLe32(header);
    // A damaged "next block" pointer must not let a new memo overwrite existing ones.
    const std::uint64_t size = file_.Size();
    const auto blocksInFile =
        static_cast<std::uint32_t>(std::min<std::uint64_t>((size + kBlockSize - 1) / kBlockSize, kMaxBlock));
    block = std::max({block, blocksInFile, std::uint32_t{1}});
    std::string data(text);
    std::replace(data.begin(), data.end(), kMemoEnd, ' ');
    data.append(2, kMemoEnd);
    const std::size_t blocks = (data.size() + kBlockSize - 1) / kBlockSize;
    if (block + blocks > kMaxBlock) throw DbfError(DbfErrorCode::MemoWriteError, file_.Name());
    data.resize(blocks * kBlockSize, '\0');
    try {
        file_.WriteAt(static_cast<std::uint64_t>(block) * kBlockSize, data.data(), data.size());
        WriteLe32(header, block + static_cast<std::uint32_t>(blocks));
        file_.WriteAt(0, header, sizeof header);
    } catch (const DbfError&) {
        throw DbfError(DbfErrorCode::MemoWriteError, file_.Name());
    }
    return block;
}

std::uint32_t ParseMemoBlock(std::string_view raw) {
    std::uint64_t value = 0;
    for (char c : raw) {
        if (c == ' ' || c == '\0') continue;
        if (c < '0' || c > '9') throw DbfError(DbfErrorCode::InvalidMemoAddress);
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > kMaxBlock) throw DbfError(DbfErrorCode::InvalidMemoAddress);
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace trb::tables
