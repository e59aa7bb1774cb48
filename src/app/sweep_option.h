#pragma once

#include <string>
#include <string_view>

#include "core/operating_sweep.h"

namespace trb::app {

// Reads the text after "/SWEEP:" ("n=from:to:steps" for the shaft speed in 1/s, "F=from:to:steps"
// for the load in N; the letter in either case, numbers with "." or ",") into `range` and checks
// it. Returns the message for the user (UTF-8), empty when the range is sound. With `withFilm`, a
// fourth part ":film" (any case) asks for the film's coefficient columns and sets it.
std::string ParseSweepOption(std::string_view text, core::SweepRange& range, bool* withFilm = nullptr);

}  // namespace trb::app
