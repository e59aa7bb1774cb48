#pragma once

#include <string>
#include <vector>

#include "core/real.h"

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
// the cells. A table without title starts with its first row.
void DrawFramedTable(Driver& driver, const FramedTable& table, real h);

// The width of a table with text height h.
real FramedTableWidth(const FramedTable& table, real h);

}  // namespace trb::graphics
