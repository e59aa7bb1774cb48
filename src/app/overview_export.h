#pragma once

#include <string>

#include "app/program.h"
#include "overview/overview.h"
#include "workbook/workbook.h"

// The case overview outside its window: as a sheet, as JSON, and written as files.
namespace trb::app {

inline constexpr const char* kOverviewWorkbook = "overview.xlsx";
inline constexpr const char* kOverviewJson = "overview.json";

// The title row and one row per case: numbers as number cells with the decimals the grid shows.
workbook::Sheet OverviewSheet(const overview::Overview& overview);

// The folder, the column titles and per row the file, its state, the run's messages, the texts the
// grid shows and the numbers behind them (keyed by column, null where a cell is empty).
std::string OverviewJson(const overview::Overview& overview);

// The message for a workbook or file that could not be written (code page 850).
std::string WriteProblem(const std::string& path, int error);

// Writes the sheet as a workbook at `path` in the program's temporary folder first; a failure is
// shown as an error box and sets the abort flag. True when the workbook was written.
bool WriteWorkbookChecked(Program& program, const std::string& path, const workbook::Sheet& sheet);

// The overview window's "Export Excel": the overview as "overview.xlsx" in its folder (after the
// overwrite question), opened with the desktop's spreadsheet program.
void ExportOverviewToSpreadsheet(Program& program, const overview::Overview& overview);

}  // namespace trb::app
