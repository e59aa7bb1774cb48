#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/run_status.h"
#include "tables/dbf_structure.h"
#include "tables/table_access.h"

namespace trb::tables {

// The sizes of a DIN 1850 bushing as the table holds them (text of columns 1, 2, 3).
struct Din1850Bushing {
    std::string bore;
    std::string outer;
    std::string width;
};

// Shows the DIN 1850 table sorted by bore, outer diameter and width, opened on the bushing chosen
// last (`din1850rec`, 0 for none). On OK `din1850rec` becomes the chosen record and its sizes are
// returned; the table is closed and the abort flag clear either way.
std::optional<Din1850Bushing> SelectDin1850Bushing(TableAccess& access, std::uint16_t& din1850rec,
                                                   core::RunStatus& status, bool& abort);

// One cell of a reference table of the dBase folder, as text; empty when the table cannot be
// opened (reported, abort flag set) or the record or field lies outside it.
std::string ReadReferenceCell(TableAccess& access, std::string_view table, int record, int field,
                              bool& abort);

// The printout settings table.
struct PrintoutValues {
    real xscale = 1;
    real yscale = 1;
    long xorigin = 0;
    long yorigin = 0;
    bool landscape = true;
    bool monochrom = true;
    bool variable = false;
    bool borderline = false;
};

// A stored setting as read back: columns 2 to 5 as text, the logical fields by name.
struct PrintoutRecord {
    std::string xscale, yscale, xorigin, yorigin;
    bool landscape = false;
    bool monochrom = false;
    bool variable = false;
    bool borderline = false;
};

std::vector<DbfField> PrintoutFields();

// Opens "printout.dbf" from the working folder when it is there, else from the user's folder, else
// from the dBase folder (created empty when missing; a write-protected one is worked on as a copy).
void OpenPrintoutTable(TableAccess& access, bool& abort);
// Shows the stored settings for selection, opened on `printoutRecord`; on OK it becomes the chosen
// record and its values are returned.
std::optional<PrintoutRecord> ChoosePrintoutRecord(TableAccess& access, int& printoutRecord,
                                                   core::RunStatus& status, bool& abort);
// Asks for a name (at most 25 characters) and appends a setting with these values. Settings that
// would go to a temporary copy are kept in the user's folder from then on (the user is told where);
// the status line names the table written.
void AppendPrintoutRecord(TableAccess& access, const PrintoutValues& values, bool& abort);

}  // namespace trb::tables
