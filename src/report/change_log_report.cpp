#include "report/change_log_report.h"

#include "text/format.h"

namespace trb::report {

namespace {

std::string ChangeIndex(int i, int indexStyle) {
    if (indexStyle == 1) return text::IntText(i);
    return std::string(1, static_cast<char>('a' + (i - 1) % 26));
}

}  // namespace

void WriteChangeLog(ReportWriter& writer, int device, const docs::ChangeLog& changes,
                    const docs::DrawingInfo& info, int indexStyle) {
    const WriterContext& context = writer.Context();
    bool& abort = context.abort;
    const auto& remarks = context.title.remarks;
    writer.SetReportHeader(context.programTitle + " V" + context.version + "  \x8Enderungsprotokoll",
                           remarks[0], remarks[1], remarks[2], "", 0);
    writer.OpenOutput(device);
    if (abort) return;
    writer.Rewrite();
    writer.PageHeader(0);

    const docs::SignatureRow& created = info.rows[docs::kRowBearb];
    writer.WriteLine("");
    writer.WriteLine("Erstellungsdatum: " + created.date + "     Erstellt von: " + created.name);
    if (!info.replaces.empty()) {
        writer.WriteLine("");
        writer.WriteLine("Ersatz f\x81r: " + text::PadRight(info.replaces, 15));
    }
    if (!info.replacedBy.empty()) {
        writer.WriteLine("");
        writer.WriteLine("Ersetzt durch: " + text::PadRight(info.replacedBy, 15));
    }
    writer.WriteLine("");
    writer.WriteLine(text::PadRight("Index", 6) + "  " + text::PadRight("Datum", 10) + "   " +
                     text::PadRight("Bearb.", 6) + "   " + text::PadRight("\x8Enderung", 20));
    writer.WriteLine(writer.DoubleRule());
    for (int i = 1; i <= changes.count && i <= docs::ChangeLog::kMaxChanges; ++i) {
        const docs::AendRecord& change = changes.Record(i);
        writer.WriteLine("  " + ChangeIndex(i, indexStyle) + "     " + text::PadRight(change.date, 10) +
                         "   " + text::PadRight(change.editor, 6) + "   " +
                         text::PadRight(change.changeText, 20));
        std::size_t start = 0;
        do {
            const std::size_t end = change.description.find('\n', start);
            std::string part = change.description.substr(start, end - start);
            if (!part.empty() && part.back() == '\r') part.pop_back();
            writer.WriteLine(" " + part);
            start = end == std::string::npos ? end : end + 1;
        } while (start != std::string::npos);
        writer.WriteLine(writer.ThinRule());
    }
    writer.EndPage();
    writer.CloseOutput();
    context.dialogs.SetBusy(false);
}

}  // namespace trb::report
