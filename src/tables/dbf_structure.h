#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trb::tables {

// One column of a dBase III table. Types: C character, N and F numeric, L logical, D date (YYYYMMDD),
// M memo (a block number into the memo file beside the table).
struct DbfField {
    std::string name;  // up to 10 characters
    char type = 'C';
    int length = 10;
    int decimals = 0;
    int offset = 0;  // position in the record; the deletion flag is byte 0
};

inline constexpr std::uint8_t kDbfVersionPlain = 0x03;
inline constexpr std::uint8_t kDbfVersionWithMemo = 0x83;
inline constexpr std::uint8_t kCodePage850 = 0x02;  // language-driver byte for code page 850
inline constexpr std::size_t kDbfHeaderSize = 32;
inline constexpr std::size_t kDbfDescriptorSize = 32;
inline constexpr char kDbfHeaderTerminator = 0x0D;
inline constexpr char kDbfEndOfFile = 0x1A;

struct DbfStructure {
    std::uint8_t version = kDbfVersionPlain;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    std::uint8_t codePage = 0;
    std::vector<DbfField> fields;

    bool HasMemo() const;
};

// Checks a field definition for a new table (name, type, length, decimals); throws
// "Unzulässige Feldangabe" when it cannot be stored.
void CheckFieldDefinition(const DbfField& field);

// Reads the table structure from the first bytes of a .dbf file (at least the 32-byte header;
// all descriptors when the header says so). Throws "Keine dBASE-Datei", "Unerwartetes Dateiende",
// "File format not supported" or "dBASE IV Memo-Dateien nicht unterstützt".
DbfStructure ParseDbfHeader(std::string_view bytes);

// The header length a table with `fieldCount` fields needs.
std::uint16_t DbfHeaderLength(std::size_t fieldCount);

// The header and field descriptors of a table with the given fields and record count, dated today,
// marked with the code page 850 byte. Fills in the offsets and the record length.
std::string BuildDbfHeader(std::vector<DbfField>& fields, std::uint32_t recordCount);

// The 32-byte leading header only (record count and today's date), for in-place updates.
std::string BuildDbfLeadHeader(const DbfStructure& structure);

}  // namespace trb::tables
