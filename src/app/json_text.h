#pragma once

#include <string>
#include <string_view>

#include "core/real.h"

// Pieces of the JSON files the batch modes write.
namespace trb::app {

// A UTF-8 text as a JSON string, quotes included; broken UTF-8 becomes U+FFFD.
std::string JsonText(std::string_view utf8);
// A number with 21 significant digits; "null" for what a double cannot hold (JSON readers take
// numbers as doubles): infinities, NaN and values beyond the double range.
std::string JsonNumber(real x);

}  // namespace trb::app
