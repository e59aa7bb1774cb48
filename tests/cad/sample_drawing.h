#pragma once

#include "cad/device.h"

namespace trb::cad::test {

// A small drawing that uses every operation a device writes: the limits, the tables, a block
// with a circle and a line, entities on standard and colour pens, a full-turn arc, a text with
// an umlaut, a solid, a polyline (as the driver sends it to the device) and a turned insert.
void DrawSample(CadDevice& device);

}  // namespace trb::cad::test
