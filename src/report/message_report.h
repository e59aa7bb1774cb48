#pragma once

#include "report/report_writer.h"
#include "report/run_messages.h"

namespace trb::report {

// The stand-alone printout of the last run's messages on the screen. Without messages only the
// note "Berechnung erfolgreich ohne Fehlermeldungen"; after a failed run the message browser.
void WriteMessageReport(ReportWriter& writer, const RunMessagesContext& messages);

}  // namespace trb::report
