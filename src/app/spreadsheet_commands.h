#pragma once

#include <string>

#include "app/program.h"

// The spreadsheet items of the main window. A workbook beside the case stands for the spreadsheet
// program's sheet: "Start Excel" writes the case into "<case>.xlsx" and opens it with the desktop's
// spreadsheet program, "Export TRB -> Excel" writes it again, "Import Excel -> TRB" reads the case
// back from it, and "Printout -> Excel" makes "<case>-report.xlsx" from the result report.
namespace trb::app {

// "<case>.xlsx" beside the current case file.
std::string CaseWorkbookPath(const casefile::CaseFileState& state);
// "<case>-report.xlsx" beside the current case file ("trb-report.xlsx" for an unnamed case).
std::string ReportWorkbookPath(const casefile::CaseFileState& state);

class SpreadsheetCommands {
  public:
    explicit SpreadsheetCommands(Program& program) : program_(program) {}

    // "Start Excel": a named case only. Sets the abort flag on failure; afterwards Started().
    void StartSpreadsheet();
    // "Export TRB -> Excel": saves a changed case first (overwrite question, or the save dialog for
    // an unnamed case), then writes the workbook again and opens it.
    void ExportCaseToSpreadsheet();
    // The case file `name` (empty: "File not found. Use "File->Save"") line by line into the
    // case's workbook. Sets the abort flag on failure.
    void WriteCaseToSheet(const std::string& name);
    // "Printout -> Excel": the result report through the tab-separated device into a workbook,
    // opened with the spreadsheet program; after a fatal run the run's messages instead.
    void ReportToSpreadsheet();
    // "Import Excel -> TRB": reads the case back from column A of the case's workbook and
    // calculates it. True when the case was replaced (the caller redraws); the case is then modified.
    bool ImportCaseFromSpreadsheet();

    // "Start Excel" has succeeded at least once.
    bool Started() const { return started_; }

  private:
    bool Open(const std::string& workbook);

    Program& program_;
    bool started_ = false;
};

}  // namespace trb::app
