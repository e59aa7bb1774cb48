// Feeds arbitrary bytes to the table reader as a .dbf (and, after a 0xFF 0x00 0xFF separator, a
// memo file), then reads every field of every record, searches, navigates and indexes. Anything
// but the engine's own error is a finding.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "tables/file_handle.h"

namespace {

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "trb_dbf_fuzz_XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    return folder;
}

void Exercise(trb::tables::DbfTable& table) {
    const int records = std::min(table.RecordCount(), 200);
    for (int r = 1; r <= records; ++r) {
        table.Go(r);
        for (int f = 1; f <= table.FieldCount(); ++f) {
            try {
                table.SField(f);
                if (table.FieldInfo(f).type == 'M') table.MemoText(f);
            } catch (const trb::tables::DbfError&) {
            }
        }
    }
    table.SetShowDeleted(false);
    for (table.First(); !table.Eof() && table.RecNo() != 0; table.Next()) {
    }
    table.Search("a", true);
    table.Search("", false);
    if (records == table.RecordCount()) {
        table.IndexOn(table.Field(1), Folder() / "t.ndx");
        table.SetIndexTo(Folder() / "t.ndx");
        for (table.Last(); !table.Bof() && table.RecNo() != 0; table.Prior()) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    static constexpr std::string_view kSeparator("\xFF\x00\xFF", 3);
    const std::size_t split = input.find(kSeparator);
    const std::string_view dbf = input.substr(0, split);
    const std::string_view dbt =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 3);
    trb::tables::WriteFileReplacing(Folder() / "t.dbf", std::string(dbf), false);
    trb::tables::WriteFileReplacing(Folder() / "t.dbt", std::string(dbt), false);
    try {
        trb::tables::DbfTable table;
        table.Open(Folder() / "t.dbf");
        Exercise(table);
    } catch (const trb::tables::DbfError&) {
    }
    return 0;
}
