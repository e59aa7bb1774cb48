#pragma once

#include "app/command_line.h"
#include "app/program.h"

namespace trb::app {

// The PNG resolution when the command line gives none (dots per inch).
inline constexpr int kBatchPngResolution = 150;

// "/PDF", "/SVG:j", "/PNG:j": reads and calculates the case and writes, beside the case file,
// "<case>.pdf" with the result report, the result sheet, the production drawing at real size and the
// pressure distribution of the lubricant film on A4 pages, or view j of the view list (1..8) as "<case>.svg" or "<case>.png". Exit codes as for
// the other batch modes: 1 when the case cannot be read or the file not written, 2 for a view that
// does not exist, 3 when the calculation failed (its messages go to the error output; the PDF then
// holds the report of the failed run, and no picture is written).
int RunPaperBatch(Program& program, const PaperBatch& request);

}  // namespace trb::app
