#pragma once

#include <iosfwd>

#include "app/command_line.h"
#include "app/program.h"

namespace trb::app {

// "/VERIFY": runs every comparison, prints the failed ones and the counts to `out` (and each section's
// name to `errors` as it starts), writes the report as the PDF when one is named, and exits with
// kExitVerificationFailed (batch.h) when a comparison failed (the PDF is written all the same, showing it).
int RunVerifyBatch(Program& program, const VerifyBatch& request, std::ostream& out, std::ostream& errors);

}  // namespace trb::app
