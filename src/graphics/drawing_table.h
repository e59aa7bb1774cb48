#pragma once

#include <string>
#include <vector>

#include "core/real.h"
#include "graphics/vektor.h"

namespace trb::graphics {

class Driver;

// A framed table of the result sheet and the production drawing: a title row over rows of cells.
// Texts are code page 850.
struct FramedTable {
    real x = 0;  // top-left corner
    real y = 0;
    std::vector<real> widthFactors;  // one per column; a column is 0.9 · factor · text height wide
    std::string title;
    std::vector<std::vector<std::string>> rows;
};

// Draws the table with text height h in the current pen: the title's baseline lies 1.5·h below
// the top, every further row 2·h below the previous one; frame, row and column lines around
// the cells. A table without title starts with its first row. A cell's text too long for its
// column is written narrower, so that it ends inside its cell.
void DrawFramedTable(Driver& driver, const FramedTable& table, real h);

// The width of a table with text height h.
real FramedTableWidth(const FramedTable& table, real h);

// Where DrawFramedTable writes the text of a cell (row and column counted from 0, below the title).
Point FramedTableCell(const FramedTable& table, real h, std::size_t row, std::size_t column);

// The lowest edge of the table.
real FramedTableBottom(const FramedTable& table, real h);

}  // namespace trb::graphics
