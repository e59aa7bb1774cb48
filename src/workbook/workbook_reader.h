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
    TooLarge,      // a part beyond kMaxPartSize, or cells beyond the limits' memory
};

struct SheetCells {
    ReadProblem problem = ReadProblem::None;
    // rows[r][c] is the cell in row r + 1, column c + 1; rows and columns without cells are empty.
    // Texts as they stand, numbers in their shortest exact form ("120", "0.025", "2.3e-05"),
    // booleans "TRUE" or "FALSE".
    std::vector<std::vector<std::string>> rows;
};

// What reading a sheet may build. Cells beyond the rows and columns are left out; a sheet whose
// cells take more memory than `bytes` (their texts and their places in the rows) is refused as too
// large: a small file can name one long shared text from every cell, or place single cells so far
// apart that the rows between them fill the memory.
struct SheetLimits {
    std::size_t rows = kMaxRows;
    std::size_t columns = kMaxColumns;
    std::size_t bytes = 64u << 20;
};

// The first worksheet of the workbook whose file content is `bytes`.
SheetCells ReadFirstSheet(std::string_view bytes, const SheetLimits& limits = {});

}  // namespace trb::workbook
