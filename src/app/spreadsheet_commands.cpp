#include "app/spreadsheet_commands.h"

#include <filesystem>

#include "app/case_sheet.h"
#include "app/overview_export.h"
#include "casefile/case_file.h"
#include "casefile/case_format.h"
#include "config/input_file.h"
#include "core/calculation.h"
#include "report/report_writer.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/checked_file.h"
#include "workbook/workbook_reader.h"

namespace trb::app {

namespace {

constexpr std::string_view kSaveFirst =
    "Zuerst m\x81ssen Sie Ihre Eingabedaten speichern (Men\x81 \"Datei->Speichern\")";
constexpr std::string_view kCannotStart = "Excel kann nicht gestartet werden";
constexpr std::string_view kNoCaseFile = "File not found. Use \"File->Save\"";
// The tab-separated copy of a report is read up to this size.
constexpr std::size_t kMaxReportSize = 16u << 20;
// A case sheet as large as a case file can be: a line in each row (two bytes of a case file at the
// least), each character taking at most three bytes as UTF-8, each row its place.
constexpr std::size_t kMostCaseSheetRows = casefile::kMaxCaseFileSize / 2;
constexpr std::size_t kMostCaseSheetBytes =
    3 * casefile::kMaxCaseFileSize +
    kMostCaseSheetRows * (sizeof(std::vector<std::string>) + sizeof(std::string));

std::string WithoutExtension(const std::string& path) {
    return std::filesystem::path(path).replace_extension().string();
}

std::string Shown(const std::string& path) {
    return text::DisplayToOem(path);
}

std::string ReadProblemText(const std::string& path, workbook::ReadProblem problem) {
    switch (problem) {
        case workbook::ReadProblem::None:
            return {};
        case workbook::ReadProblem::NotAWorkbook:
            return "Datei " + Shown(path) + " ist keine Arbeitsmappe !";
        case workbook::ReadProblem::Damaged:
            return "Arbeitsmappe " + Shown(path) +
                   " ist besch\x84"
                   "digt !";
        case workbook::ReadProblem::TooLarge:
            return "Arbeitsmappe " + Shown(path) + " ist zu gro\xE1 !";
    }
    return {};
}

// The tab-separated report (display text) as a sheet: a row per line, a cell per field.
workbook::Sheet ReportSheet(std::string_view report) {
    workbook::Sheet sheet;
    config::LineSplitter lines(report, report.size() + 1);
    std::string line;
    while (lines.Next(line)) {
        std::vector<workbook::Cell> row;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            row.push_back(workbook::CellFromText(std::string_view(line).substr(start, tab - start)));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

}  // namespace

std::string CaseWorkbookPath(const casefile::CaseFileState& state) {
    return WithoutExtension(casefile::CurrentCaseFile(state)) + ".xlsx";
}

std::string ReportWorkbookPath(const casefile::CaseFileState& state) {
    if (state.name.empty()) return casefile::InFolder(state.folder, "trb-report.xlsx");
    return WithoutExtension(casefile::CurrentCaseFile(state)) + "-report.xlsx";
}

bool SpreadsheetCommands::Open(const std::string& workbook) {
    program_.dialogs.FileWritten(workbook);
    if (program_.launcher.Open(workbook)) return true;
    program_.dialogs.ShowNoteBox(
        std::string(kCannotStart) + ": " +
        ui::NothingCouldOpenText(workbook, text::DisplayToOem(program_.launcher.FailureText())));
    program_.abort = true;
    return false;
}

void SpreadsheetCommands::StartSpreadsheet() {
    if (program_.caseFile.name.empty()) {
        program_.dialogs.ShowNoteBox(kSaveFirst);
        program_.abort = true;
        return;
    }
    // A workbook of the same name may hold the user's own work; the export (after a start) writes
    // the one the start made.
    ui::AskOverwrite(CaseWorkbookPath(program_.caseFile), program_.dialogs, program_.abort);
    if (program_.abort) return;
    program_.dialogs.SetBusy(true);
    WriteCaseToSheet(program_.caseFile.name);
    if (!program_.abort && Open(CaseWorkbookPath(program_.caseFile))) started_ = true;
    program_.dialogs.SetBusy(false);
}

void SpreadsheetCommands::WriteCaseToSheet(const std::string& name) {
    if (name.empty()) {
        program_.dialogs.ShowNoteBox(kNoCaseFile);
        program_.abort = true;
        return;
    }
    const std::string path = casefile::CurrentCaseFile(program_.caseFile);
    const config::InputFile input = config::ReadInputFile(path, casefile::kMaxCaseFileSize);
    if (input.status != config::InputStatus::Ok) {
        program_.dialogs.ShowErrorBox(config::InputProblem(Shown(path), input));
        program_.abort = true;
        return;
    }
    WriteWorkbookChecked(program_, CaseWorkbookPath(program_.caseFile),
                         CaseSheet(input.content, program_.settings.format));
}

void SpreadsheetCommands::ExportCaseToSpreadsheet() {
    casefile::CaseFileState& state = program_.caseFile;
    if (state.modified) {
        const bool unnamed = state.name.empty();
        auto cases = program_.CaseFiles();
        casefile::WriteCaseFile(cases, unnamed ? std::string() : casefile::CurrentCaseFile(state));
        if (program_.abort) return;
        state.modified = false;
        if (unnamed) casefile::AddRecentFile(state, state.name);
    }
    program_.dialogs.SetBusy(true);
    WriteCaseToSheet(state.name);
    if (!program_.abort) Open(CaseWorkbookPath(state));
    program_.dialogs.SetBusy(false);
}

void SpreadsheetCommands::ReportToSpreadsheet() {
    if (program_.status.calculationFailed) {
        program_.ShowRunMessages();
        return;
    }
    config::ConfigSettings& settings = program_.settings;
    const int device = settings.textDevice;
    const bool deviceWindow = settings.textDeviceWindow;
    settings.textDevice = report::kTabFile;
    settings.textDeviceWindow = false;
    const int before = program_.writer.exportCounter;
    program_.PrintResultReport(report::kTabFile);
    settings.textDevice = device;
    settings.textDeviceWindow = deviceWindow;
    if (program_.abort || program_.writer.exportCounter == before) return;

    const std::string copy = program_.writer.deliveredName;
    const config::InputFile input = config::ReadInputFile(copy, kMaxReportSize);
    if (input.status != config::InputStatus::Ok) {
        program_.dialogs.ShowErrorBox(config::InputProblem(Shown(copy), input));
        program_.abort = true;
        return;
    }
    const std::string workbook = ReportWorkbookPath(program_.caseFile);
    ui::AskOverwrite(workbook, program_.dialogs, program_.abort);
    if (program_.abort) return;
    program_.dialogs.SetBusy(true);
    const bool written = WriteWorkbookChecked(program_, workbook, ReportSheet(input.content));
    program_.dialogs.SetBusy(false);
    if (written) Open(workbook);
}

bool SpreadsheetCommands::ImportCaseFromSpreadsheet() {
    const std::string path = CaseWorkbookPath(program_.caseFile);
    const config::InputFile input = config::ReadInputFile(path, workbook::kMaxWorkbookSize);
    if (input.status != config::InputStatus::Ok) {
        program_.dialogs.ShowErrorBox(config::InputProblem(Shown(path), input));
        program_.abort = true;
        return false;
    }
    // A case sheet holds the case file's lines in column A: more than a case file can hold is no
    // case, and reading it must not fill the memory.
    workbook::SheetLimits limits;
    limits.rows = kMostCaseSheetRows;
    limits.columns = 1;
    limits.bytes = kMostCaseSheetBytes;
    const workbook::SheetCells sheet = workbook::ReadFirstSheet(input.content, limits);
    if (sheet.problem != workbook::ReadProblem::None) {
        program_.dialogs.ShowErrorBox(ReadProblemText(path, sheet.problem));
        program_.abort = true;
        return false;
    }
    const std::string text = CaseTextFromSheet(sheet.rows);
    if (!casefile::LooksLikeCaseFile(text)) {
        program_.dialogs.ShowErrorBox("Arbeitsmappe " + Shown(path) + " enth\x84lt keinen Fall !");
        program_.abort = true;
        return false;
    }
    auto cases = program_.CaseFiles();
    if (!casefile::ReadCaseContent(text, cases.content).complete) {
        program_.dialogs.ShowNoteBox("Arbeitsmappe " + Shown(path) +
                                     " endet vor dem Ende des Falls; die \x81"
                                     "brigen Werte bleiben.");
    }
    program_.dialogs.SetBusy(true);
    core::RunCalculation(program_.record, program_.status, program_.abort);
    program_.dialogs.SetBusy(false);
    program_.abort = false;
    program_.caseFile.modified = true;
    return true;
}

}  // namespace trb::app
