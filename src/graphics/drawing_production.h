#pragma once

#include "graphics/drawing_data.h"

namespace trb::graphics {

class Driver;

// The A4 sheet of the production drawing ("FRAME_1"): sheet edge, drawing frame, title block
// with change rows, signature rows, protection notices, drawing names and number, the free text
// items, and (each unless hidden by its setting) the case file name, date and time and the
// maker's line. Sheet millimetres, origin at the sheet's lower left corner.
void DrawTitleBlock(Driver& driver, const DrawingData& data);

// The mark of change n (1-based) in the drawing index style: 0 "a", "b", …; 1 "1", "2", …;
// 2 "A", "B", …; 3 none.
std::string ChangeMark(int n, int style);

// The limit sizes of a bore with tolerance class: nominal size with class, smallest and largest
// diameter, in a framed table with its top-left corner at (x, y).
void DrawLimitSizeTable(Driver& driver, const DrawingData& data, real x, real y);

}  // namespace trb::graphics
