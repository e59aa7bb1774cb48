// Feeds arbitrary bytes to the delimited-text import of a table with a field of every kind and reads
// every field of the records it appended; then writes them out as delimited text and imports that
// into a fresh table: the records must come back as they were. Anything but the engine's own error
// is a finding.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_folder.h"
#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "tables/file_handle.h"

namespace {

using trb::tables::DbfTable;

constexpr std::size_t kMaxInput = 2048;  // a few dozen lines reach every path of the import

// An empty table with character, numeric, date, logical and memo fields (the import skips memos).
void MakeEmptyTable(const std::filesystem::path& path) {
    DbfTable::Create(path, {{"NAME", 'C', 12, 0, 0},
                            {"D1", 'N', 8, 2, 0},
                            {"COUNT", 'N', 4, 0, 0},
                            {"MADE", 'D', 8, 0, 0},
                            {"OK", 'L', 1, 0, 0},
                            {"NOTE", 'M', 10, 0, 0},
                            {"CODE", 'C', 3, 0, 0}});
}

std::string Records(DbfTable& table) {
    std::string all;
    for (int r = 1; r <= table.RecordCount(); ++r) {
        table.Go(r);
        for (int f = 1; f <= table.FieldCount(); ++f) all += table.SField(f) + '|';
        all += '\n';
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) return 0;
    const auto& folder = trb::fuzz::Folder();
    trb::tables::WriteFileReplacing(folder / "in.txt", std::string(reinterpret_cast<const char*>(data), size),
                                    false);
    try {
        MakeEmptyTable(folder / "first.dbf");
        DbfTable first;
        first.Open(folder / "first.dbf");
        first.AppendFromDelimited(folder / "in.txt");
        const std::string read = Records(first);
        first.CopyToDelimited(folder / "out.txt");

        MakeEmptyTable(folder / "second.dbf");
        DbfTable second;
        second.Open(folder / "second.dbf");
        second.AppendFromDelimited(folder / "out.txt");
        if (Records(second) != read) std::abort();  // exported records come back as they were
    } catch (const trb::tables::DbfError&) {
    }
    return 0;
}
