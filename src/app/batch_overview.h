#pragma once

#include <iosfwd>
#include <string>

#include "app/program.h"

namespace trb::app {

// "/OVERVIEW [folder]": the case overview of the folder (the current one when none is given),
// written as "overview.xlsx" and "overview.json" into it. Files that cannot be read are listed on
// `errors` and keep their rows; a folder that cannot be listed or an output that cannot be written
// ends the run with kExitUnreadableCase and leaves no half-written file.
int RunOverviewBatch(Program& program, const std::string& folder, std::ostream& errors);

}  // namespace trb::app
