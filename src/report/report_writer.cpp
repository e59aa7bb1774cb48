#include "report/report_writer.h"

#include "config/temporary_folder.h"
#include "report/html_text.h"
#include "report/line_styles.h"
#include "report/message_catalogue.h"
#include "report/report_file.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::report {

namespace {

constexpr std::string_view kMargin = "       ";  // seven blanks before every paged line
constexpr int kBoxWidth = 70;
constexpr std::string_view kPauseQuestion = "Blatt in Drucker einlegen.  Fortfahren ?";
constexpr std::string_view kMessageHeading = "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN";
constexpr std::string_view kValueTable = "<TABLE BORDER = \"2\" WIDTH= \"100%\">";

// `text` placed at the 1-based column of `line`: the line is cut or filled to the column first,
// so a field ends where the next one begins (with at least one blank between them).
void PlaceAt(std::string& line, std::size_t column, std::string_view text) {
    if (text.empty()) return;
    const std::size_t start = column - 1;
    if (line.size() > start) {
        line.resize(start);
        if (start > 0 && line.back() != ' ') line.back() = ' ';
    } else {
        line.append(start - line.size(), ' ');
    }
    line.append(text);
}

// A line of the header box: frame characters in columns 1 and 70, texts in between.
std::string BoxLine(char frame) {
    std::string line(kBoxWidth, ' ');
    line.front() = frame;
    line.back() = frame;
    return line;
}

void PutInBox(std::string& line, std::size_t column, std::string_view text) {
    const std::size_t start = column - 1;
    const std::size_t room = kBoxWidth - 2 - start;  // keeps a blank before the closing frame
    line.replace(start, std::min(text.size(), room), text.substr(0, room));
}

}  // namespace

std::string TemporaryFolder(const config::ConfigSettings& settings) {
    return config::PrivateTemporaryFolder(settings.tempFolder);
}

ReportWriter::ReportWriter(WriterState& state, WriterContext context)
    : state_(state), context_(std::move(context)) {}

// ----- rules -----

int ReportWriter::LineStyle() const {
    return NormalisedLineStyle(context_.settings.printoutRuleStyle);
}
std::string ReportWriter::ThinRule() const {
    return RuleText(LineStyle(), Rule::Thin);
}
std::string ReportWriter::DoubleRule() const {
    return RuleText(LineStyle(), Rule::Double);
}
std::string ReportWriter::BoxTop() const {
    return RuleText(LineStyle(), Rule::BoxTop);
}
std::string ReportWriter::BoxSeparator() const {
    return RuleText(LineStyle(), Rule::BoxSeparator);
}
std::string ReportWriter::BoxBottom() const {
    return RuleText(LineStyle(), Rule::BoxBottom);
}
char ReportWriter::FrameChar() const {
    return report::FrameChar(LineStyle());
}

bool ReportWriter::IsRule(std::string_view text) const {
    return text == kNoLineMarker || text == ThinRule() || text == DoubleRule();
}

bool ReportWriter::IsTabDevice() const {
    return state_.device == kTabFile || state_.device == kTabFileForCase;
}
bool ReportWriter::IsHtmlDevice() const {
    return state_.device == kHtmlFile;
}
bool ReportWriter::IsPagedDevice() const {
    return !IsTabDevice() && !IsHtmlDevice();
}

// ----- low-level output -----

std::string ReportWriter::LineEnd() const {
    return state_.device == kTextPrinter ? "\r\n" : "\n";
}

std::string ReportWriter::Display(std::string_view oem) const {
    return DisplayText(oem, context_.settings.format);
}

void ReportWriter::Emit(std::string_view text, bool endLine) {
    if (context_.abort || !state_.file || !state_.file->IsOpen()) return;
    std::string out(text);
    if (endLine) out += LineEnd();
    state_.file->Write(out, context_.dialogs, context_.abort);
}

void ReportWriter::WriteHtml(std::string_view markup) {
    Emit(markup, true);
}

void ReportWriter::OpenHtmlTable(std::string_view tableTag) {
    if (state_.htmlTableOpen) return;
    WriteHtml(tableTag);
    state_.htmlTableOpen = true;
}

void ReportWriter::CloseHtmlTable() {
    if (!state_.htmlTableOpen) return;
    WriteHtml("</TABLE>");
    state_.htmlTableOpen = false;
}

// ----- header and pages -----

void ReportWriter::SetReportHeader(std::string_view title, std::string_view line1, std::string_view line2,
                                   std::string_view line3, std::string_view line4, int totalPages) {
    auto cut = [](std::string_view s) { return std::string(s.substr(0, kHeaderTextLength)); };
    state_.header.title = cut(title);
    state_.header.lines = {cut(line1), cut(line2), cut(line3), cut(line4)};
    state_.header.totalPages = totalPages;
    state_.pageCount = 0;
    state_.lineCount = 0;
    state_.bodyLines = 0;
}

bool ReportWriter::AskPause() {
    if (!state_.pausePerPage) return true;
    bool cancelled = false;
    const bool yes = context_.dialogs.AskYesNoCancel(kPauseQuestion, cancelled);
    if (!yes) context_.abort = true;
    return yes;
}

std::string ReportWriter::CaseFileText(bool withFolder) const {
    // The case's names are the file system's (UTF-8); printouts are code page 850.
    const CaseName& c = context_.currentCase;
    if (c.name.empty()) return {};
    return text::DisplayToOem((withFolder ? c.folder : std::string()) + c.name + "." + c.extension);
}

std::string ReportWriter::HeaderFileText() const {
    const std::string full = CaseFileText(true);
    return full.size() >= kBoxWidth ? CaseFileText(false) : full;
}

void ReportWriter::PageHeader(int page) {
    if (context_.abort) return;
    const bool firstPage = page == 1 || (page == 0 && state_.pageCount == 0);
    const std::string versionTitle = context_.programTitle + " V" + context_.version;
    if (IsTabDevice()) {
        if (!firstPage) return;
        WriteLine(versionTitle + "\t" + context_.dateText + "\t" + context_.timeText);
        // The file the user gets, not the temporary one it is converted from; a copy in the
        // temporary folder (for a spreadsheet) is named by its case.
        if (state_.device == kTabFile && !state_.deliveredName.empty()) {
            WriteLine(CaseFileText(true));
        } else {
            WriteLine(text::DisplayToOem(
                text::RemoveBlanks(state_.deliveredName.empty() ? state_.outputName : state_.deliveredName)));
        }
        for (const std::string& remark : context_.title.remarks) WriteLine(remark);
        WriteLine(" ");
        ++state_.pageCount;
        return;
    }
    if (IsHtmlDevice()) {
        if (!firstPage) return;
        WriteHtml("<!-- " + HtmlComment(Display(text::RemoveBlanks(state_.outputName))) + " -->");
        WriteHtml("<HTML>");
        WriteHtml("<head><meta charset=\"utf-8\"><title>" + HtmlEscape(Display(versionTitle)) +
                  "</title></head>");
        WriteHtml("<BODY BGCOLOR=\"C0C0C0\">");
        WriteHtml("<hr>");
        CloseHtmlTable();
        ++state_.lineCount;
        WriteHtml("<br><h4>" + HtmlEscape(Display(versionTitle)) + "</h4>");
        WriteHtml("<hr>");
        for (const std::string& line : state_.header.lines)
            WriteHtml("<h5>" + HtmlEscape(Display(line)) + "</h5>");
        WriteHtml("<hr>");
        ++state_.pageCount;
        return;
    }
    if (!AskPause()) return;
    const auto& settings = context_.settings;
    const bool headerOnFirstOnly = settings.printoutHeader == 2;
    if (headerOnFirstOnly && !firstPage) {
        WriteLine(" ");
        return;
    }
    if (LineStyle() == 4 && !firstPage && state_.lineCount < settings.linesPerPage / 2) return;
    WriteHeaderBox(page);
}

void ReportWriter::WriteHeaderBox(int page) {
    const auto& settings = context_.settings;
    state_.lineCount = 0;
    state_.bodyLines = 0;
    ++state_.pageCount;
    const int number = page == 0 ? state_.pageCount : page;
    state_.writingHeader = true;
    if (LineStyle() == 4) WriteLine("");
    for (int i = 0; i < settings.headerSpaceLines; ++i) WriteLine("");
    WriteLine(BoxTop());

    const char frame = FrameChar();
    std::string title = state_.header.title;
    if (title.empty()) title = context_.programTitle + "  V" + context_.version;
    std::string line = BoxLine(frame);
    if (settings.printoutHeader != 2) {
        const bool ofTotal = state_.header.totalPages > 0;
        const std::size_t pageColumn = ofTotal ? 60 : 64;
        // A long title ends a blank before the page number instead of running into it.
        PutInBox(line, 6, std::string_view(title).substr(0, pageColumn - 7));
        PutInBox(line, pageColumn,
                 "Bl." + text::IntTextBlanks(number, 2) +
                     (ofTotal ? "/" + text::IntTextBlanks(state_.header.totalPages, 2) : std::string()));
    } else {
        PutInBox(line, 6, title);
    }
    WriteLine(line);

    line = BoxLine(frame);
    PutInBox(line, 53, context_.dateText);
    PutInBox(line, 64, context_.timeText);
    WriteLine(line);

    line = BoxLine(frame);
    PutInBox(line, 6, HeaderFileText());
    WriteLine(line);

    WriteLine(BoxSeparator());
    for (std::size_t i = 0; i < state_.header.lines.size(); ++i) {
        if (i == 3 && state_.header.lines[i].empty()) continue;
        line = BoxLine(frame);
        PutInBox(line, 6, state_.header.lines[i]);
        WriteLine(line);
    }
    WriteLine(BoxBottom());
    state_.writingHeader = false;
}

void ReportWriter::PageBreakCheck() {
    const auto& settings = context_.settings;
    if (state_.writingHeader || state_.bodyLines == 0) return;
    if (state_.lineCount < settings.linesPerPage) return;
    if (settings.printoutHeader == 2) {
        Emit("\f", true);
        state_.lineCount = 0;
        state_.bodyLines = 0;
        return;
    }
    EndPage();
    PageHeader(0);
    // The empty line after the header does not itself start another page.
    state_.writingHeader = true;
    WriteLine("");
    state_.writingHeader = false;
}

void ReportWriter::WritePagedLine(std::string_view text, bool endLine, bool breakCheck) {
    if (text == kNoLineMarker) return;
    ++state_.lineCount;
    if (breakCheck) PageBreakCheck();
    if (context_.abort) return;
    std::string out(kMargin);
    out += text;
    Emit(out, endLine);
    if (!state_.writingHeader) ++state_.bodyLines;
}

void ReportWriter::EndPage() {
    if (context_.abort || !IsPagedDevice()) return;
    if (LineStyle() == 4 && state_.lineCount < context_.settings.linesPerPage / 2) return;
    if (state_.device == kScreen || state_.device == kWindowsPrinter || state_.device == kPdfFile)
        Emit("\f", true);
    if (state_.device == kTextPrinter) Emit("\f", false);
    state_.lineCount = 0;
    state_.bodyLines = 0;
}

// ----- lines -----

void ReportWriter::WriteLine(std::string_view text) {
    if (context_.abort) return;
    if (IsTabDevice()) {
        if (!IsRule(text)) Emit(text, true);
        return;
    }
    if (IsHtmlDevice()) {
        CloseHtmlTable();
        ++state_.lineCount;
        if (!IsRule(text)) Emit("<br>" + HtmlEscape(Display(text)), true);
        return;
    }
    WritePagedLine(text, true, true);
}

void ReportWriter::WriteLinePart(std::string_view text) {
    if (context_.abort) return;
    if (IsTabDevice()) {
        Emit(text, false);
        return;
    }
    if (IsHtmlDevice()) {
        CloseHtmlTable();
        ++state_.lineCount;
        if (!IsRule(text)) Emit("<br>" + HtmlEscape(Display(text)), false);
        return;
    }
    WritePagedLine(text, false, true);
}

void ReportWriter::WriteRawLine(std::string_view text) {
    if (context_.abort) return;
    Emit(IsHtmlDevice() ? HtmlEscape(Display(text)) : std::string(text), true);
}

void ReportWriter::WriteRawPart(std::string_view text) {
    if (context_.abort) return;
    Emit(IsHtmlDevice() ? HtmlEscape(Display(text)) : std::string(text), false);
}

void ReportWriter::WriteTableLine(std::string_view text) {
    if (context_.abort) return;
    if (!IsHtmlDevice()) {
        WriteLine(text);
        return;
    }
    OpenHtmlTable(kValueTable);
    WriteHtml("<TR><TD>" + HtmlEscape(Display(text)) + "</TD></TR>");
}

void ReportWriter::WriteValueLine(std::string_view designation, std::string_view symbol,
                                  std::string_view unit, std::string_view value) {
    if (context_.abort) return;
    if (IsTabDevice()) {
        std::string line(designation);
        line += '\t';
        line += symbol;
        line += '\t';
        line += unit;
        line += '\t';
        line += text::SpreadsheetNumber(value, context_.settings.format);
        Emit(line, true);
        return;
    }
    if (IsHtmlDevice()) {
        OpenHtmlTable(kValueTable);
        WriteHtml("<TR><TD>" + HtmlEscape(Display(designation)) + "</TD><TD>" + HtmlEscape(Display(symbol)) +
                  "</TD><TD>" + HtmlEscape(Display(unit)) + "</TD><TD><DIV ALIGN=\"RIGHT\">" +
                  HtmlEscape(Display(value)) + "</DIV></TD></TR>");
        return;
    }
    std::string line(designation);
    PlaceAt(line, 35, symbol);
    PlaceAt(line, 44, unit);
    PlaceAt(line, 56, value);
    if (line.size() < 68) line.append(68 - line.size(), ' ');
    if (line.size() > 72) line.resize(72);
    WriteLine(line);
    if (LineStyle() != 4) WriteLine(ThinRule());
}

void ReportWriter::WriteWrapped(std::string_view text) {
    if (context_.abort || text.empty()) return;
    if (!IsPagedDevice() || text.size() < 73) {
        WriteTableLine(text);
        return;
    }
    for (const std::string& piece : text::SplitText(text, ' ', 64).pieces) WriteTableLine(piece);
}

void ReportWriter::WriteMessageSection() {
    const core::RunStatus& status = context_.status;
    if (context_.abort || status.MessageCount() == 0) return;
    if (!AskPause()) return;
    // Without the catalogue the messages stand without cause and remedy: the reader is told why.
    if (const std::string problem = CatalogueProblem(context_.catalogue); !problem.empty())
        context_.dialogs.ShowErrorBox(problem);
    PageHeader(0);
    WriteRawLine("");
    WriteLine(kMessageHeading);
    if (!IsTabDevice()) {
        WriteLine(DoubleRule());
        WriteRawLine("");
        WriteLine(ThinRule());
    }
    if (IsHtmlDevice()) OpenHtmlTable(kValueTable);
    for (int i = 1; i <= status.MessageCount(); ++i) {
        const std::string& message = status.Message(i);
        const std::string cause = GetCause(context_.catalogue, message);
        const std::string remedy = GetRemedy(context_.catalogue, message);
        if (IsTabDevice()) {
            WriteRawLine(message + "\t" + cause + "\t" + remedy);
            continue;
        }
        WriteTableLine(message);
        WriteWrapped(cause);
        WriteWrapped(remedy);
        if (IsPagedDevice() && LineStyle() != 4) WriteLine(ThinRule());
        if (IsHtmlDevice()) {
            CloseHtmlTable();
            WriteHtml("<br>");
            OpenHtmlTable(kValueTable);
        }
    }
    if (IsHtmlDevice()) CloseHtmlTable();
    EndPage();
}

}  // namespace trb::report
