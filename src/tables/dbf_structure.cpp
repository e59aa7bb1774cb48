#include "tables/dbf_structure.h"

#include <algorithm>
#include <ctime>

#include "tables/byte_order.h"
#include "tables/dbf_error.h"

namespace trb::tables {

namespace {

constexpr int kMaxCharacterLength = 254;
constexpr int kMaxNumericLength = 32;

bool ValidNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

void CheckTypeAndSize(char type, int length, int decimals, DbfErrorCode code) {
    bool ok = false;
    switch (type) {
        case 'C':
            ok = length >= 1 && length <= kMaxCharacterLength && decimals == 0;
            break;
        case 'N':
        case 'F':
            ok = length >= 1 && length <= kMaxNumericLength && decimals >= 0 && decimals < length;
            break;
        case 'L':
            ok = length == 1;
            break;
        case 'D':
            ok = length == 8;
            break;
        case 'M':
            ok = length == 10;
            break;
        default:
            break;
    }
    if (!ok) throw DbfError(code);
}

void PutDate(std::string& header) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    header[1] = static_cast<char>(local.tm_year);  // years since 1900
    header[2] = static_cast<char>(local.tm_mon + 1);
    header[3] = static_cast<char>(local.tm_mday);
}

}  // namespace

bool DbfStructure::HasMemo() const {
    return std::any_of(fields.begin(), fields.end(), [](const DbfField& f) { return f.type == 'M'; });
}

void CheckFieldDefinition(const DbfField& field) {
    if (field.name.empty() || field.name.size() > 10 ||
        !std::all_of(field.name.begin(), field.name.end(), ValidNameCharacter))
        throw DbfError(DbfErrorCode::InvalidField, field.name);
    CheckTypeAndSize(field.type, field.length, field.decimals, DbfErrorCode::InvalidField);
}

DbfStructure ParseDbfHeader(std::string_view bytes) {
    if (bytes.size() < kDbfHeaderSize) throw DbfError(DbfErrorCode::UnexpectedEof);
    DbfStructure s;
    s.version = static_cast<std::uint8_t>(bytes[0]);
    // dBase III and IV tables carry 3 in the low bits; everything else is a different format.
    if ((s.version & 0x07) != 0x03) throw DbfError(DbfErrorCode::NotDbase);
    const int month = static_cast<unsigned char>(bytes[2]);
    const int day = static_cast<unsigned char>(bytes[3]);
    if (month > 12 || day > 31) throw DbfError(DbfErrorCode::NotDbase);
    s.recordCount = ReadLe32(bytes.data() + 4);
    s.headerLength = ReadLe16(bytes.data() + 8);
    s.recordLength = ReadLe16(bytes.data() + 10);
    s.codePage = static_cast<std::uint8_t>(bytes[29]);
    if (s.headerLength < kDbfHeaderSize + 1 || s.recordLength < 1) throw DbfError(DbfErrorCode::NotDbase);
    if (bytes.size() < s.headerLength) throw DbfError(DbfErrorCode::UnexpectedEof);

    int offset = 1;
    for (std::size_t pos = kDbfHeaderSize; pos + kDbfDescriptorSize <= s.headerLength;
         pos += kDbfDescriptorSize) {
        if (bytes[pos] == kDbfHeaderTerminator) break;
        DbfField f;
        const char* d = bytes.data() + pos;
        std::size_t nameLength = 0;
        while (nameLength < 11 && d[nameLength] != '\0') ++nameLength;
        f.name.assign(d, std::min<std::size_t>(nameLength, 10));
        f.type = d[11];
        f.length = static_cast<unsigned char>(d[16]);
        f.decimals = static_cast<unsigned char>(d[17]);
        if (f.name.empty()) throw DbfError(DbfErrorCode::NotDbase);
        if (std::string_view("CNFLDM").find(f.type) == std::string_view::npos)
            throw DbfError(DbfErrorCode::FormatNotSupported, f.name);
        if (f.type == 'N' || f.type == 'F') f.decimals = std::min(f.decimals, std::max(0, f.length - 1));
        CheckTypeAndSize(f.type, f.length, f.type == 'C' ? 0 : f.decimals, DbfErrorCode::NotDbase);
        f.offset = offset;
        offset += f.length;
        s.fields.push_back(std::move(f));
    }
    if (s.fields.empty() || offset > s.recordLength) throw DbfError(DbfErrorCode::NotDbase);
    if (s.HasMemo() && (s.version & 0x08) != 0) throw DbfError(DbfErrorCode::Dbase4Memo);
    return s;
}

std::uint16_t DbfHeaderLength(std::size_t fieldCount) {
    return static_cast<std::uint16_t>(kDbfHeaderSize + kDbfDescriptorSize * fieldCount + 1);
}

std::string BuildDbfLeadHeader(const DbfStructure& structure) {
    std::string header(kDbfHeaderSize, '\0');
    header[0] = static_cast<char>(structure.HasMemo() ? kDbfVersionWithMemo : kDbfVersionPlain);
    PutDate(header);
    WriteLe32(header.data() + 4, structure.recordCount);
    WriteLe16(header.data() + 8, structure.headerLength);
    WriteLe16(header.data() + 10, structure.recordLength);
    header[29] = static_cast<char>(structure.codePage);
    return header;
}

std::string BuildDbfHeader(std::vector<DbfField>& fields, std::uint32_t recordCount) {
    if (fields.empty() || fields.size() > 255) throw DbfError(DbfErrorCode::InvalidField);
    DbfStructure s;
    int offset = 1;
    for (DbfField& f : fields) {
        CheckFieldDefinition(f);
        std::transform(f.name.begin(), f.name.end(), f.name.begin(),
                       [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
        f.offset = offset;
        offset += f.length;
    }
    if (offset > 65535) throw DbfError(DbfErrorCode::InvalidField);
    s.fields = fields;
    s.recordCount = recordCount;
    s.headerLength = DbfHeaderLength(fields.size());
    s.recordLength = static_cast<std::uint16_t>(offset);
    s.codePage = kCodePage850;
    std::string header = BuildDbfLeadHeader(s);
    for (const DbfField& f : fields) {
        std::string d(kDbfDescriptorSize, '\0');
        std::copy(f.name.begin(), f.name.end(), d.begin());
        d[11] = f.type;
        d[16] = static_cast<char>(f.length);
        d[17] = static_cast<char>(f.decimals);
        header += d;
    }
    header += kDbfHeaderTerminator;
    return header;
}

}  // namespace trb::tables
