#pragma once

#include <string>
#include <string_view>

#include "report/report_writer.h"
#include "tables/dbf_table.h"
#include "text/format_options.h"

// A reference table as an HTML page and as a printout.
namespace trb::report {

// What the HTML page of a table says about itself.
struct TablePageHeading {
    std::string programCode = "TRB";
    std::string version;
    std::string filePath;  // the page's own file (file system bytes)
    std::string date;      // display texts
    std::string time;
};

// The page: a title (the file's name without folder and extension), the program and version, the
// page's path in capitals, date and time, then one table row of field names and one row per record
// (1 to the record count, in the stored order) with each field's text. Every text is converted
// for display and escaped; the page declares its UTF-8 encoding.
std::string TableHtmlPage(const tables::DbfTable& table, const TablePageHeading& heading,
                          const text::FormatOptions& format);

// The table on the writer's device (0: the device the user picks): a page header with the program
// code and version, the table file and `caption` (display text), then the first seven fields of
// every record, each column as wide as its field plus one, headed by the field names.
void WriteTablePrintout(ReportWriter& writer, int device, const tables::DbfTable& table,
                        std::string_view caption);

}  // namespace trb::report
