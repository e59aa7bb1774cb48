#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/format_options.h"

// The case overview: every case file of a folder with its main dimensions and key results, each
// read and calculated afresh.
namespace trb::overview {

inline constexpr int kColumnCount = 16;

// The columns in grid order.
enum Column : int {
    kFileColumn,
    kDateColumn,
    kNameColumn,
    kNumberColumn,
    kSpeedColumn,
    kBoreColumn,
    kOuterDiameterColumn,
    kWidthColumn,
    kGradeColumn,
    kLoadColumn,
    kPressureColumn,
    kEccentricityColumn,
    kFilmColumn,
    kInletColumn,
    kOutletColumn,
    kEffectiveColumn,
};

struct ColumnInfo {
    std::string_view title;  // the grid's column title
    int width;               // the grid's column width in pixels
    std::string_view key;    // the column's name in the JSON file
    bool numeric;            // numbers (right-aligned; number cells in workbooks)
    bool result;             // a result of the run (left empty when the run failed)
};

const std::array<ColumnInfo, kColumnCount>& Columns();

enum class RowState {
    Calculated,  // read completely and calculated
    Incomplete,  // the file ended before the case was complete; calculated with what it holds
    Failed,      // the calculation stopped with a fatal error; the result columns stay empty
    Unreadable,  // not readable, or not a case file; only file name and date are shown
};

// "calculated", "incomplete", "failed", "unreadable".
std::string_view StateName(RowState state);

struct Row {
    std::string file;  // the file name with its extension, as the file system spells it
    std::array<std::string, kColumnCount> cells;               // the texts the grid shows (UTF-8)
    std::array<std::optional<double>, kColumnCount> values{};  // the numbers behind them, in the units shown
    RowState state = RowState::Calculated;
    std::vector<std::string> messages;  // the run's messages, or why the file could not be read (UTF-8)
};

struct Overview {
    std::string folder;  // as given, with a final "/"
    std::vector<Row> rows;
};

// Called before each file is read: its position (0-based), the number of files and its name.
using Progress = std::function<void(std::size_t index, std::size_t count, const std::string& file)>;

// The case files of `folder`: regular files whose extension is "trb" in any case, hidden files
// left out, in byte order of their names. Returns the files' names, or nothing with `error` set to
// the errno value when the folder cannot be listed.
std::optional<std::vector<std::string>> CaseFilesOf(const std::string& folder, int& error);

// One row: the file read into a fresh case and calculated. A file that cannot be read or is no case
// file still gets its row (name and date).
Row ReadRow(const std::string& folder, const std::string& file, const text::FormatOptions& format);

// Every case file of the folder in a row of its own. False (with `error` set) when the folder
// cannot be listed; files that cannot be read never stop the listing.
bool ScanFolder(const std::string& folder, const text::FormatOptions& format, Overview& overview, int& error,
                const Progress& progress = {});

// Orders the rows by the texts of one column, byte by byte (a text that is the beginning of another
// comes first; upper-case before lower-case letters). Rows with equal texts keep their order.
void SortRows(std::vector<Row>& rows, int column);

}  // namespace trb::overview
