// Feeds arbitrary bytes to the table reader as a .dbf (and, after a 0xFF 0x00 0xFF separator, a
// memo file), then reads every field of the first records, searches, navigates and indexes. Anything
// but the engine's own error is a finding. The work per input is bounded (the first records only,
// navigation and indexing for small tables) so that a run makes thousands of inputs a second.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_folder.h"
#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "tables/file_handle.h"

namespace {

constexpr int kFieldReadRecords = 20;  // records whose fields are all read
constexpr int kWalkedRecords = 40;     // tables up to this size are navigated and indexed

void Exercise(trb::tables::DbfTable& table) {
    const int records = std::min(table.RecordCount(), kFieldReadRecords);
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
    if (table.RecordCount() > kWalkedRecords) return;
    table.SetShowDeleted(false);
    for (table.First(); !table.Eof() && table.RecNo() != 0; table.Next()) {
    }
    table.Search("a", true);
    table.Search("", false);
    const auto index = trb::fuzz::Folder() / "t.ndx";
    table.IndexOn(table.Field(1), index);
    table.SetIndexTo(index);
    for (table.Last(); !table.Bof() && table.RecNo() != 0; table.Prior()) {
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
    const auto& folder = trb::fuzz::Folder();
    trb::tables::WriteFileReplacing(folder / "t.dbf", std::string(dbf), false);
    trb::tables::WriteFileReplacing(folder / "t.dbt", std::string(dbt), false);
    try {
        trb::tables::DbfTable table;
        table.Open(folder / "t.dbf");
        Exercise(table);
    } catch (const trb::tables::DbfError&) {
    }
    return 0;
}
