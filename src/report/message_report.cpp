#include "report/message_report.h"

namespace trb::report {

void WriteMessageReport(ReportWriter& writer, const RunMessagesContext& messages) {
    const WriterContext& context = writer.Context();
    if (context.status.MessageCount() == 0) {
        context.dialogs.ShowNoteBox(kRunWithoutMessages);
        return;
    }
    const auto& remarks = context.title.remarks;
    writer.SetReportHeader("TRB V" + context.version, "Error Messages", remarks[0], remarks[1], remarks[2],
                           1);
    if (context.status.calculationFailed) {
        ShowRunMessages(messages, context.abort);
        return;
    }
    writer.OpenOutput(kScreen);
    writer.Rewrite();
    writer.WriteMessageSection();
    writer.CloseOutput();
}

}  // namespace trb::report
