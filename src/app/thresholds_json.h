#pragma once

#include <string>
#include <string_view>

#include "core/thresholds.h"

namespace trb::app {

// The thresholds as the JSON member "thresholds" holds them: "min", "mean" and "max", each with
// "load_h0lim", "load_tlim", "speed_h0lim", "speed_tlim", "temperature_h0lim", "temperature_tlim"
// (the crossings in ascending order: N, 1/s, °C) and "load_plim" (N). The object alone, its lines
// after `indent`; it begins with "{" and ends with "}" without a line end.
std::string ThresholdsJson(const core::Thresholds& thresholds, std::string_view indent);

}  // namespace trb::app
