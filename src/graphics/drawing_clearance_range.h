#pragma once

#include "core/clearance_range.h"
#include "graphics/drawing_data.h"
#include "graphics/vektor.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::graphics {

class Driver;

// The sheet of the clearance range (sheet units 200 by 150).
inline constexpr Rect kClearanceRangeLimits{0, 0, 200, 150};

// The runs at the smallest, mean and largest clearance side by side (clearances, Sommerfeld number,
// eccentricity, film thickness, friction, flow, temperatures and transition speed), the limit
// checks of each run and each run's messages. The governing clearance of the film thickness and of
// the temperatures is marked.
void DrawClearanceRange(Driver& driver, const DrawingData& data, const core::ClearanceRange& range);

// The whole drawing on a device (0 asks): open, limits, tables, the sheet, close.
void DrawClearanceRangeView(Driver& driver, const DrawingData& data, const core::ClearanceRange& range,
                            int device);

}  // namespace trb::graphics
