#pragma once

namespace trb {

// Every engineering value is carried in 80-bit extended precision.
using real = long double;

}  // namespace trb
