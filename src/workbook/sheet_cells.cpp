// The cells of a sheet and the widths of its columns.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "text/format.h"
#include "workbook/workbook.h"

namespace trb::workbook {

namespace {

constexpr double kNarrowest = 8;
constexpr double kWidest = 60;

// Characters as a spreadsheet lays them out: Hangul and other East Asian characters take two places.
double DisplayWidth(std::string_view utf8) {
    double width = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0) == 0x80) continue;  // continuation byte
        width += byte >= 0xE1 && byte <= 0xEF ? 2 : 1;
    }
    return width;
}

}  // namespace

Cell TextCell(std::string_view text) {
    Cell cell;
    cell.kind = Cell::Kind::Text;
    cell.text = std::string(text);
    return cell;
}

Cell NumberCell(double value, int decimals, std::string_view shown) {
    Cell cell;
    cell.kind = Cell::Kind::Number;
    cell.value = value;
    cell.decimals = std::clamp(decimals, 0, 15);
    cell.text = std::string(shown);
    return cell;
}

int ShownDecimals(std::string_view shown) {
    const std::size_t separator = shown.find_first_of(".,");
    if (separator == std::string_view::npos) return 0;
    int decimals = 0;
    for (std::size_t i = separator + 1; i < shown.size() && shown[i] >= '0' && shown[i] <= '9'; ++i)
        ++decimals;
    return decimals;
}

Cell CellFromText(std::string_view text) {
    const std::string trimmed = text::TrimText(text);
    if (trimmed.empty()) return {};
    real value = 0;
    if (!text::ParseReal(trimmed, value) || !std::isfinite(static_cast<double>(value))) return TextCell(text);
    Cell cell = NumberCell(static_cast<double>(value), ShownDecimals(trimmed), trimmed);
    cell.engineering = trimmed.find_first_of("eE") != std::string::npos;
    return cell;
}

std::vector<double> ColumnWidths(const Sheet& sheet) {
    std::vector<double> widths;
    for (const auto& row : sheet.rows) {
        if (row.size() > widths.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            const Cell& cell = row[c];
            double width = DisplayWidth(cell.text);
            if (cell.kind == Cell::Kind::Number && cell.text.empty()) width = 12;
            widths[c] = std::max(widths[c], width);
        }
    }
    for (double& width : widths) width = std::clamp(width + 2, kNarrowest, kWidest);
    return widths;
}

}  // namespace trb::workbook
