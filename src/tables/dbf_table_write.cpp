// Writing to a table: posting and appending records, deletion and packing, indexes, locks.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>

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

}  // namespace

// Holds the append lock or the lock of one record while one write lasts, unless this process
// already holds it or the file lock (releasing a range inside a held lock would punch a hole into
// it). A lock that another process keeps beyond the patience refuses the write.
class DbfTable::WriteLock {
  public:
    // record 0: the append lock.
    WriteLock(DbfTable& table, int record) : table_(table), append_(record == 0) {
        if (table.fileLocked_ || (append_ && table.appendLocked_)) return;
        offset_ = append_ ? kAppendLockOffset : RecordLockOffset(record);
        if (!LockRange(table.file_.Descriptor(), offset_, 1, table.lockPatience_))
            throw DbfError(append_ ? DbfErrorCode::FileNotLocked : DbfErrorCode::RecordNotLocked,
                           table.path_.string());
        taken_ = true;
        // Writes nested inside this one see the lock as held.
        if (append_) table.appendLocked_ = true;
    }
    ~WriteLock() {
        if (!taken_) return;
        UnlockRange(table_.file_.Descriptor(), offset_, 1);
        if (append_) table_.appendLocked_ = false;
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

  private:
    DbfTable& table_;
    bool append_;
    std::uint64_t offset_ = 0;
    bool taken_ = false;
};

void DbfTable::InsideLockedWrite() const {
    if (lockedWriteHook_) lockedWriteHook_();
}

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
    const WriteLock lock(*this, 0);
    // Another process may have appended since the header was read.
    Refresh();
    InsideLockedWrite();
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
    if (state_ == BufferState::Insert) {
        const WriteLock lock(*this, 0);
        WriteMemos();
        state_ = BufferState::Browse;
        AppendRecords({buffer_});
        recNo_ = RecordCount();
        bof_ = eof_ = false;
    } else {
        PostEdit();
    }
    LoadBuffer();
}

// Puts the changed fields of the buffer into `stored`, the record as it is on the disk now.
void DbfTable::StoreChanged(std::string_view changed, std::string& stored) const {
    for (int f = 1; f <= FieldCount(); ++f) {
        if (!changed_[static_cast<std::size_t>(f)]) continue;
        const DbfField& field = structure_.fields[static_cast<std::size_t>(f - 1)];
        stored.replace(
            static_cast<std::size_t>(field.offset), static_cast<std::size_t>(field.length),
            changed.substr(static_cast<std::size_t>(field.offset), static_cast<std::size_t>(field.length)));
    }
}

void DbfTable::PostEdit() {
    const WriteLock lock(*this, recNo_);
    if (!pendingMemos_.empty()) {
        const WriteLock memoLock(*this, 0);
        WriteMemos();
    }
    std::string stored = ReadRecord(recNo_);
    StoreChanged(buffer_, stored);
    InsideLockedWrite();
    state_ = BufferState::Browse;
    const std::uint64_t offset =
        structure_.headerLength + static_cast<std::uint64_t>(recNo_ - 1) * structure_.recordLength;
    file_.WriteAt(offset, stored.data(), stored.size());
    RebuildIndex();
}

void DbfTable::AppendRec() {
    RequireOpen();
    if (buffer_.empty()) buffer_ = BlankRecord();
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    const WriteLock lock(*this, 0);
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

void DbfTable::MarkDeleted(char flag) {
    CheckRecord(recNo_);
    PostIfEditing();
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    const WriteLock lock(*this, recNo_);
    const std::uint64_t offset =
        structure_.headerLength + static_cast<std::uint64_t>(recNo_ - 1) * structure_.recordLength;
    file_.WriteAt(offset, &flag, 1);
    buffer_[0] = flag;
}

void DbfTable::Delete() {
    MarkDeleted('*');
}

void DbfTable::Recall() {
    MarkDeleted(' ');
}

void DbfTable::Pack() {
    RequireOpen();
    PostIfEditing();
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    // Packing moves records to other numbers under the feet of anyone else who has the table open
    // (another process, or another opening in this one).
    if (!LockRange(file_.Descriptor(), kPresenceOffset, 1, std::chrono::milliseconds(0))) {
        ShareRange(file_.Descriptor(), kPresenceOffset, 1);
        throw DbfError(DbfErrorCode::ExclusiveRequired, path_.string());
    }
    const bool hadFileLock = fileLocked_;
    if (!hadFileLock &&
        !LockRange(file_.Descriptor(), kAppendLockOffset, kFileLockLength, std::chrono::milliseconds(200))) {
        ShareRange(file_.Descriptor(), kPresenceOffset, 1);
        throw DbfError(DbfErrorCode::ExclusiveRequired, path_.string());
    }
    try {
        Refresh();
        InsideLockedWrite();
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
    ShareRange(file_.Descriptor(), kPresenceOffset, 1);
    if (hadFileLock) return;
    UnlockRange(file_.Descriptor(), kAppendLockOffset, kFileLockLength);
    if (appendLocked_) LockRange(file_.Descriptor(), kAppendLockOffset, 1, std::chrono::milliseconds(0));
}

// The records ordered by the key expression; the keys with their records when `entries` is given.
std::vector<std::uint32_t> DbfTable::SortedOrder(std::string_view expression,
                                                 std::vector<NdxEntry>* entries) const {
    const KeyExpression key(expression, structure_.fields);
    std::vector<std::uint32_t> order;
    order.reserve(structure_.recordCount);
    if (key.IsNumeric()) {
        std::vector<std::pair<double, std::uint32_t>> keys;
        keys.reserve(structure_.recordCount);
        ScanRecords(1, [&](std::uint32_t r, std::string_view bytes) {
            const double value = key.EvaluateNumber(bytes);
            keys.emplace_back(std::isnan(value) ? 0.0 : value, r);
            return true;
        });
        // Equal keys keep the order of their records, as in the index file.
        std::sort(keys.begin(), keys.end());
        for (const auto& k : keys) order.push_back(k.second);
        if (entries) {
            entries->reserve(keys.size());
            for (const auto& k : keys) entries->push_back({NumericKey(k.first), k.second});
        }
        return order;
    }
    std::vector<NdxEntry> all;
    all.reserve(structure_.recordCount);
    ScanRecords(1, [&](std::uint32_t r, std::string_view bytes) {
        all.push_back({key.Evaluate(bytes), r});
        return true;
    });
    SortNdxEntries(all, false);
    for (const NdxEntry& e : all) order.push_back(e.record);
    if (entries) *entries = std::move(all);
    return order;
}

void DbfTable::IndexOn(std::string_view expression, const std::filesystem::path& ndxPath) {
    RequireOpen();
    PostIfEditing();
    const KeyExpression key(expression, structure_.fields);
    std::vector<NdxEntry> entries;
    std::vector<std::uint32_t> order = SortedOrder(expression, &entries);
    WriteFileReplacing(ndxPath, BuildNdx(key.Text(), key.IsNumeric(), key.KeyLength(), entries), false);
    struct stat info {};
    built_ = {};
    if (::stat(ndxPath.c_str(), &info) == 0) {
        built_ = {ndxPath,
                  key.Text(),
                  std::move(order),
                  static_cast<std::uint64_t>(info.st_ino),
                  static_cast<std::uint64_t>(info.st_size),
                  static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    }
}

void DbfTable::UseOrder(std::vector<std::uint32_t> order, const std::filesystem::path& ndxPath,
                        const std::string& expression) {
    std::vector<std::uint32_t> positionOf(structure_.recordCount + 1, 0);
    std::vector<std::uint32_t> kept;
    kept.reserve(structure_.recordCount);
    for (std::uint32_t r : order) {
        if (r == 0 || r > structure_.recordCount || positionOf[r] != 0)
            throw DbfError(DbfErrorCode::CorruptIndex, ndxPath.string());
        kept.push_back(r);
        positionOf[r] = static_cast<std::uint32_t>(kept.size());
    }
    // Records the index does not know yet (appended elsewhere) follow in their natural order.
    for (std::uint32_t r = 1; r <= structure_.recordCount; ++r)
        if (positionOf[r] == 0) {
            kept.push_back(r);
            positionOf[r] = static_cast<std::uint32_t>(kept.size());
        }
    order_ = std::move(kept);
    positionOf_ = std::move(positionOf);
    indexPath_ = ndxPath;
    indexExpression_ = expression;
}

void DbfTable::LoadIndex(const std::filesystem::path& ndxPath) {
    struct stat info {};
    if (!built_.path.empty() && built_.path == ndxPath && ::stat(ndxPath.c_str(), &info) == 0 &&
        static_cast<std::uint64_t>(info.st_ino) == built_.inode &&
        static_cast<std::uint64_t>(info.st_size) == built_.size &&
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec ==
            built_.modified) {
        UseOrder(built_.order, ndxPath, built_.expression);
        return;
    }
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
    order.reserve(contents.entries.size());
    for (const NdxEntry& e : contents.entries) order.push_back(e.record);
    UseOrder(std::move(order), ndxPath, contents.expression);
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
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    // A table appended to itself would have to read what it writes.
    if (SameFile(other, path_)) throw DbfError(DbfErrorCode::AlreadyInUse, other.string());
    DbfTable source;
    source.Open(other);
    std::vector<std::pair<int, int>> pairs;  // (own field, source field)
    for (int f = 1; f <= FieldCount(); ++f)
        if (const int s = source.FieldIndex(Field(f)); s != 0) pairs.emplace_back(f, s);

    // Everything is read and converted before the first byte is written here.
    struct Incoming {
        std::string record;
        std::map<int, std::string> memos;
    };
    std::vector<Incoming> incoming;
    for (int r = 1; r <= source.RecordCount(); ++r) {
        source.Go(r);
        if (source.Deleted()) continue;
        Incoming in{BlankRecord(), {}};
        for (auto [own, theirs] : pairs) {
            const DbfField& target = FieldInfo(own);
            const DbfField& from = source.FieldInfo(theirs);
            if (target.type == 'M' || from.type == 'M') {
                if (target.type == 'M' && from.type == 'M') in.memos[own] = source.MemoText(theirs);
                continue;
            }
            std::string stored;
            try {
                stored = EncodeFieldText(target, source.SField(theirs));
            } catch (const DbfError& e) {
                throw DbfError(e.Code(), other.string(), "Satz " + std::to_string(r) + ", " + target.name);
            }
            in.record.replace(static_cast<std::size_t>(target.offset), stored.size(), stored);
        }
        incoming.push_back(std::move(in));
    }

    const WriteLock lock(*this, 0);
    std::vector<std::string> records;
    records.reserve(incoming.size());
    for (Incoming& in : incoming) {
        buffer_ = std::move(in.record);
        pendingMemos_ = std::move(in.memos);
        WriteMemos();
        records.push_back(std::move(buffer_));
    }
    AppendRecords(records);
    if (recNo_ == 0) First();
    LoadBuffer();
}

bool DbfTable::ALock() {
    RequireOpen();
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    if (appendLocked_ || fileLocked_) return true;
    if (!LockRange(file_.Descriptor(), kAppendLockOffset, 1, lockPatience_)) return false;
    appendLocked_ = true;
    Refresh();
    return true;
}

bool DbfTable::FLock() {
    RequireOpen();
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
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
