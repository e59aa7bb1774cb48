#pragma once

#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "report/report_writer.h"

namespace trb::report {

// The change log of the drawing as a printout on `device` (1 for the screen, 0 for the device the
// user picks): creation date and author, the drawings it replaces and is replaced by, and one entry
// per change with its index, date, editor, change text and description. `indexStyle` 1 numbers
// the changes 1, 2, 3 ...; every other style letters them a, b, c ...
void WriteChangeLog(ReportWriter& writer, int device, const docs::ChangeLog& changes,
                    const docs::DrawingInfo& info, int indexStyle);

}  // namespace trb::report
