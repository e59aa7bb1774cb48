#pragma once

#include "graphics/paper_drawing.h"
#include "verify/comparison.h"

namespace trb::verify {

// The size of a chart drawing, mm.
inline constexpr double kChartWidth = 180;
inline constexpr double kChartHeight = 100;

// A chart of the report drawn with the program's diagram frame on the paper device: the curves in
// the pens of the operating charts, marks as small circles, the tolerance band dashed, a legend on
// the right. The drawing's world millimetres run from (0, 0) to (kChartWidth, kChartHeight).
graphics::PaperDrawing ChartDrawing(const Chart& chart);

}  // namespace trb::verify
