#include "graphics/drawing_table.h"

#include <string_view>

#include "graphics/driver.h"

namespace trb::graphics {

namespace {

// The character width the tables are written with, in text heights; no device draws a character
// of the tables wider than that (the screen's digits take less).
constexpr real kCharWidth = 0.75L;

// The text's length in character widths, as the proportional fonts of the screen draw it: digits
// take a whole width, capitals a little more, small letters less, narrow letters and marks little
// over half, m and w the most.
real Characters(std::string_view text) {
    constexpr std::string_view kNarrow = "fijlrtI.,:;'!| ()-\xF8";  // \xF8: the degree sign
    constexpr std::string_view kWide = "mwMW";
    real length = 0;
    for (char c : text) {
        if (kNarrow.find(c) != std::string_view::npos) {
            length += 0.6L;
        } else if (kWide.find(c) != std::string_view::npos) {
            length += 1.4L;
        } else if (c >= 'a' && c <= 'z') {
            length += 0.85L;
        } else if (c >= 'A' && c <= 'Z') {
            length += 1.1L;
        } else {
            length += 1;
        }
    }
    return length;
}

// Writes a cell's text from (x, y); a text too long for `room` is narrowed to fit instead of
// running into the next cell.
void CellText(Driver& driver, const std::string& text, real x, real y, real room, real h) {
    const real characters = Characters(text);
    if (characters * kCharWidth * h <= room || room <= 0) {
        driver.CadText(text, x, y);
        return;
    }
    driver.CadTextStyle(2, 0, h, room / characters);
    driver.CadText(text, x, y);
    driver.CadTextStyle(2, 0, h, kCharWidth * h);
}

}  // namespace

real FramedTableWidth(const FramedTable& table, real h) {
    real width = 0;
    for (real factor : table.widthFactors) width += 0.9L * factor * h;
    return width;
}

Point FramedTableCell(const FramedTable& table, real h, std::size_t row, std::size_t column) {
    const std::size_t titleRows = table.title.empty() ? 0 : 1;
    real x = table.x + 0.3L * h;
    for (std::size_t c = 0; c < column && c < table.widthFactors.size(); ++c)
        x += 0.9L * table.widthFactors[c] * h;
    return {x, table.y - 2 * h * static_cast<real>(row + titleRows) - 1.5L * h};
}

real FramedTableBottom(const FramedTable& table, real h) {
    const std::size_t titleRows = table.title.empty() ? 0 : 1;
    return table.y - 2 * h * static_cast<real>(table.rows.size() + titleRows);
}

void DrawFramedTable(Driver& driver, const FramedTable& table, real h) {
    const real width = FramedTableWidth(table, h);
    const real rowHeight = 2 * h;
    const real inset = 0.3L * h;
    // A table without title starts with its first row.
    const std::size_t titleRows = table.title.empty() ? 0 : 1;
    const real bottom = table.y - rowHeight * static_cast<real>(table.rows.size() + titleRows);
    driver.CadTextStyle(2, 0, h, kCharWidth * h);

    driver.CadRectangle(table.x, table.y, table.x + width, bottom);
    CellText(driver, table.title, table.x + inset, table.y - 1.5L * h, width - 1.5L * inset, h);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const real top = table.y - rowHeight * static_cast<real>(i + titleRows);
        if (top != table.y) driver.CadLine(table.x, top, table.x + width, top);
        real x = table.x;
        const auto& row = table.rows[i];
        for (std::size_t c = 0; c < table.widthFactors.size(); ++c) {
            const real cell = 0.9L * table.widthFactors[c] * h;
            // The text keeps half its inset clear of the next column's line.
            if (c < row.size()) CellText(driver, row[c], x + inset, top - 1.5L * h, cell - 1.5L * inset, h);
            x += cell;
        }
    }
    // Column lines below the title row.
    if (!table.rows.empty()) {
        real x = table.x;
        for (std::size_t c = 0; c + 1 < table.widthFactors.size(); ++c) {
            x += 0.9L * table.widthFactors[c] * h;
            driver.CadLine(x, table.y - rowHeight * static_cast<real>(titleRows), x, bottom);
        }
    }
}

}  // namespace trb::graphics
