#pragma once

#include <span>

#include "core/record.h"

namespace trb::core {

// What an input of the record can mean: the range of values a real bearing, lubricant or housing
// can have, generous enough for every machine the standard covers and tight enough that a value
// beyond it can only be a typing error or a damaged case file (a roughness of 1e300 µm, a heat
// capacity of 1e308 J/(kg K)). Inputs whose value 0 or below the run already refuses with a message
// of its own where it uses them (diameters, width, density, heat capacity, load, film limit, the
// hole, groove and pocket sizes, the housing's surface and heat transfer) have no lower bound here.
struct InputBound {
    real TRBrecord::*field;
    const char* name;  // the field's name in case files and JSON
    real lowest;
    real highest;
};

std::span<const InputBound> InputBounds();

// The first input outside its bounds (NaN included), or null when every input can mean something.
const InputBound* InputOutOfBounds(const TRBrecord& record);

}  // namespace trb::core
