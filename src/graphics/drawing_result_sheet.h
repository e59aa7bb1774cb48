#pragma once

#include "graphics/drawing_data.h"

namespace trb::graphics {

class Driver;

// The one-page result sheet (sheet units 160 by 120): framed tables of the header lines, limits,
// bearing, shaft, lubricant, results and heat balance, and the run's messages when there are any.
void DrawResultSheet(Driver& driver, const DrawingData& data);

// The result sheet of a failed run: the header lines and the run's messages, no results.
void DrawFailedRunSheet(Driver& driver, const DrawingData& data);

}  // namespace trb::graphics
