#pragma once

#include <iosfwd>

#include "app/command_line.h"
#include "app/program.h"

namespace trb::app {

// "/SWEEP:q=from:to:steps": checks the range (a bad one is reported and ends with exit code 2),
// reads and calculates the case, sweeps it at its three clearances and writes "<case>.sweep.csv"
// and "<case>.sweep.json" beside the case file. Exit code 3 when no point could be calculated.
int RunSweepBatch(Program& program, const SweepBatch& request, std::ostream& errors);

}  // namespace trb::app
