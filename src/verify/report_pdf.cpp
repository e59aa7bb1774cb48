#include "verify/report_pdf.h"

#include <cairo.h>

#include "graphics/paper_drawing.h"
#include "paper/paper_document.h"
#include "text/format.h"
#include "verify/benchmark_results.h"
#include "verify/chart_drawing.h"
#include "verify/report_text.h"

namespace trb::verify {

namespace {

constexpr double kLeft = 15;
constexpr double kTop = 16;
constexpr double kBottom = 282;
constexpr double kLineHeight = 3.45;  // mm, 8 pt monospaced
constexpr double kTextSize = 8 * 25.4 / 72;
constexpr std::size_t kTextWidth = 104;  // characters of a line at 8 pt
constexpr double kTextColumnMm = 180;

enum class Style { Body, Heading, Title, Bold };

// Lays lines and charts down A4 pages, opening a page when the next block does not fit.
class PageWriter {
  public:
    explicit PageWriter(paper::PdfDocument& document, std::string footer)
        : document_(document), footer_(std::move(footer)) {}

    void Line(const std::string& text, Style style = Style::Body) {
        const double height = style == Style::Title ? 9 : (style == Style::Heading ? 7 : kLineHeight);
        Room(height);
        y_ += height;
        cairo_select_font_face(cr_, style == Style::Body ? "DejaVu Sans Mono" : "DejaVu Sans",
                               CAIRO_FONT_SLANT_NORMAL,
                               style == Style::Body ? CAIRO_FONT_WEIGHT_NORMAL : CAIRO_FONT_WEIGHT_BOLD);
        double size = style == Style::Title ? 6.0 : (style == Style::Heading ? 4.6 : kTextSize);
        cairo_set_font_size(cr_, size);
        // A heading wider than the text column is set smaller rather than cut at the paper's edge.
        cairo_text_extents_t extents;
        cairo_text_extents(cr_, text.c_str(), &extents);
        if (style != Style::Body && extents.x_advance > kTextColumnMm) {
            size *= kTextColumnMm / extents.x_advance;
            cairo_set_font_size(cr_, size);
        }
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_move_to(cr_, kLeft, y_ - 0.8);
        cairo_show_text(cr_, text.c_str());
    }
    void Lines(const std::vector<std::string>& lines, Style style = Style::Body) {
        for (const std::string& l : lines) Line(l, style);
    }
    // A table keeps its header (the first `headerLines`) with its first rows, and a table that runs
    // on to the next page repeats the header there.
    void Table(const std::vector<std::string>& lines, std::size_t headerLines) {
        Room(kLineHeight * static_cast<double>(std::min<std::size_t>(lines.size(), headerLines + 3)));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i >= headerLines && y_ + kLineHeight > kBottom) {
                NewPage();
                for (std::size_t h = 0; h < headerLines; ++h) Line(lines[h]);
            }
            Line(lines[i]);
        }
    }
    void Gap(double mm = 2.5) {
        if (cr_) y_ += mm;
    }
    // A chart with its caption above it, both on one page.
    void Drawing(const std::string& caption, const graphics::PaperDrawing& drawing) {
        Room(kLineHeight + kChartHeight + 2);
        Line(caption, Style::Bold);
        graphics::SheetMapping mapping;
        mapping.ax = 1;
        mapping.bx = kLeft;
        mapping.ay = -1;
        mapping.by = y_ + kChartHeight;
        graphics::PaintDrawing(cr_, drawing, mapping);
        y_ += kChartHeight + 2;
    }
    void NewPage() {
        if (cr_) Footer();
        cr_ = document_.BeginPage(paper::kA4WidthMm, paper::kA4HeightMm);
        ++page_;
        y_ = kTop;
    }
    void Finish() {
        if (cr_) Footer();
    }

  private:
    void Room(double height) {
        if (!cr_ || y_ + height > kBottom) NewPage();
    }
    void Footer() {
        cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr_, 2.6);
        cairo_set_source_rgb(cr_, 0.3, 0.3, 0.3);
        cairo_move_to(cr_, kLeft, 290);
        cairo_show_text(cr_, (footer_ + "   page " + text::IntText(page_)).c_str());
    }

    paper::PdfDocument& document_;
    std::string footer_;
    cairo_t* cr_ = nullptr;
    double y_ = kTop;
    int page_ = 0;
};

std::string Counts(const Tally& t) {
    return text::IntText(t.passed) + " passed, " + text::IntText(t.failed) + " failed";
}

void FirstPage(PageWriter& w, const Verification& v, const std::string& version) {
    const Machine machine = ThisMachine();
    w.Line("TRB verification report", Style::Title);
    w.Gap(3);
    w.Lines(Wrapped(
        {"TRB " + version +
             " computes every figure of this report with its own engine when the report is "
             "made (make verify); nothing is typed in. Each section states what it compares, the published "
             "source, and a table of the program's value beside the reference, their deviation, the "
             "tolerance and a pass mark.",
         "Made " + text::DateText({}) + " " + text::TimeText() + " on " + machine.cpu + " (" +
             text::IntText(machine.processors) + " logical processors)" +
             (v.quick ? "; quick form (fewer curve points)." : ".")},
        kTextWidth));
    w.Gap(4);
    w.Line("Summary", Style::Heading);
    for (const Section& s : v.sections) {
        const Tally t = Count(s);
        w.Line(text::PadRight(s.title, 70) + (t.passed + t.failed == 0 ? "figures only" : Counts(t)));
    }
    w.Gap(2);
    const Tally all = Count(v.sections);
    w.Line("All comparisons: " + Counts(all) + (all.failed == 0 ? "  - every one within its tolerance" : ""),
           Style::Bold);
}

void SectionPages(PageWriter& w, const Section& s) {
    w.NewPage();
    w.Line(s.title, Style::Title);
    w.Gap(2);
    w.Line("What is compared", Style::Bold);
    w.Lines(Wrapped(s.compared, kTextWidth));
    w.Gap();
    w.Line("Sources", Style::Bold);
    w.Lines(Wrapped(s.sources, kTextWidth));
    if (!s.notes.empty()) {
        w.Gap();
        w.Line("Notes", Style::Bold);
        w.Lines(Wrapped(s.notes, kTextWidth));
    }
    for (const Chart& chart : s.charts) {
        w.Gap(4);
        w.Drawing(chart.title, ChartDrawing(chart));
    }
    for (const ComparisonTable& table : s.tables) {
        w.Gap(4);
        w.Line(table.caption + "  (" + Counts(Count(Section{{}, {}, {}, {}, {table}, {}, {}})) + ")",
               Style::Bold);
        w.Table(TableLines(table), 2);
    }
    for (const FigureTable& table : s.figures) {
        w.Gap(4);
        w.Line(table.caption, Style::Bold);
        w.Table(FigureLines(table), 1);
    }
}

}  // namespace

bool WriteVerificationPdf(const Verification& verification, const std::string& programVersion,
                          std::string& out) {
    paper::PdfDocument document("TRB verification report", "TRB " + programVersion);
    PageWriter writer(document, "TRB " + programVersion + " verification report, " + text::DateText({}));
    FirstPage(writer, verification, programVersion);
    for (const Section& s : verification.sections) SectionPages(writer, s);
    writer.Finish();
    if (!document.Finish()) return false;
    out = document.Bytes();
    return true;
}

}  // namespace trb::verify
