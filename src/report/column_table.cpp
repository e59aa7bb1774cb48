#include "report/column_table.h"

#include "report/html_text.h"
#include "text/format.h"

namespace trb::report {

namespace {

std::string Html(const ReportWriter& writer, std::string_view oem) {
    return HtmlEscape(DisplayText(oem, writer.Context().settings.format));
}

}  // namespace

void ColumnTable::Create(const std::vector<Column>& columns) {
    columns_.clear();
    for (const Column& column : columns) {
        if (column.width <= 0 || columns_.size() == kMaxColumns) break;
        columns_.push_back({column.heading.substr(0, kHeadingLength), column.width});
    }
    if (columns_.empty() || writer_.Context().abort) return;
    std::vector<std::string> headings;
    for (const Column& column : columns_) headings.push_back(column.heading);
    if (writer_.IsHtmlDevice()) {
        writer_.CloseHtmlTable();
        std::string row = "<TABLE BORDER = \"1\" WIDTH= \"100%\">";
        writer_.WriteHtml(row);
        row = "<TR>";
        for (const std::string& heading : headings)
            row += "<TD><CENTER>" + Html(writer_, heading) + "</CENTER></TD>";
        writer_.WriteHtml(row + "</TR>");
    } else if (writer_.IsTabDevice()) {
        std::string row;
        for (std::size_t i = 0; i < headings.size(); ++i) row += (i > 0 ? "\t" : "") + headings[i];
        writer_.WriteLine(row);
    } else {
        writer_.WriteLine(writer_.DoubleRule());
        writer_.WriteLine(PaddedRow(headings));
        writer_.WriteLine(writer_.DoubleRule());
    }
}

std::string ColumnTable::PaddedRow(const std::vector<std::string>& cells) const {
    std::string row;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        row += text::PadRight(i < cells.size() ? cells[i] : std::string(), columns_[i].width);
    }
    return row;
}

void ColumnTable::AddRow(const std::vector<std::string>& cells) {
    if (columns_.empty() || writer_.Context().abort) return;
    if (writer_.IsHtmlDevice()) {
        std::string row = "<TR>";
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const std::string cell = Html(writer_, i < cells.size() ? cells[i] : std::string());
            row += i == 0 ? "<TD>" + cell + "</TD>" : "<TD><DIV ALIGN=\"RIGHT\">" + cell + "</DIV></TD>";
        }
        writer_.WriteHtml(row + "</TR>");
    } else if (writer_.IsTabDevice()) {
        std::string row;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            row += (i > 0 ? "\t" : "") + (i < cells.size() ? cells[i] : std::string());
        }
        writer_.WriteLine(row);
    } else {
        writer_.WriteLine(PaddedRow(cells));
        writer_.WriteLine(writer_.ThinRule());
    }
}

void ColumnTable::Finish() {
    if (writer_.IsHtmlDevice() && !writer_.Context().abort) writer_.WriteHtml("</TABLE>");
}

}  // namespace trb::report
