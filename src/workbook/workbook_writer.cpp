// Writing a sheet as an .xlsx workbook with libxlsxwriter.
#include <stdlib.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "config/output_file.h"
#include "text/cp850.h"
#include "workbook/workbook.h"

namespace trb::workbook {

namespace {

// The longest text a cell holds.
constexpr std::size_t kMaxCellText = 32767;

// A text as a cell may hold it: valid UTF-8 without control characters (readers would show their
// escaped form), cut at a character boundary.
std::string CellText(std::string_view text) {
    std::string valid = text::ValidUtf8(text);
    for (char& c : valid) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n') c = ' ';
    }
    if (valid.size() <= kMaxCellText) return valid;
    std::size_t cut = kMaxCellText;
    while (cut > 0 && (static_cast<unsigned char>(valid[cut]) & 0xC0) == 0x80) --cut;
    valid.resize(cut);
    return valid;
}

// "0", "0.000" or, in engineering notation, "##0.000E+0".
std::string NumberFormat(int decimals, bool engineering) {
    std::string format = engineering ? "##0" : "0";
    if (decimals > 0) format += "." + std::string(static_cast<std::size_t>(decimals), '0');
    if (engineering) format += "E+0";
    return format;
}

// The formats of one workbook, made once per kind.
class Formats {
  public:
    explicit Formats(lxw_workbook* book) : book_(book) {}

    lxw_format* For(const Cell& cell, bool bold) {
        const bool number = cell.kind == Cell::Kind::Number;
        const auto key =
            std::make_tuple(number, number ? cell.decimals : 0, number && cell.engineering, bold);
        auto found = formats_.find(key);
        if (found != formats_.end()) return found->second;
        lxw_format* format = nullptr;
        if (number || bold) {
            format = workbook_add_format(book_);
            if (bold) format_set_bold(format);
            if (number) format_set_num_format(format, NumberFormat(cell.decimals, cell.engineering).c_str());
        }
        formats_.emplace(key, format);
        return format;
    }

  private:
    lxw_workbook* book_;
    std::map<std::tuple<bool, int, bool, bool>, lxw_format*> formats_;
};

lxw_error WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const Cell& cell,
                    lxw_format* format) {
    if (cell.kind == Cell::Kind::Number && std::isfinite(cell.value))
        return worksheet_write_number(sheet, row, column, cell.value, format);
    if (cell.kind == Cell::Kind::Empty) {
        return format != nullptr ? worksheet_write_blank(sheet, row, column, format) : LXW_NO_ERROR;
    }
    return worksheet_write_string(sheet, row, column, CellText(cell.text).c_str(), format);
}

// A sheet name the spreadsheet accepts: at most 31 characters and none of []:*?/\.
std::string SheetName(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (std::string_view("[]:*?/\\").find(c) == std::string_view::npos) out += c;
    }
    if (out.empty() || out.size() > 31) return "TRB";
    return out;
}

// Fills the workbook; the first error of the library, if any.
lxw_error Fill(lxw_workbook* book, const Sheet& sheet) {
    lxw_worksheet* worksheet = workbook_add_worksheet(book, SheetName(sheet.name).c_str());
    if (worksheet == nullptr) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    Formats formats(book);
    const std::size_t rows = std::min<std::size_t>(sheet.rows.size(), LXW_ROW_MAX);
    for (std::size_t r = 0; r < rows; ++r) {
        const auto& cells = sheet.rows[r];
        const bool bold = sheet.titleRow && r == 0;
        const std::size_t columns = std::min<std::size_t>(cells.size(), LXW_COL_MAX);
        for (std::size_t c = 0; c < columns; ++c) {
            const lxw_error error = WriteCell(worksheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                              cells[c], formats.For(cells[c], bold));
            if (error != LXW_NO_ERROR) return error;
        }
    }
    const std::vector<double> widths = ColumnWidths(sheet);
    for (std::size_t c = 0; c < widths.size() && c < LXW_COL_MAX; ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        worksheet_set_column(worksheet, column, column, widths[c], nullptr);
    }
    if (sheet.titleRow) worksheet_freeze_panes(worksheet, 1, 0);
    return LXW_NO_ERROR;
}

// A fresh file name in the folder for the library to write to; empty when none can be made.
std::string TemporaryName(const std::string& folder) {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '/') pattern += '/';
    pattern += "workbook.XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return {};
    ::close(fd);
    return pattern;
}

int ErrnoOr(int fallback) {
    return errno != 0 ? errno : fallback;
}

}  // namespace

WriteResult WriteWorkbook(const std::string& path, const Sheet& sheet, const std::string& tempFolder) {
    // Without a temporary folder of its own the program writes nothing rather than use a shared one.
    if (tempFolder.empty()) return {ENOENT};
    errno = 0;
    const std::string made = TemporaryName(tempFolder);
    if (made.empty()) return {ErrnoOr(EIO)};

    std::string libraryTemp = tempFolder;
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = libraryTemp.data();
    options.use_zip64 = LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(made.c_str(), &options);
    if (book == nullptr) {
        ::unlink(made.c_str());
        return {ENOMEM};
    }
    errno = 0;
    const lxw_error filled = Fill(book, sheet);
    const lxw_error closed = workbook_close(book);  // also frees the workbook
    const int closeErrno = errno;
    if (filled != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        ::unlink(made.c_str());
        return {filled != LXW_NO_ERROR ? EINVAL : (closeErrno != 0 ? closeErrno : EIO)};
    }

    std::ifstream in(made, std::ios::binary);
    std::ostringstream content;
    if (in.is_open()) content << in.rdbuf();
    in.close();
    ::unlink(made.c_str());
    if (content.str().empty()) return {EIO};
    return {config::WriteWholeFile(path, content.str())};
}

}  // namespace trb::workbook
