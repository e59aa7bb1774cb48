#pragma once

#include "app/command_line.h"
#include "app/program.h"

namespace trb::app {

// "/CADi:j": reads the case, calculates it and writes its production drawing to CAD device i
// (1 DXF, 2 IGES, 5 text dump) as "<case>.dxf", ".igs" or ".txt" beside the case file, without
// any question. Exit codes as for the other batch modes: 1 when the case cannot be read or the
// drawing cannot be written, 2 for another device, 3 when the calculation failed (its messages go
// to the error output and no drawing is written).
int RunCadBatch(Program& program, const CadBatch& request);

}  // namespace trb::app
