#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/real.h"
#include "tables/dbf_structure.h"
#include "tables/file_handle.h"
#include "tables/memo_file.h"
#include "tables/ndx_index.h"

namespace trb::tables {

// A dBase III table (.dbf) with its memo file (.dbt) and an optional NDX index that orders it.
// Field and record numbers count from 1. Every failure throws DbfError with a German text.
//
// The record buffer holds the current record; the Set… functions change the buffer (entering the
// edit state), `Post` writes it back, `AppendRec` writes it as a new last record instead.
// Moving to another record posts a pending edit first.
//
// Several processes may work on one table at once. Every write holds a lock while it lasts:
// appends (and new memos) the append lock, a posted edit the lock of its record, and `Post` writes
// only the fields changed in the buffer into the record as it is stored at that moment, so that
// edits of other fields made elsewhere in the meantime are kept. Packing needs the table to itself.
class DbfTable {
  public:
    enum class BufferState { Browse, Edit, Insert };

    DbfTable() = default;
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // Creates an empty table (and an empty memo file when a field is of type M), replacing any
    // table of that name. The table carries the code page 850 mark.
    static void Create(const std::filesystem::path& path, std::vector<DbfField> fields);

    // Opens for reading and writing (for reading only when the file is write-protected) and makes
    // the first record current. A pack in progress elsewhere is waited for as long as the lock
    // patience; after that the table is refused with "Datenbank wird bereits benutzt".
    void Open(const std::filesystem::path& path);
    void Close();
    bool IsOpen() const { return file_.IsOpen(); }
    bool IsReadOnly() const { return file_.IsReadOnly(); }
    const std::filesystem::path& Path() const { return path_; }
    std::uint8_t CodePage() const { return structure_.codePage; }

    // Deleted records are shown by default; hidden ones are skipped by First/Next/Prior/Last/Search.
    void SetShowDeleted(bool show) { showDeleted_ = show; }
    bool ShowDeleted() const { return showDeleted_; }
    // The engine's decimal character in the text form of numeric fields ("." unless set).
    void SetDecimalCharacter(char c) { decimalCharacter_ = c; }
    // How long Open, ALock, FLock and every write wait for another process to release its lock.
    void SetLockPatience(std::chrono::milliseconds patience) { lockPatience_ = patience; }
    // Called inside every write that reads what is stored and then writes it back under a lock (a
    // posted edit, an append, a pack), after the reading and before the writing, while the lock is
    // held. Tests act inside that window; nothing else sets it.
    void SetLockedWriteHook(std::function<void()> hook) { lockedWriteHook_ = std::move(hook); }

    int RecordCount() const { return static_cast<int>(structure_.recordCount); }
    // Reads the record count again, to see what other processes appended.
    void Refresh();
    int RecNo() const { return recNo_; }
    void Go(int record);
    void First();
    void Last();
    void Next();
    void Prior();
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool Deleted() const;
    void Delete();
    void Recall();

    int FieldCount() const { return static_cast<int>(structure_.fields.size()); }
    const DbfField& FieldInfo(int field) const;
    std::string Field(int field) const { return FieldInfo(field).name; }
    int FieldLen(int field) const { return FieldInfo(field).length; }
    // The number of the field with this name (case ignored, only the first 10 characters count);
    // 0 when there is none.
    int FieldIndex(std::string_view name) const;

    // Field `field` of the record buffer as text: see FieldTextForm; memo fields "MEMO" or "none".
    std::string SField(int field) const;
    // Field `field` of record `record` as text, without moving the current record.
    std::string Peek(int record, int field) const;
    // The stored bytes of record `record` (the deletion flag "*" or " " first).
    std::string RecordBytes(int record) const;
    // Field `field` of a record's stored bytes as text, as SField gives it.
    std::string FieldText(std::string_view recordBytes, int field) const;
    // The shown records in the table's order: every record, or the undeleted ones while deleted
    // records are hidden, in index order while an index is active.
    std::vector<std::uint32_t> ShownRecords() const;
    bool LogicalValue(int field) const;
    std::string MemoText(int field) const;

    BufferState State() const { return state_; }
    void Edit();
    // Starts a new blank record; Post appends it.
    void Insert();
    void SetFieldText(int field, std::string_view text);
    void SetFieldNumber(int field, real value);
    void SetFieldLogical(int field, bool value);
    void SetMemoText(int field, std::string_view text);
    void Post();
    void Cancel();
    // Appends the record buffer as a new last record; the current record stays current and the
    // buffer returns to it.
    void AppendRec();

    // Finds a record one of whose fields contains `text` (letters, umlauts included, compared
    // without case), from the first record or from the one after the current, in the table's
    // order. Returns false and leaves the current record when there is none.
    bool Search(std::string_view text, bool fromFirst);

    // Removes the deleted records; needs the table to itself: "Exklusiver Zugriff erforderlich" while
    // another process has it open or holds a lock on it.
    void Pack();
    // Writes an NDX file ordering every record by `expression` (see KeyExpression).
    void IndexOn(std::string_view expression, const std::filesystem::path& ndxPath);
    // Orders the table by an NDX file; an empty path returns to the natural order. The index is
    // rebuilt after every change of the table while it is active.
    void SetIndexTo(const std::filesystem::path& ndxPath);
    bool HasIndex() const { return !indexPath_.empty(); }

    // Appends the undeleted records of another table, field by field of the same name. The other
    // table is read completely first: when it cannot be read, or one of its values does not fit
    // its field here, nothing is appended.
    void AppendFrom(const std::filesystem::path& other);
    // Appends the lines of a delimited text file (fields separated by ",", texts in double quotes),
    // one value per field except memo fields. The file is checked completely first: a line with
    // another number of values, an open quote, a control character, or a value that its field
    // cannot take refuses the whole file with "Fehlerhafte Textdatei", naming line and field.
    void AppendFromDelimited(const std::filesystem::path& textFile);
    // Writes the records (the shown ones, in the table's order) as a delimited text file.
    void CopyToDelimited(const std::filesystem::path& textFile) const;

    // The append lock and the file lock; false when another process keeps its lock. A table opened
    // for reading only refuses both with "Dateizugriff verweigert".
    bool ALock();
    bool FLock();
    void UnLock();

  private:
    class WriteLock;
    using RecordVisitor = std::function<bool(std::uint32_t record, std::string_view bytes)>;

    void AnnouncePresence(const FileHandle& file) const;
    void InsideLockedWrite() const;
    void RequireOpen() const;
    void CheckRecord(int record) const;
    std::string ReadRecord(int record) const;
    // Calls `visit` for the records from `first` on in their natural order, reading many at a time,
    // until it returns false (then the result is false) or the table ends.
    bool ScanRecords(std::uint32_t first, const RecordVisitor& visit) const;
    bool RecordContains(std::string_view record, std::string_view upperText) const;
    std::string_view RawField(std::string_view record, const DbfField& field) const;
    std::string TextOf(std::string_view record, int field) const;
    void LoadBuffer();
    void EnterEdit();
    void WriteMemos();
    void PostIfEditing();
    void PostEdit();
    void MarkDeleted(char flag);
    void StoreChanged(std::string_view changed, std::string& stored) const;
    void AppendRecords(const std::vector<std::string>& records);
    void WriteRecordCount();
    bool Visible(std::uint32_t record) const;
    std::uint32_t Step(std::uint32_t from, int direction) const;
    std::uint32_t Edge(int direction) const;
    void RebuildIndex();
    void ReleasePackLock(bool hadFileLock);
    void LoadIndex(const std::filesystem::path& ndxPath);
    void UseOrder(std::vector<std::uint32_t> order, const std::filesystem::path& ndxPath,
                  const std::string& expression);
    std::vector<std::uint32_t> SortedOrder(std::string_view expression, std::vector<NdxEntry>* entries) const;
    std::string BlankRecord() const;

    FileHandle file_;
    MemoFile memo_;
    std::filesystem::path path_;
    DbfStructure structure_;
    int recNo_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    bool showDeleted_ = true;
    char decimalCharacter_ = '.';
    std::chrono::milliseconds lockPatience_{5000};
    bool appendLocked_ = false;
    bool fileLocked_ = false;
    std::function<void()> lockedWriteHook_;

    std::string buffer_;
    BufferState state_ = BufferState::Browse;
    std::map<int, std::string> pendingMemos_;
    std::vector<bool> changed_;  // fields set in the buffer since it was loaded (index = field)

    std::filesystem::path indexPath_;
    std::string indexExpression_;
    std::vector<std::uint32_t> order_;       // records in index order
    std::vector<std::uint32_t> positionOf_;  // record -> place in order_ + 1 (0: not indexed)

    // The order of the index file this table wrote last, so that opening that file right after
    // building it needs no second reading; valid while the file is the one written.
    struct BuiltIndex {
        std::filesystem::path path;
        std::string expression;
        std::vector<std::uint32_t> order;
        std::uint64_t inode = 0, size = 0;
        std::int64_t modified = 0;
    } built_;
};

}  // namespace trb::tables
