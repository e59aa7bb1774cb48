#pragma once

#include "app/command_line.h"
#include "app/program.h"

namespace trb::app {

// The case named on the command line of a start with the window. With a plain name the file is read
// quietly (no error boxes) and becomes the case, saved back under its own name; when it cannot be
// read the program starts with an empty case under that name, provided the name can be created
// (after the overwrite question). With "/E" or "/G" the name only becomes the case name. Returns
// false when the program must end. The caller runs the calculation and draws as for every start.
bool OpenCommandLineCase(Program& program, const CaseStart& start);

}  // namespace trb::app
