#include "app/overview_export.h"

#include <cerrno>
#include <charconv>
#include <cmath>

#include "app/json_text.h"
#include "casefile/case_file_state.h"
#include "report/report_writer.h"
#include "text/cp850.h"
#include "ui/checked_file.h"

namespace trb::app {

namespace {

constexpr std::string_view kSpreadsheetMissing = "Could not start Excel";

// The shortest text that reads back as the same number.
std::string ShortestNumber(double x) {
    if (!std::isfinite(x)) return "null";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

}  // namespace

workbook::Sheet OverviewSheet(const overview::Overview& overview) {
    workbook::Sheet sheet;
    sheet.titleRow = true;
    std::vector<workbook::Cell> titles;
    for (const auto& column : overview::Columns()) titles.push_back(workbook::TextCell(column.title));
    sheet.rows.push_back(std::move(titles));
    for (const overview::Row& row : overview.rows) {
        std::vector<workbook::Cell> cells;
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            const std::string& shown = row.cells[c];
            if (overview::Columns()[c].numeric && row.values[c]) {
                cells.push_back(workbook::NumberCell(*row.values[c], workbook::ShownDecimals(shown), shown));
            } else if (shown.empty()) {
                cells.emplace_back();
            } else {
                cells.push_back(workbook::TextCell(shown));
            }
        }
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

std::string OverviewJson(const overview::Overview& overview) {
    const auto& columns = overview::Columns();
    // File names are bytes: they are written so that distinct names stay distinct.
    std::string out =
        "{\n  \"folder\": " + JsonText(text::FileNameText(overview.folder)) + ",\n  \"columns\": [";
    for (std::size_t c = 0; c < columns.size(); ++c) out += (c > 0 ? ", " : "") + JsonText(columns[c].title);
    out += "],\n  \"rows\": [";
    for (std::size_t r = 0; r < overview.rows.size(); ++r) {
        const overview::Row& row = overview.rows[r];
        out += r > 0 ? ",\n    {" : "\n    {";
        out += "\"file\": " + JsonText(text::FileNameText(row.file));
        out += ", \"state\": " + JsonText(overview::StateName(row.state));
        out += ", \"messages\": [";
        for (std::size_t m = 0; m < row.messages.size(); ++m)
            out += (m > 0 ? ", " : "") + JsonText(row.messages[m]);
        out += "], \"cells\": [";
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            out += (c > 0 ? ", " : "") + JsonText(row.cells[c]);
        out += "], \"values\": {";
        bool first = true;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (!columns[c].numeric) continue;
            out += (first ? "" : ", ") + JsonText(columns[c].key) + ": ";
            out += row.values[c] ? ShortestNumber(*row.values[c]) : "null";
            first = false;
        }
        out += "}}";
    }
    out += overview.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string WriteProblem(const std::string& path, int error) {
    const bool refused = error == EACCES || error == EROFS || error == EPERM;
    return "Datei " + text::DisplayToOem(path) + " nicht geschrieben: " +
           ui::FileErrorText(refused ? ui::FileOperation::Create : ui::FileOperation::Write, error);
}

bool WriteWorkbookChecked(Program& program, const std::string& path, const workbook::Sheet& sheet) {
    const workbook::WriteResult result =
        workbook::WriteWorkbook(path, sheet, report::TemporaryFolder(program.settings));
    if (result.Ok()) return true;
    program.dialogs.ShowErrorBox(WriteProblem(path, result.error));
    program.abort = true;
    return false;
}

void ExportOverviewToSpreadsheet(Program& program, const overview::Overview& overview) {
    const std::string path = casefile::InFolder(overview.folder, kOverviewWorkbook);
    ui::AskOverwrite(path, program.dialogs, program.abort);
    if (program.abort) return;
    program.dialogs.SetBusy(true);
    const bool written = WriteWorkbookChecked(program, path, OverviewSheet(overview));
    program.dialogs.SetBusy(false);
    if (!written) return;
    program.dialogs.FileWritten(path);
    if (!program.launcher.Open(path))
        program.dialogs.ShowErrorBox(
            std::string(kSpreadsheetMissing) + ": " +
            ui::NothingCouldOpenText(path, text::DisplayToOem(program.launcher.FailureText())));
}

}  // namespace trb::app
