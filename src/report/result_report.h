#pragma once

#include "core/record.h"
#include "report/report_writer.h"
#include "report/run_messages.h"
#include "text/language.h"

namespace trb::report {

// The result report of the calculated case: bearing, shaft, lubrication, temperatures, limits and
// transition speeds, then the remarks of the run. Written to `device` (0: as the settings say, the
// user choosing when they ask for it). After a failed run the message browser is shown instead.
// Afterwards the abort flag tells whether the user cancelled.
void WriteResultReport(ReportWriter& writer, const core::TRBrecord& record, const text::LanguageTexts& texts,
                       const RunMessagesContext& messages, int device = kChooseDevice);

// The report of a run that a fatal error stopped, for batch use where no message browser can be
// shown: the page header and the messages with cause and remedy, no results.
void WriteFailedRunReport(ReportWriter& writer, const text::LanguageTexts& texts, int device);

// The ISO VG number of the viscosity class index 0..18 (0 for none or an index outside).
int ViscosityClassNumber(int index);

}  // namespace trb::report
