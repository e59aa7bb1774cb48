#include "report/table_export.h"

#include <algorithm>
#include <filesystem>

#include "report/column_table.h"
#include "report/html_text.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::report {

namespace {

std::string UpperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

}  // namespace

std::string TableHtmlPage(const tables::DbfTable& table, const TablePageHeading& heading,
                          const text::FormatOptions& format) {
    const auto cell = [&format](std::string_view oem) { return HtmlEscape(DisplayText(oem, format)); };
    const std::string title = std::filesystem::path(heading.filePath).stem().string();
    std::string page;
    const auto line = [&page](std::string_view text) {
        page += text;
        page += "\r\n";
    };
    line("<HTML>");
    line("<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"><title>" +
         HtmlEscape(title) + "</title></head>");
    line("<BODY BGCOLOR=\"C0C0C0\">");
    line("<P>" + HtmlEscape(heading.programCode) + "V" + HtmlEscape(heading.version) + "</P>");
    line("<P>" + HtmlEscape(UpperAscii(heading.filePath)) + "</P>");
    line("<P>" + HtmlEscape(heading.date) + " - " + HtmlEscape(heading.time) + "</P>");
    line("<HR>");
    line("<TABLE BORDER = \"1\" WIDTH= \"100%\">");
    std::string row = "<TR>";
    for (int f = 1; f <= table.FieldCount(); ++f)
        row += "<TD><CENTER>" + cell(table.Field(f)) + "</CENTER></TD>";
    line(row + "</TR>");
    for (int r = 1; r <= table.RecordCount(); ++r) {
        const std::string bytes = table.RecordBytes(r);
        row = "<TR>";
        for (int f = 1; f <= table.FieldCount(); ++f)
            row += "<TD>" + cell(table.FieldText(bytes, f)) + "</TD>";
        line(row + "</TR>");
    }
    line("</TABLE>");
    line("</BODY>");
    line("</HTML>");
    return page;
}

void WriteTablePrintout(ReportWriter& writer, int device, const tables::DbfTable& table,
                        std::string_view caption) {
    const WriterContext& context = writer.Context();
    // The header box holds about 60 characters; a longer path is shown by its file name.
    std::string file = table.Path().string();
    if (file.size() > 60) file = table.Path().filename().string();
    writer.SetReportHeader("TRB V" + context.version, text::DisplayToOem(file), text::DisplayToOem(caption),
                           "", "", 0);
    writer.OpenOutput(device);
    if (context.abort) return;
    writer.Rewrite();
    writer.PageHeader(0);
    ColumnTable columns(writer);
    std::vector<ColumnTable::Column> headings;
    const int shown = std::min<int>(table.FieldCount(), static_cast<int>(ColumnTable::kMaxColumns));
    for (int f = 1; f <= shown; ++f) headings.push_back({table.Field(f), table.FieldLen(f) + 1});
    columns.Create(headings);
    for (int r = 1; r <= table.RecordCount() && !context.abort; ++r) {
        const std::string bytes = table.RecordBytes(r);
        std::vector<std::string> cells;
        for (int f = 1; f <= shown; ++f) cells.push_back(text::TrimText(table.FieldText(bytes, f)));
        columns.AddRow(cells);
    }
    columns.Finish();
    writer.EndPage();
    writer.CloseOutput();
    context.dialogs.SetBusy(false);
}

}  // namespace trb::report
