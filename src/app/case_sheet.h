#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/format_options.h"
#include "workbook/workbook.h"

// A case file in a spreadsheet: one line per row, so that the case can be edited there and read
// back.
namespace trb::app {

// Line k of the case text in row k of column A, converted for display. The lines that hold the
// case's numbers (the input block and the three last lines) become number cells when they hold a
// number; every other line stays a text cell, whatever it looks like. Column B names what the
// line holds: the title data and the record field of each number line.
workbook::Sheet CaseSheet(std::string_view caseText, const text::FormatOptions& format);

// The case text in column A of a sheet read back: each cell converted back to code page 850, a
// line per row (an empty line for an empty cell), lines ended by CR LF.
std::string CaseTextFromSheet(const std::vector<std::vector<std::string>>& rows);

}  // namespace trb::app
