#include "app/case_sheet.h"

#include <array>

#include "casefile/case_format.h"
#include "config/input_file.h"
#include "core/record.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/linked_documents.h"
#include "docs/title_data.h"
#include "text/cp850.h"

namespace trb::app {

namespace {

// What lines 6 to 11 hold.
constexpr int kFirstTitleLine = 6;
constexpr std::array<std::string_view, 6> kTitleLines = {
    "remark 1", "remark 2", "remark 3", "drawing name", "drawing number", "drawing name 2",
};

// The input block, lines 15 to 50, in file order.
constexpr int kFirstInputLine = 15;
constexpr std::array<std::string_view, 36> kInputLines = {
    "db",     "toldb", "dbmax",   "dbmin", "rzb",      "nb",      "alpha1b",
    "b",      "dh",    "omega",   "ds",    "tolds",    "dsmax",   "dsmin",
    "rzs",    "ns",    "alpha1s", "rho",   "pe",       "t1",      "ta",
    "c",      "f",     "a",       "k",     "reserved", "schmier", "druckschmierung",
    "zufuhr", "bg",    "bp",      "phia",  "phie",     "plim",    "tblim",
    "h0lim",
};

// The three last lines of a complete case file.
constexpr std::array<std::string_view, 3> kLastLines = {"de", "din1850rec", "bfactor"};

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    config::LineSplitter splitter(text, casefile::kMaxCaseFileSize);
    std::string line;
    while (splitter.Next(line)) lines.push_back(line);
    return lines;
}

// Whether the text holds a whole case, so that its last three lines are the last three fields.
bool IsComplete(std::string_view text) {
    core::TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;
    casefile::CaseContent content{record, title, changes, info, documents};
    return casefile::ReadCaseContent(text, content).complete;
}

}  // namespace

workbook::Sheet CaseSheet(std::string_view caseText, const text::FormatOptions& format) {
    const std::vector<std::string> lines = Lines(caseText);
    const std::size_t count = lines.size();
    const std::size_t lastLinesStart =
        IsComplete(caseText) && count >= kLastLines.size() ? count - kLastLines.size() : count;
    workbook::Sheet sheet;
    for (std::size_t i = 0; i < std::max<std::size_t>(count, 1); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string shown = i < count ? text::OemToDisplay(lines[i], format) : std::string();
        std::string_view label;
        bool numeric = false;
        if (number >= kFirstTitleLine && number < kFirstTitleLine + static_cast<int>(kTitleLines.size())) {
            label = kTitleLines[static_cast<std::size_t>(number - kFirstTitleLine)];
        } else if (number >= kFirstInputLine &&
                   number < kFirstInputLine + static_cast<int>(kInputLines.size())) {
            label = kInputLines[static_cast<std::size_t>(number - kFirstInputLine)];
            numeric = true;
        } else if (i >= lastLinesStart) {
            label = kLastLines[i - lastLinesStart];
            numeric = true;
        }
        std::vector<workbook::Cell> row;
        row.push_back(numeric ? workbook::CellFromText(shown) : workbook::TextCell(shown));
        if (!label.empty()) row.push_back(workbook::TextCell(label));
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

std::string CaseTextFromSheet(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        if (!row.empty()) text += text::DisplayToOem(row.front());
        text += "\r\n";
    }
    return text;
}

}  // namespace trb::app
