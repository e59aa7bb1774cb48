#pragma once

#include "app/command_line.h"
#include "app/program.h"

namespace trb::app {

// The case named on the command line of a start with the window. With a plain name the file is read
// and becomes the case, saved back under its own name; a file that ends early is read as far as it
// goes, with the warning File -> Open gives. A missing file is said so, and the program starts with
// an unnamed case in the file's folder. A file that exists but cannot be read as a case is reported;
// the program then starts with an empty case under that name, provided the name may be written
// (after the overwrite question). With "/E" or "/G" the name only becomes the case name. Returns
// false when the program must end. The caller runs the calculation and draws as for every start.
bool OpenCommandLineCase(Program& program, const CaseStart& start);

}  // namespace trb::app
