#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Reading the cells of an .xlsx workbook back, as made by this program or saved by a spreadsheet
// program.
namespace trb::workbook {

// The largest workbook file read, and the most data read from any part inside it.
inline constexpr std::size_t kMaxWorkbookSize = 16u << 20;
inline constexpr std::size_t kMaxPartSize = 64u << 20;
// Cells beyond these are left out.
inline constexpr std::size_t kMaxRows = 100000;
inline constexpr std::size_t kMaxColumns = 256;

enum class ReadProblem {
    None,
    NotAWorkbook,  // not a zip archive, or no worksheet inside
    Damaged,       // a part that does not unpack or is not well-formed XML
    TooLarge,      // a part beyond kMaxPartSize
};

struct SheetCells {
    ReadProblem problem = ReadProblem::None;
    // rows[r][c] is the cell in row r + 1, column c + 1; rows and columns without cells are empty.
    // Texts as they stand, numbers in their shortest exact form ("120", "0.025", "2.3e-05"),
    // booleans "TRUE" or "FALSE".
    std::vector<std::vector<std::string>> rows;
};

// The first worksheet of the workbook whose file content is `bytes`.
SheetCells ReadFirstSheet(std::string_view bytes);

}  // namespace trb::workbook
