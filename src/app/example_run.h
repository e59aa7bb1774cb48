#pragma once

#include <iosfwd>

namespace trb::app {

// Loads the example case into a fresh record, runs the calculation and writes the inputs, the results
// with their symbols and units, and the message list to `out` as a plain table.
void PrintExampleRun(std::ostream& out);

}  // namespace trb::app
