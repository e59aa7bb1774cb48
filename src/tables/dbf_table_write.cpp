// Writing to a table: posting and appending records, deletion and packing, indexes, locks.
#include <sys/stat.h>

#include <algorithm>

#include "tables/byte_order.h"
#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "tables/field_text.h"
#include "tables/key_expression.h"
#include "tables/ndx_index.h"
#include "tables/record_lock.h"

namespace trb::tables {

namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
    FileHandle file = FileHandle::OpenReadOnly(path);
    const std::uint64_t size = file.Size();
    if (size > (std::uint64_t{1} << 31)) throw DbfError(DbfErrorCode::CorruptIndex, path.string());
    std::string bytes(static_cast<std::size_t>(size), '\0');
    bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
    return bytes;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace

void DbfTable::WriteMemos() {
    for (const auto& [field, text] : pendingMemos_) {
        const DbfField& f = FieldInfo(field);
        std::string stored(static_cast<std::size_t>(f.length), ' ');
        if (!text.empty()) {
            const std::string block = std::to_string(memo_.Append(text));
            stored.replace(stored.size() - block.size(), block.size(), block);
        }
        buffer_.replace(static_cast<std::size_t>(f.offset), stored.size(), stored);
    }
    pendingMemos_.clear();
}

void DbfTable::WriteRecordCount() {
    // Only the date and the record count change; the rest of the header stays as it was.
    std::string lead = BuildDbfLeadHeader(structure_);
    file_.WriteAt(1, lead.data() + 1, 7);
}

void DbfTable::AppendRecords(const std::vector<std::string>& records) {
    if (records.empty()) return;
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    // Another process may have appended since the header was read.
    Refresh();
    std::string bytes;
    bytes.reserve(records.size() * structure_.recordLength + 1);
    for (const std::string& r : records) bytes += r;
    bytes += kDbfEndOfFile;
    const std::uint64_t offset = structure_.headerLength +
                                 static_cast<std::uint64_t>(structure_.recordCount) * structure_.recordLength;
    file_.WriteAt(offset, bytes.data(), bytes.size());
    structure_.recordCount += static_cast<std::uint32_t>(records.size());
    WriteRecordCount();
    RebuildIndex();
}

void DbfTable::Post() {
    RequireOpen();
    if (state_ == BufferState::Browse) return;
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    WriteMemos();
    if (state_ == BufferState::Insert) {
        state_ = BufferState::Browse;
        AppendRecords({buffer_});
        recNo_ = RecordCount();
        bof_ = eof_ = false;
    } else {
        state_ = BufferState::Browse;
        const std::uint64_t offset =
            structure_.headerLength + static_cast<std::uint64_t>(recNo_ - 1) * structure_.recordLength;
        file_.WriteAt(offset, buffer_.data(), buffer_.size());
        RebuildIndex();
    }
    LoadBuffer();
}

void DbfTable::AppendRec() {
    RequireOpen();
    if (buffer_.empty()) buffer_ = BlankRecord();
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    WriteMemos();
    std::string record = buffer_;
    record[0] = ' ';
    state_ = BufferState::Browse;
    AppendRecords({record});
    if (recNo_ == 0) {
        recNo_ = 1;
        bof_ = eof_ = false;
    }
    LoadBuffer();
}

void DbfTable::Delete() {
    CheckRecord(recNo_);
    PostIfEditing();
    const std::uint64_t offset =
        structure_.headerLength + static_cast<std::uint64_t>(recNo_ - 1) * structure_.recordLength;
    file_.WriteAt(offset, "*", 1);
    buffer_[0] = '*';
}

void DbfTable::Recall() {
    CheckRecord(recNo_);
    PostIfEditing();
    const std::uint64_t offset =
        structure_.headerLength + static_cast<std::uint64_t>(recNo_ - 1) * structure_.recordLength;
    file_.WriteAt(offset, " ", 1);
    buffer_[0] = ' ';
}

void DbfTable::Pack() {
    RequireOpen();
    PostIfEditing();
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    const bool hadFileLock = fileLocked_;
    if (!hadFileLock &&
        !LockRange(file_.Descriptor(), kAppendLockOffset, kFileLockLength, std::chrono::milliseconds(200)))
        throw DbfError(DbfErrorCode::ExclusiveRequired, path_.string());
    try {
        Refresh();
        // Compacting forwards only overwrites slots already copied or deleted, so an interruption
        // can duplicate records but never lose one.
        std::uint32_t kept = 0;
        for (std::uint32_t r = 1; r <= structure_.recordCount; ++r) {
            const std::string record = ReadRecord(static_cast<int>(r));
            if (record[0] == '*') continue;
            ++kept;
            if (kept != r)
                file_.WriteAt(
                    structure_.headerLength + static_cast<std::uint64_t>(kept - 1) * structure_.recordLength,
                    record.data(), record.size());
        }
        structure_.recordCount = kept;
        const std::uint64_t end =
            structure_.headerLength + static_cast<std::uint64_t>(kept) * structure_.recordLength;
        file_.WriteAt(end, &kDbfEndOfFile, 1);
        WriteRecordCount();
        file_.Truncate(end + 1);
        RebuildIndex();
    } catch (...) {
        ReleasePackLock(hadFileLock);
        throw;
    }
    ReleasePackLock(hadFileLock);
    First();
}

// Releasing the file range also releases an append lock this process holds inside it; that one
// is taken again.
void DbfTable::ReleasePackLock(bool hadFileLock) {
    if (hadFileLock) return;
    UnlockRange(file_.Descriptor(), kAppendLockOffset, kFileLockLength);
    if (appendLocked_) LockRange(file_.Descriptor(), kAppendLockOffset, 1, std::chrono::milliseconds(0));
}

void DbfTable::IndexOn(std::string_view expression, const std::filesystem::path& ndxPath) {
    RequireOpen();
    PostIfEditing();
    const KeyExpression key(expression, structure_.fields);
    std::vector<NdxEntry> entries;
    entries.reserve(structure_.recordCount);
    for (std::uint32_t r = 1; r <= structure_.recordCount; ++r)
        entries.push_back({key.Evaluate(ReadRecord(static_cast<int>(r))), r});
    SortNdxEntries(entries, key.IsNumeric());
    WriteFileReplacing(ndxPath, BuildNdx(key.Text(), key.IsNumeric(), key.KeyLength(), entries), false);
}

void DbfTable::LoadIndex(const std::filesystem::path& ndxPath) {
    NdxContents contents;
    try {
        contents = ReadNdx(ReadWholeFile(ndxPath));
    } catch (const DbfError& e) {
        throw DbfError(e.Code(), ndxPath.string());
    }
    // The key must belong to this table.
    const KeyExpression key(contents.expression, structure_.fields);
    if (key.IsNumeric() != contents.numeric || key.KeyLength() != contents.keyLength)
        throw DbfError(DbfErrorCode::CorruptIndex, ndxPath.string());
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> positionOf(structure_.recordCount + 1, 0);
    for (const NdxEntry& e : contents.entries) {
        if (e.record > structure_.recordCount || positionOf[e.record] != 0)
            throw DbfError(DbfErrorCode::CorruptIndex, ndxPath.string());
        order.push_back(e.record);
        positionOf[e.record] = static_cast<std::uint32_t>(order.size());
    }
    // Records the index does not know yet (appended elsewhere) follow in their natural order.
    for (std::uint32_t r = 1; r <= structure_.recordCount; ++r)
        if (positionOf[r] == 0) {
            order.push_back(r);
            positionOf[r] = static_cast<std::uint32_t>(order.size());
        }
    order_ = std::move(order);
    positionOf_ = std::move(positionOf);
    indexPath_ = ndxPath;
    indexExpression_ = contents.expression;
}

void DbfTable::SetIndexTo(const std::filesystem::path& ndxPath) {
    RequireOpen();
    PostIfEditing();
    if (ndxPath.empty()) {
        indexPath_.clear();
        indexExpression_.clear();
        order_.clear();
        positionOf_.clear();
        return;
    }
    LoadIndex(ndxPath);
}

void DbfTable::RebuildIndex() {
    if (indexPath_.empty()) return;
    const std::filesystem::path path = indexPath_;
    IndexOn(indexExpression_, path);
    LoadIndex(path);
}

void DbfTable::AppendFrom(const std::filesystem::path& other) {
    RequireOpen();
    PostIfEditing();
    // A second descriptor on this very file would drop this process's locks when closed.
    if (SameFile(other, path_)) throw DbfError(DbfErrorCode::AlreadyInUse, other.string());
    DbfTable source;
    source.Open(other);
    std::vector<std::pair<int, int>> pairs;  // (own field, source field)
    for (int f = 1; f <= FieldCount(); ++f)
        if (const int s = source.FieldIndex(Field(f)); s != 0) pairs.emplace_back(f, s);
    std::vector<std::string> records;
    for (int r = 1; r <= source.RecordCount(); ++r) {
        source.Go(r);
        if (source.Deleted()) continue;
        buffer_ = BlankRecord();
        pendingMemos_.clear();
        for (auto [own, theirs] : pairs) {
            const DbfField& target = FieldInfo(own);
            const DbfField& from = source.FieldInfo(theirs);
            if (target.type == 'M' || from.type == 'M') {
                if (target.type == 'M' && from.type == 'M') pendingMemos_[own] = source.MemoText(theirs);
                continue;
            }
            std::string text = source.SField(theirs);
            std::string stored;
            try {
                stored = EncodeFieldText(target, text);
            } catch (const DbfError&) {
                stored =
                    std::string(static_cast<std::size_t>(target.length), ' ');  // does not fit: left blank
            }
            buffer_.replace(static_cast<std::size_t>(target.offset), stored.size(), stored);
        }
        WriteMemos();
        records.push_back(buffer_);
    }
    AppendRecords(records);
    if (recNo_ == 0) First();
    LoadBuffer();
}

bool DbfTable::ALock() {
    RequireOpen();
    if (appendLocked_ || fileLocked_) return true;
    if (!LockRange(file_.Descriptor(), kAppendLockOffset, 1, lockPatience_)) return false;
    appendLocked_ = true;
    Refresh();
    return true;
}

bool DbfTable::FLock() {
    RequireOpen();
    if (fileLocked_) return true;
    if (!LockRange(file_.Descriptor(), kAppendLockOffset, kFileLockLength, lockPatience_)) return false;
    fileLocked_ = true;
    appendLocked_ = false;
    Refresh();
    return true;
}

void DbfTable::UnLock() {
    RequireOpen();
    if (appendLocked_ || fileLocked_) UnlockRange(file_.Descriptor(), kAppendLockOffset, kFileLockLength);
    appendLocked_ = fileLocked_ = false;
}

}  // namespace trb::tables
