#pragma once

#include <numbers>
#include <string>

#include "core/real.h"
#include "text/format_options.h"

namespace trb::cad {

using trb::real;

inline constexpr real kRadiansPerDegree = std::numbers::pi_v<real> / 180;

// Fixed-point text with exactly `decimals` decimals, no padding, independent of the C locale.
// `point` is the decimal separator. A value that rounds to zero is written without a sign.
std::string FixedText(real value, int decimals, char point = '.');

// The program's short number form (three significant digits, no trailing zeros, "0" below
// 0.00001) with a decimal point whatever the display separator setting, as CAD files need it.
std::string CompactText(real value, const text::FormatOptions& options);

// True when an arc from phi1 to phi2 (degrees) is a full turn: equal angles, 0..360 or 360..0,
// each within 1e-5.
bool IsFullTurn(real phi1, real phi2);

}  // namespace trb::cad
