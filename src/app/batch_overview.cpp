#include "app/batch_overview.h"

#include <cstring>
#include <ostream>

#include "app/batch.h"
#include "app/overview_export.h"
#include "casefile/case_file_state.h"
#include "config/output_file.h"
#include "overview/overview.h"
#include "report/report_writer.h"
#include "text/cp850.h"

namespace trb::app {

int RunOverviewBatch(Program& program, const std::string& folder, std::ostream& errors) {
    const text::FormatOptions& format = program.settings.format;
    overview::Overview result;
    int error = 0;
    if (!overview::ScanFolder(folder, format, result, error)) {
        errors << "Fehler : Ordner \"" << (folder.empty() ? "." : folder)
               << "\" kann nicht gelesen werden: " << std::strerror(error) << '\n';
        return kExitUnreadableCase;
    }
    for (const overview::Row& row : result.rows) {
        if (row.state != overview::RowState::Unreadable) continue;
        errors << "Warnung: "
               << (row.messages.empty() ? row.cells[overview::kFileColumn] : row.messages.front()) << '\n';
    }

    const std::string workbook = casefile::InFolder(folder, kOverviewWorkbook);
    const workbook::WriteResult written =
        workbook::WriteWorkbook(workbook, OverviewSheet(result), report::TemporaryFolder(program.settings));
    if (!written.Ok()) {
        errors << "Fehler : " << text::OemToDisplay(WriteProblem(workbook, written.error), format) << '\n';
        return kExitUnreadableCase;
    }
    const std::string json = casefile::InFolder(folder, kOverviewJson);
    if (const int jsonError = config::WriteWholeFile(json, OverviewJson(result))) {
        errors << "Fehler : " << text::OemToDisplay(WriteProblem(json, jsonError), format) << '\n';
        return kExitUnreadableCase;
    }
    return kExitOk;
}

}  // namespace trb::app
