#pragma once

#include <string>
#include <string_view>
#include <vector>

// Spreadsheet workbooks (.xlsx): what the program puts into one sheet, and writing it.
namespace trb::workbook {

// One cell: empty, a text, or a number that the spreadsheet shows with a fixed count of decimals
// (or, for numbers the program writes as "12.345E3", in engineering notation).
struct Cell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;  // UTF-8; for a number the text the program shows for it
    double value = 0;
    int decimals = 0;
    bool engineering = false;
};

Cell TextCell(std::string_view text);
// `shown` is the program's text for the number; it sets the cell's width and nothing else.
Cell NumberCell(double value, int decimals, std::string_view shown = {});
// The digits after the decimal point or comma of a shown number (0 without one; the mantissa's
// decimals for "12.345E3").
int ShownDecimals(std::string_view shown);
// The cell a text stands for: a number cell when the whole text (blanks around it aside) is a plain
// decimal number with "." or "," as separator, shown with as many decimals as the text has;
// otherwise a text cell with the text as it is.
Cell CellFromText(std::string_view text);

struct Sheet {
    std::string name = "TRB";
    std::vector<std::vector<Cell>> rows;
    bool titleRow = false;  // the first row is bold and stays in view while scrolling
};

// Column widths in characters, wide enough for the longest text of each column (within limits).
std::vector<double> ColumnWidths(const Sheet& sheet);

struct WriteResult {
    int error = 0;  // 0, or the errno value of the failure (EIO when the library gives none)
    bool Ok() const { return error == 0; }
};

// Writes the sheet as the only sheet of a workbook at `path`. The workbook is made in
// `tempFolder` (the program's own; none given is an error) first and then written under a
// temporary name beside `path` and renamed, so a failure leaves neither a half-written workbook
// nor a changed previous one.
WriteResult WriteWorkbook(const std::string& path, const Sheet& sheet, const std::string& tempFolder);

}  // namespace trb::workbook
