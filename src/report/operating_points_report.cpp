#include "report/operating_points_report.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "report/column_table.h"
#include "text/chart_texts.h"
#include "text/format.h"

namespace trb::report {

namespace {

using core::Clearance;
using core::TRBrecord;
using text::ChartText;

constexpr int kColumnWidth = 10;
constexpr std::array<const char*, core::kClearanceCount> kSymbols = {"s min", "s m", "s max"};
// The clearance in a column heading, short enough for the column ("h0 smin": h0 at s min).
constexpr std::array<const char*, core::kClearanceCount> kShortSymbols = {"smin", "sm", "smax"};
constexpr std::array<ChartText, core::kClearanceCount> kNames = {
    ChartText::KleinstesSpiel, ChartText::MittleresSpiel, ChartText::GroesstesSpiel};

using Value = std::function<std::string(const TRBrecord&)>;

struct Column {
    std::string heading;
    Value value;
};

class PointsPrintout {
  public:
    PointsPrintout(ReportWriter& writer, const core::OperatingSweep& sweep, const text::LanguageTexts& texts)
        : writer_(writer), sweep_(sweep), texts_(texts), format_(writer.Context().settings.format) {}

    std::string Chart(ChartText id) const { return text::Chart(texts_, id); }

    std::string SweptHeading() const {
        return sweep_.range.quantity == core::SweptQuantity::Load ? "F [" + text::ForceUnit(format_) + "]"
                                                                  : "nS [1/s]";
    }

    std::string SweptText(real value) const {
        return sweep_.range.quantity == core::SweptQuantity::Load ? text::FormatForceShort(value, format_)
                                                                  : text::FormatShort(value, format_);
    }

    // One value per clearance for each of the given quantities: "-" where the run failed.
    void SideBySide(const std::vector<Column>& quantities) {
        std::vector<ColumnTable::Column> headings = {{SweptHeading(), kColumnWidth}};
        for (const Column& quantity : quantities) {
            for (std::size_t c = 0; c < core::kClearanceCount; ++c)
                headings.push_back({quantity.heading + " " + kShortSymbols[c], kColumnWidth});
        }
        ColumnTable table(writer_);
        table.Create(headings);
        for (const core::SweepPoint& point : sweep_.points) {
            std::vector<std::string> cells = {SweptText(point.value)};
            for (const Column& quantity : quantities) {
                for (const core::CaseRun& run : point.runs)
                    cells.push_back(core::PointFailed(run) ? "-" : quantity.value(run.record));
            }
            table.AddRow(cells);
        }
        table.Finish();
    }

    // The quantities of one clearance, a row per point; "-" in every cell of a failed point, and
    // the number of failed points below the table.
    void OneClearance(Clearance clearance, const std::vector<Column>& quantities) {
        const std::size_t i = core::Index(clearance);
        writer_.WriteLine("");
        writer_.WriteLine(std::string(kSymbols[i]) + ": " + Chart(kNames[i]));
        std::vector<ColumnTable::Column> headings = {{SweptHeading(), kColumnWidth}};
        for (const Column& quantity : quantities) headings.push_back({quantity.heading, kColumnWidth});
        ColumnTable table(writer_);
        table.Create(headings);
        int failed = 0;
        for (const core::SweepPoint& point : sweep_.points) {
            const core::CaseRun& run = point.At(clearance);
            const bool fails = core::PointFailed(run);
            failed += fails ? 1 : 0;
            std::vector<std::string> cells = {SweptText(point.value)};
            for (const Column& quantity : quantities)
                cells.push_back(fails ? "-" : quantity.value(run.record));
            table.AddRow(cells);
        }
        table.Finish();
        if (failed > 0) {
            writer_.WriteLine(Chart(ChartText::Punkte) + " " + Chart(ChartText::Fehlgeschlagen) + ": " +
                              text::IntText(failed));
        }
    }

    const text::FormatOptions& Format() const { return format_; }

  private:
    ReportWriter& writer_;
    const core::OperatingSweep& sweep_;
    const text::LanguageTexts& texts_;
    const text::FormatOptions& format_;
};

}  // namespace

void WriteOperatingPointsReport(ReportWriter& writer, const core::OperatingSweep& sweep,
                                const text::LanguageTexts& texts, int device) {
    PointsPrintout printout(writer, sweep, texts);
    const text::FormatOptions& f = printout.Format();
    const core::SweepRange& range = sweep.range;
    const auto& remarks = writer.Context().title.remarks;
    const std::string subject = printout.Chart(ChartText::Betriebspunkte) + ": " + printout.SweptHeading() +
                                " " + printout.SweptText(range.from) + " ... " +
                                printout.SweptText(range.to) + ", " + text::IntText(range.steps) + " " +
                                printout.Chart(ChartText::Schritte);
    writer.SetReportHeader("", subject, remarks[0], remarks[1], remarks[2], 0);
    writer.OpenOutput(device);
    writer.Rewrite();
    writer.PageHeader(0);

    const std::string length = text::LengthUnit(f);
    const std::string temperature = text::TemperatureUnit(f);
    printout.SideBySide(
        {{"h0", [&f](const TRBrecord& r) { return text::FormatLengthLong(r.h0, f); }},
         {"teff", [&f](const TRBrecord& r) { return text::FormatTemperatureShort(r.teff, f); }}});
    writer.WriteLine("h0 [" + length + "], teff [" + temperature + "]");
    writer.WriteLine(printout.Chart(ChartText::BeiSpiel));
    for (Clearance clearance : core::kClearances) {
        printout.OneClearance(
            clearance, {{"So", [&f](const TRBrecord& r) { return text::FormatAuto(r.so, f); }},
                        {"epsilon", [&f](const TRBrecord& r) { return text::FormatShort(r.epsilon, f); }},
                        {"\xE6", [&f](const TRBrecord& r) { return text::FormatAuto(r.mu, f); }},
                        {"P0 [W]", [&f](const TRBrecord& r) { return text::FormatShort(r.p0, f); }},
                        {"Q [mm\xFC/s]", [&f](const TRBrecord& r) { return text::FormatShort(r.q, f); }},
                        {"t2 [" + temperature + "]",
                         [&f](const TRBrecord& r) { return text::FormatTemperatureShort(r.t2, f); }}});
    }
    writer.EndPage();
    writer.CloseOutput();
}

}  // namespace trb::report
