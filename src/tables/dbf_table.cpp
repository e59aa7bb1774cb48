#include "tables/dbf_table.h"

#include <algorithm>
#include <cctype>

#include "tables/byte_order.h"
#include "tables/dbf_error.h"
#include "tables/field_text.h"
#include "tables/record_lock.h"

namespace trb::tables {

namespace {

std::filesystem::path MemoPathFor(const std::filesystem::path& table) {
    std::filesystem::path memo = table;
    memo.replace_extension(".dbt");
    std::error_code ignored;
    if (!std::filesystem::exists(memo, ignored)) {
        std::filesystem::path upper = table;
        upper.replace_extension(".DBT");
        if (std::filesystem::exists(upper, ignored)) return upper;
    }
    return memo;
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Upper case for searching: ASCII letters and the German umlauts of code page 850.
char UpperForSearch(char c) {
    switch (static_cast<unsigned char>(c)) {
        case 0x84:
            return static_cast<char>(0x8E);  // ä
        case 0x94:
            return static_cast<char>(0x99);  // ö
        case 0x81:
            return static_cast<char>(0x9A);  // ü
        default:
            return UpperAscii(c);
    }
}

// `upperNeedle` is already in upper case.
bool ContainsIgnoringCase(std::string_view haystack, std::string_view upperNeedle) {
    if (upperNeedle.empty()) return true;
    return std::search(haystack.begin(), haystack.end(), upperNeedle.begin(), upperNeedle.end(),
                       [](char a, char b) { return UpperForSearch(a) == b; }) != haystack.end();
}

// Records read at a time when going through the whole table.
constexpr std::size_t kScanBytes = 256 * 1024;

}  // namespace

void DbfTable::Create(const std::filesystem::path& path, std::vector<DbfField> fields) {
    std::string bytes = BuildDbfHeader(fields, 0);
    bytes += kDbfEndOfFile;
    const bool memo =
        std::any_of(fields.begin(), fields.end(), [](const DbfField& f) { return f.type == 'M'; });
    if (memo) MemoFile::Create(MemoPathFor(path));
    WriteFileReplacing(path, bytes);
}

void DbfTable::Open(const std::filesystem::path& path) {
    Close();
    FileHandle file = FileHandle::OpenReadWrite(path);
    AnnouncePresence(file);
    std::string lead(kDbfHeaderSize, '\0');
    lead.resize(file.ReadAt(0, lead.data(), lead.size()));
    if (lead.size() < kDbfHeaderSize) throw DbfError(DbfErrorCode::NotDbase, path.string());
    const std::uint16_t headerLength = ReadLe16(lead.data() + 8);
    std::string header(headerLength, '\0');
    header.resize(file.ReadAt(0, header.data(), header.size()));
    DbfStructure structure;
    try {
        structure = ParseDbfHeader(header);
    } catch (const DbfError& e) {
        throw DbfError(e.Code(), path.string());
    }
    // A header that promises more records than the file holds (an interrupted write, a truncated
    // copy) is read as far as complete records go.
    const std::uint64_t size = file.Size();
    const std::uint64_t available =
        size > structure.headerLength ? (size - structure.headerLength) / structure.recordLength : 0;
    structure.recordCount =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(structure.recordCount, available));

    if (structure.HasMemo()) memo_.Open(MemoPathFor(path));
    file_ = std::move(file);
    structure_ = std::move(structure);
    path_ = path;
    First();
}

// Announces this opening as a user of the table before anything of it is read, so that a pack can
// neither start while it is in use nor renumber the records under a header read during the pack.
// A pack in progress is waited for; one that outlasts the patience refuses the opening. A file
// system without locks simply leaves the announcement out.
void DbfTable::AnnouncePresence(const FileHandle& file) const {
    bool present = false;
    try {
        present = LockRange(file.Descriptor(), kPresenceOffset, 1, lockPatience_, LockMode::Shared);
    } catch (const DbfError&) {
        return;
    }
    if (!present) throw DbfError(DbfErrorCode::AlreadyInUse, file.Name());
}

void DbfTable::Close() {
    if (file_.IsOpen()) {
        if (appendLocked_ || fileLocked_) UnLock();
    }
    file_.Close();
    memo_.Close();
    structure_ = DbfStructure{};
    path_.clear();
    recNo_ = 0;
    bof_ = eof_ = true;
    buffer_.clear();
    state_ = BufferState::Browse;
    pendingMemos_.clear();
    indexPath_.clear();
    indexExpression_.clear();
    order_.clear();
    positionOf_.clear();
}

void DbfTable::RequireOpen() const {
    if (!file_.IsOpen()) throw DbfError(DbfErrorCode::NotOpen);
}

void DbfTable::Refresh() {
    RequireOpen();
    char count[4];
    file_.ReadExact(4, count, sizeof count);
    const std::uint64_t size = file_.Size();
    const std::uint64_t available =
        size > structure_.headerLength ? (size - structure_.headerLength) / structure_.recordLength : 0;
    structure_.recordCount = static_cast<std::uint32_t>(std::min<std::uint64_t>(ReadLe32(count), available));
}

void DbfTable::CheckRecord(int record) const {
    RequireOpen();
    if (record < 1 || record > RecordCount()) throw DbfError(DbfErrorCode::OutOfRange, path_.string());
}

std::string DbfTable::ReadRecord(int record) const {
    CheckRecord(record);
    std::string bytes(structure_.recordLength, ' ');
    const std::uint64_t offset =
        structure_.headerLength + static_cast<std::uint64_t>(record - 1) * structure_.recordLength;
    file_.ReadExact(offset, bytes.data(), bytes.size());
    return bytes;
}

std::string DbfTable::RecordBytes(int record) const {
    return ReadRecord(record);
}

bool DbfTable::ScanRecords(std::uint32_t first, const RecordVisitor& visit) const {
    RequireOpen();
    const std::uint32_t count = structure_.recordCount;
    const std::size_t length = structure_.recordLength;
    const std::uint32_t perBlock = static_cast<std::uint32_t>(std::max<std::size_t>(1, kScanBytes / length));
    std::string block;
    for (std::uint32_t r = std::max<std::uint32_t>(first, 1); r <= count;) {
        const std::uint32_t n = std::min(perBlock, count - r + 1);
        block.resize(static_cast<std::size_t>(n) * length);
        file_.ReadExact(structure_.headerLength + static_cast<std::uint64_t>(r - 1) * length, block.data(),
                        block.size());
        for (std::uint32_t i = 0; i < n; ++i, ++r)
            if (!visit(r, std::string_view(block).substr(i * length, length))) return false;
    }
    return true;
}

std::vector<std::uint32_t> DbfTable::ShownRecords() const {
    RequireOpen();
    const std::uint32_t count = structure_.recordCount;
    std::vector<bool> deleted;
    if (!showDeleted_) {
        deleted.assign(count + 1, false);
        ScanRecords(1, [&deleted](std::uint32_t r, std::string_view bytes) {
            deleted[r] = bytes[0] == '*';
            return true;
        });
    }
    const auto shown = [&](std::uint32_t r) { return r <= count && (deleted.empty() || !deleted[r]); };
    std::vector<std::uint32_t> records;
    records.reserve(count);
    if (indexPath_.empty()) {
        for (std::uint32_t r = 1; r <= count; ++r)
            if (shown(r)) records.push_back(r);
    } else {
        for (std::uint32_t r : order_)
            if (shown(r)) records.push_back(r);
    }
    return records;
}

std::string DbfTable::BlankRecord() const {
    return std::string(structure_.recordLength, ' ');
}

std::string_view DbfTable::RawField(std::string_view record, const DbfField& field) const {
    return record.substr(static_cast<std::size_t>(field.offset), static_cast<std::size_t>(field.length));
}

const DbfField& DbfTable::FieldInfo(int field) const {
    RequireOpen();
    if (field < 1 || field > FieldCount()) throw DbfError(DbfErrorCode::InvalidField, std::to_string(field));
    return structure_.fields[static_cast<std::size_t>(field - 1)];
}

int DbfTable::FieldIndex(std::string_view name) const {
    name = name.substr(0, 10);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    for (int i = 1; i <= FieldCount(); ++i) {
        const std::string& n = structure_.fields[static_cast<std::size_t>(i - 1)].name;
        if (n.size() == name.size() && std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
                return UpperAscii(a) == UpperAscii(b);
            }))
            return i;
    }
    return 0;
}

std::string DbfTable::TextOf(std::string_view record, int field) const {
    const DbfField& f = FieldInfo(field);
    const std::string_view raw = RawField(record, f);
    if (f.type == 'M') {
        if (pendingMemos_.count(field) && record.data() == buffer_.data())
            return pendingMemos_.at(field).empty() ? "none" : "MEMO";
        return ParseMemoBlock(raw) != 0 ? "MEMO" : "none";
    }
    return FieldTextForm(f, raw, decimalCharacter_);
}

std::string DbfTable::FieldText(std::string_view recordBytes, int field) const {
    if (recordBytes.size() != structure_.recordLength)
        throw DbfError(DbfErrorCode::OutOfRange, path_.string());
    return TextOf(recordBytes, field);
}

std::string DbfTable::SField(int field) const {
    RequireOpen();
    if (buffer_.empty()) return FieldInfo(field).type == 'M' ? "none" : std::string();
    return TextOf(buffer_, field);
}

std::string DbfTable::Peek(int record, int field) const {
    const std::string bytes = ReadRecord(record);
    return TextOf(bytes, field);
}

bool DbfTable::LogicalValue(int field) const {
    const DbfField& f = FieldInfo(field);
    return !buffer_.empty() && f.type == 'L' && StoredLogicalIsTrue(RawField(buffer_, f));
}

std::string DbfTable::MemoText(int field) const {
    const DbfField& f = FieldInfo(field);
    if (f.type != 'M') throw DbfError(DbfErrorCode::InvalidField, f.name);
    if (auto it = pendingMemos_.find(field); it != pendingMemos_.end()) return it->second;
    if (buffer_.empty()) return {};
    return memo_.Read(ParseMemoBlock(RawField(buffer_, f)));
}

bool DbfTable::Deleted() const {
    return !buffer_.empty() && buffer_[0] == '*';
}

// ---- navigation -------------------------------------------------------------------------------

bool DbfTable::Visible(std::uint32_t record) const {
    if (showDeleted_) return true;
    char flag = ' ';
    const std::uint64_t offset =
        structure_.headerLength + static_cast<std::uint64_t>(record - 1) * structure_.recordLength;
    file_.ReadAt(offset, &flag, 1);
    return flag != '*';
}

// The next shown record after `from` in the table's order (direction +1 or -1), 0 when none.
std::uint32_t DbfTable::Step(std::uint32_t from, int direction) const {
    const auto count = structure_.recordCount;
    if (order_.empty() && indexPath_.empty()) {
        for (std::int64_t r = static_cast<std::int64_t>(from) + direction; r >= 1 && r <= count;
             r += direction)
            if (Visible(static_cast<std::uint32_t>(r))) return static_cast<std::uint32_t>(r);
        return 0;
    }
    const std::size_t place = from < positionOf_.size() ? positionOf_[from] : 0;
    if (place == 0) return 0;
    for (std::int64_t p = static_cast<std::int64_t>(place) - 1 + direction;
         p >= 0 && p < static_cast<std::int64_t>(order_.size()); p += direction) {
        const std::uint32_t r = order_[static_cast<std::size_t>(p)];
        if (r <= count && Visible(r)) return r;
    }
    return 0;
}

std::uint32_t DbfTable::Edge(int direction) const {
    const auto count = structure_.recordCount;
    if (indexPath_.empty()) {
        return direction > 0 ? Step(0, +1) : Step(count + 1, -1);
    }
    for (std::size_t i = 0; i < order_.size(); ++i) {
        const std::uint32_t r = direction > 0 ? order_[i] : order_[order_.size() - 1 - i];
        if (r <= count && Visible(r)) return r;
    }
    return 0;
}

void DbfTable::LoadBuffer() {
    buffer_ = recNo_ > 0 ? ReadRecord(recNo_) : std::string();
    state_ = BufferState::Browse;
    pendingMemos_.clear();
    changed_.assign(static_cast<std::size_t>(FieldCount() + 1), false);
}

void DbfTable::Go(int record) {
    PostIfEditing();
    CheckRecord(record);
    recNo_ = record;
    bof_ = eof_ = false;
    LoadBuffer();
}

void DbfTable::First() {
    PostIfEditing();
    recNo_ = static_cast<int>(Edge(+1));
    bof_ = true;
    eof_ = recNo_ == 0;
    LoadBuffer();
}

void DbfTable::Last() {
    PostIfEditing();
    recNo_ = static_cast<int>(Edge(-1));
    eof_ = true;
    bof_ = recNo_ == 0;
    LoadBuffer();
}

void DbfTable::Next() {
    PostIfEditing();
    if (recNo_ == 0) return First();
    const std::uint32_t next = Step(static_cast<std::uint32_t>(recNo_), +1);
    bof_ = false;
    eof_ = next == 0;
    if (next != 0) recNo_ = static_cast<int>(next);
    LoadBuffer();
}

void DbfTable::Prior() {
    PostIfEditing();
    if (recNo_ == 0) return Last();
    const std::uint32_t prior = Step(static_cast<std::uint32_t>(recNo_), -1);
    eof_ = false;
    bof_ = prior == 0;
    if (prior != 0) recNo_ = static_cast<int>(prior);
    LoadBuffer();
}

bool DbfTable::RecordContains(std::string_view record, std::string_view upperText) const {
    for (int f = 1; f <= FieldCount(); ++f) {
        const DbfField& field = structure_.fields[static_cast<std::size_t>(f - 1)];
        if (field.type == 'M') continue;
        if (ContainsIgnoringCase(FieldTextForm(field, RawField(record, field), decimalCharacter_), upperText))
            return true;
    }
    return false;
}

bool DbfTable::Search(std::string_view text, bool fromFirst) {
    RequireOpen();
    PostIfEditing();
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperForSearch);
    const std::uint32_t start =
        fromFirst ? Edge(+1) : (recNo_ > 0 ? Step(static_cast<std::uint32_t>(recNo_), +1) : Edge(+1));
    if (start == 0) return false;
    std::uint32_t found = 0;
    if (indexPath_.empty()) {
        // In the natural order the shown records after `start` are read block by block.
        ScanRecords(start, [&](std::uint32_t r, std::string_view bytes) {
            if ((!showDeleted_ && bytes[0] == '*') || !RecordContains(bytes, upper)) return true;
            found = r;
            return false;
        });
    } else {
        // In index order every record is tested once, then the first hit from `start` on wins.
        std::vector<bool> hit(structure_.recordCount + 1, false);
        ScanRecords(1, [&](std::uint32_t r, std::string_view bytes) {
            hit[r] = (showDeleted_ || bytes[0] != '*') && RecordContains(bytes, upper);
            return true;
        });
        const std::size_t place = positionOf_[start] - 1;
        for (std::size_t p = place; p < order_.size() && found == 0; ++p)
            if (order_[p] < hit.size() && hit[order_[p]]) found = order_[p];
    }
    if (found == 0) return false;
    Go(static_cast<int>(found));
    return true;
}

// ---- record buffer ----------------------------------------------------------------------------

void DbfTable::EnterEdit() {
    RequireOpen();
    if (state_ != BufferState::Browse) return;
    if (buffer_.empty()) {
        Insert();
        return;
    }
    state_ = BufferState::Edit;
}

void DbfTable::Edit() {
    EnterEdit();
}

void DbfTable::Insert() {
    RequireOpen();
    PostIfEditing();
    buffer_ = BlankRecord();
    pendingMemos_.clear();
    changed_.assign(static_cast<std::size_t>(FieldCount() + 1), false);
    state_ = BufferState::Insert;
}

void DbfTable::SetFieldText(int field, std::string_view text) {
    const DbfField& f = FieldInfo(field);
    if (f.type == 'M') return SetMemoText(field, text);
    EnterEdit();
    const std::string stored = EncodeFieldText(f, text);
    buffer_.replace(static_cast<std::size_t>(f.offset), stored.size(), stored);
    changed_[static_cast<std::size_t>(field)] = true;
}

void DbfTable::SetFieldNumber(int field, real value) {
    const DbfField& f = FieldInfo(field);
    const std::string stored = EncodeFieldNumber(f, value);
    EnterEdit();
    buffer_.replace(static_cast<std::size_t>(f.offset), stored.size(), stored);
    changed_[static_cast<std::size_t>(field)] = true;
}

void DbfTable::SetFieldLogical(int field, bool value) {
    const DbfField& f = FieldInfo(field);
    if (f.type != 'L') throw DbfError(DbfErrorCode::InvalidField, f.name);
    EnterEdit();
    buffer_[static_cast<std::size_t>(f.offset)] = value ? 'T' : 'F';
    changed_[static_cast<std::size_t>(field)] = true;
}

void DbfTable::SetMemoText(int field, std::string_view text) {
    const DbfField& f = FieldInfo(field);
    if (f.type != 'M') throw DbfError(DbfErrorCode::InvalidField, f.name);
    EnterEdit();
    pendingMemos_[field] = std::string(text);
    changed_[static_cast<std::size_t>(field)] = true;
}

void DbfTable::Cancel() {
    if (state_ == BufferState::Browse) return;
    LoadBuffer();
}

void DbfTable::PostIfEditing() {
    if (file_.IsOpen() && state_ != BufferState::Browse) Post();
}

}  // namespace trb::tables
