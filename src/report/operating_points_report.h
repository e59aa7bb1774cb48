#pragma once

#include "core/operating_sweep.h"
#include "report/report_writer.h"
#include "text/language.h"

namespace trb::report {

// The points of an operating sweep as a printout on any device of the writer (kChooseDevice asks):
// the film thickness and the effective temperature of the three clearances side by side, then for
// each clearance its Sommerfeld number, eccentricity, friction, friction power, flow and outlet
// temperature. A point whose run failed is marked as failed instead of showing values.
void WriteOperatingPointsReport(ReportWriter& writer, const core::OperatingSweep& sweep,
                                const text::LanguageTexts& texts, int device = kChooseDevice);

}  // namespace trb::report
