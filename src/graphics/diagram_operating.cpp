#include "graphics/diagram_operating.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "graphics/diagram_frame.h"
#include "graphics/driver.h"
#include "graphics/plot_pen.h"
#include "text/chart_texts.h"
#include "text/format.h"
#include "ui/dialogs.h"

namespace trb::graphics {

namespace {

using core::Clearance;
using core::TRBrecord;
using text::ChartText;

// The curve of each clearance: smallest blue, mean green, largest magenta; limits red.
constexpr std::array<int, core::kClearanceCount> kClearancePens = {20, 18, 21};
constexpr int kLimitPen = 16;
constexpr int kTextPen = 4;

// Values as the unit system shows them (the record holds them metric).
class DisplayUnits {
  public:
    explicit DisplayUnits(const text::FormatOptions& format)
        : format_(format), english_(text::EnglishUnits(format)) {}

    real Length(real mm) const { return english_ ? mm * text::kMmToInch : mm; }
    real Temperature(real celsius) const {
        return english_ ? celsius * text::kFahrenheitPerCelsius + 32 : celsius;
    }
    real Swept(core::SweptQuantity quantity, real value) const {
        return quantity == core::SweptQuantity::Load ? text::ForceValue(value, format_) : value;
    }
    std::string LengthUnit() const { return text::LengthUnit(format_); }
    std::string TemperatureUnit() const { return text::TemperatureUnit(format_); }
    std::string SweptUnit(core::SweptQuantity quantity) const {
        return quantity == core::SweptQuantity::Load ? text::ForceUnit(format_) : "1/s";
    }
    const text::FormatOptions& Format() const { return format_; }

  private:
    const text::FormatOptions& format_;
    bool english_;
};

struct Series {
    std::function<real(const TRBrecord&)> value;
    bool dashed = false;
};

// What one chart shows.
struct ChartSpec {
    std::string title;  // quantity and unit, over the plot area
    std::vector<Series> series;
    std::optional<real> limit;  // a horizontal limit line, in display units
    std::string limitLabel;
    bool fromZero = true;  // the y axis starts at 0
};

ChartSpec SpecOf(OperatingChart chart, const TRBrecord& record, const DisplayUnits& units) {
    ChartSpec shape;
    switch (chart) {
        case OperatingChart::FilmThickness:
            shape.title = "h0 [" + units.LengthUnit() + "]";
            shape.series = {{[&units](const TRBrecord& r) { return units.Length(r.h0); }}};
            shape.limit = units.Length(record.h0lim);
            shape.limitLabel = "h0 lim";
            break;
        case OperatingChart::Temperatures: {
            const auto teff = [&units](const TRBrecord& r) { return units.Temperature(r.teff); };
            const std::string unit = " [" + units.TemperatureUnit() + "]";
            if (record.druckschmierung) {
                shape.title = "teff, t2" + unit;
                shape.series = {{teff},
                                {[&units](const TRBrecord& r) { return units.Temperature(r.t2); }, true}};
            } else {
                // With convection the effective temperature is the bearing temperature.
                shape.title = "tB" + unit;
                shape.series = {{teff}};
            }
            shape.limit = units.Temperature(record.tblim);
            shape.limitLabel = "tB lim";
            shape.fromZero = false;
            break;
        }
        case OperatingChart::Friction:
            shape.title = "\xE6";
            shape.series = {{[](const TRBrecord& r) { return r.mu; }}};
            break;
        case OperatingChart::FrictionPower:
            shape.title = "P0 [W]";
            shape.series = {{[](const TRBrecord& r) { return r.p0; }}};
            break;
        case OperatingChart::Flow:
        case OperatingChart::All:
        case OperatingChart::Coefficients:  // drawn by the coefficient charts
            shape.title = "Q [mm\xFC/s]";
            shape.series = {{[](const TRBrecord& r) { return r.q; }}};
            break;
    }
    return shape;
}

// The range of a chart's values over every point that did not fail, its limit included.
DiagramLimits DataRange(const core::OperatingSweep& sweep, const ChartSpec& shape,
                        const DisplayUnits& units) {
    const core::SweepRange& range = sweep.range;
    DiagramLimits limits{units.Swept(range.quantity, range.from), units.Swept(range.quantity, range.to), 0,
                         0};
    bool any = false;
    real low = 0, high = 0;
    const auto take = [&](real v) {
        if (!std::isfinite(v)) return;
        low = any ? std::min(low, v) : v;
        high = any ? std::max(high, v) : v;
        any = true;
    };
    for (const core::SweepPoint& point : sweep.points) {
        for (const core::CaseRun& run : point.runs) {
            if (core::PointFailed(run)) continue;
            for (const Series& series : shape.series) take(series.value(run.record));
        }
    }
    if (shape.limit) take(*shape.limit);
    if (!any) return {limits.xmin, limits.xmax, 0, 1};
    limits.ymin = shape.fromZero ? std::min<real>(0, low) : low;
    limits.ymax = high;
    return limits;
}

void Curves(Driver& driver, const DiagramFrame& frame, const core::OperatingSweep& sweep,
            const ChartSpec& shape, const DisplayUnits& units) {
    for (Clearance clearance : core::kClearances) {
        driver.CadColor(kClearancePens[core::Index(clearance)]);
        for (const Series& series : shape.series) {
            PlotPen pen(driver, frame.PlotArea(), series.dashed);
            bool down = false;
            for (const core::SweepPoint& point : sweep.points) {
                const core::CaseRun& run = point.At(clearance);
                const bool failed = core::PointFailed(run);
                const real y = failed ? 0 : series.value(run.record);
                // A failed point leaves a gap: the pen lifts and starts again after it.
                if (failed || !std::isfinite(y)) {
                    down = false;
                    continue;
                }
                const Point p{frame.X(units.Swept(sweep.range.quantity, point.value)), frame.Y(y)};
                if (down) {
                    pen.LineTo(p);
                } else {
                    pen.MoveTo(p);
                    down = true;
                }
            }
        }
    }
}

void SmallText(Driver& driver, real height) {
    driver.CadTextStyle(2, 0, height, 0.75L * height);
}

void HorizontalLimit(Driver& driver, const DiagramFrame& frame, real value, const std::string& label) {
    const Rect area = frame.PlotArea();
    const real y = frame.Y(value);
    if (y < area.y1 || y > area.y2) return;
    driver.CadColor(kLimitPen);
    PlotPen pen(driver, area, true);
    pen.MoveTo({area.x1, y});
    pen.LineTo({area.x2, y});
    SmallText(driver, 2);
    driver.CadText(label, area.x2 - 2 * static_cast<real>(label.size()) - 1, y + 0.8L);
}

void VerticalMark(Driver& driver, const DiagramFrame& frame, real x, int pen, const std::string& label) {
    const Rect area = frame.PlotArea();
    const real at = frame.X(x);
    if (at < area.x1 || at > area.x2) return;
    driver.CadColor(pen);
    PlotPen dashes(driver, area, true);
    dashes.MoveTo({at, area.y1});
    dashes.LineTo({at, area.y2});
    if (label.empty()) return;
    SmallText(driver, 1.8L);
    driver.CadText(label, at + 0.6L, area.y2 - 2.5L);
}

// The marks across a chart: the transition of each clearance and, for a load sweep, the load at
// the admissible specific load.
void Marks(Driver& driver, const DiagramFrame& frame, const DrawingData& data,
           const core::OperatingSweep& sweep, const DisplayUnits& units, bool labelled) {
    const core::SweptQuantity quantity = sweep.range.quantity;
    const std::string symbol = quantity == core::SweptQuantity::Load ? "F ue" : "n ue";
    for (Clearance clearance : core::kClearances) {
        if (const auto value = TransitionValue(sweep, clearance, data.record.h0lim)) {
            VerticalMark(driver, frame, units.Swept(quantity, *value), kClearancePens[core::Index(clearance)],
                         labelled ? symbol : std::string());
        }
    }
    if (quantity == core::SweptQuantity::Load) {
        const real limitLoad = data.record.plim * data.record.db * data.record.b;
        VerticalMark(driver, frame, units.Swept(quantity, limitLoad), kLimitPen, labelled ? "p lim" : "");
    }
}

// The radius of a crossing's circle, drawing units.
constexpr real kCrossingRadius = 1.2L;

// The thresholds' crossings of a chart's limit along the swept input: a circle in each clearance's
// pen where its curve meets the limit line, inside the plot area.
void CrossingMarks(Driver& driver, const DiagramFrame& frame, const core::Thresholds& thresholds,
                   core::SweptQuantity quantity, OperatingChart chart, real limit,
                   const DisplayUnits& units) {
    const core::ThresholdInput input =
        quantity == core::SweptQuantity::Load ? core::ThresholdInput::Load : core::ThresholdInput::ShaftSpeed;
    const core::ThresholdLimit which = chart == OperatingChart::FilmThickness
                                           ? core::ThresholdLimit::Film
                                           : core::ThresholdLimit::Temperature;
    const Rect area = frame.PlotArea();
    const real y = frame.Y(limit);
    if (y < area.y1 || y > area.y2) return;
    for (Clearance clearance : core::kClearances) {
        driver.CadColor(kClearancePens[core::Index(clearance)]);
        for (real crossing : thresholds.At(clearance).At(input, which)) {
            const real x = frame.X(units.Swept(quantity, crossing));
            if (x >= area.x1 && x <= area.x2) driver.CadCircle(x, y, kCrossingRadius);
        }
    }
}

void Chart(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data, const core::OperatingSweep& sweep,
           OperatingChart chart, const Rect& plot, bool askLimits, const core::Thresholds* thresholds) {
    const DisplayUnits units(data.settings.format);
    const ChartSpec shape = SpecOf(chart, data.record, units);
    const core::SweptQuantity quantity = sweep.range.quantity;
    DiagramFrame frame(driver);
    frame.SetPlotArea(plot.x1, plot.y1, plot.x2 - plot.x1, plot.y2 - plot.y1);
    DiagramFrameRequest request;
    request.title = shape.title;
    request.xLabel =
        (quantity == core::SweptQuantity::Load ? "F [" : "nS [") + units.SweptUnit(quantity) + "]";
    request.grid = true;
    request.roundSteps = true;
    request.data = DataRange(sweep, shape, units);
    if (!frame.DrawDiagramFrame(request, data.settings.format, &dialogs, askLimits)) return;
    Curves(driver, frame, sweep, shape, units);
    if (shape.limit) HorizontalLimit(driver, frame, *shape.limit, shape.limitLabel);
    Marks(driver, frame, data, sweep, units, chart == OperatingChart::FilmThickness);
    if (thresholds != nullptr && shape.limit) {
        CrossingMarks(driver, frame, *thresholds, quantity, chart, *shape.limit, units);
    }
}

int FailedPoints(const core::OperatingSweep& sweep) {
    int failed = 0;
    for (const core::SweepPoint& point : sweep.points) {
        for (const core::CaseRun& run : point.runs) failed += core::PointFailed(run) ? 1 : 0;
    }
    return failed;
}

// Colours, line kinds and the range, from the top-left corner down.
void Legend(Driver& driver, const DrawingData& data, const core::OperatingSweep& sweep, Point corner,
            real height, bool crossings) {
    const auto chart = [&data](ChartText id) { return text::Chart(data.texts, id); };
    const DisplayUnits units(data.settings.format);
    const text::FormatOptions& format = data.settings.format;
    const core::SweepRange& range = sweep.range;
    const real line = 2 * height;
    real y = corner.y;
    const auto write = [&](const std::string& text, real indent = 0) {
        driver.CadText(text, corner.x + indent, y);
        y -= line;
    };
    const auto sample = [&](int pen, bool dashed) {
        driver.CadColor(pen);
        PlotPen stroke(driver, {corner.x, y - height, corner.x + 10, y + 2 * height}, dashed);
        stroke.MoveTo({corner.x, y + 0.4L * height});
        stroke.LineTo({corner.x + 9, y + 0.4L * height});
        driver.CadColor(kTextPen);
    };

    driver.CadColor(kTextPen);
    SmallText(driver, 1.4L * height);
    write(chart(ChartText::Betriebskennfeld));
    SmallText(driver, height);
    if (!data.title.remarks[0].empty()) write(data.title.remarks[0]);
    const std::string swept = range.quantity == core::SweptQuantity::Load ? "F" : "nS";
    write(swept + " = " + text::FormatShort(units.Swept(range.quantity, range.from), format) + " ... " +
          text::FormatShort(units.Swept(range.quantity, range.to), format) + " " +
          units.SweptUnit(range.quantity) + ", " + text::IntText(range.steps) + " " +
          chart(ChartText::Schritte));
    y -= 0.5L * line;
    static constexpr std::array<ChartText, core::kClearanceCount> kNames = {
        ChartText::KleinstesSpiel, ChartText::MittleresSpiel, ChartText::GroesstesSpiel};
    static constexpr std::array<const char*, core::kClearanceCount> kSymbols = {"s min", "s m", "s max"};
    for (Clearance clearance : core::kClearances) {
        const std::size_t i = core::Index(clearance);
        sample(kClearancePens[i], false);
        write(std::string(kSymbols[i]) + ": " + chart(kNames[i]), 11);
    }
    if (data.record.druckschmierung) {
        sample(kTextPen, false);
        write("teff", 11);
        sample(kTextPen, true);
        write("t2", 11);
    }
    sample(kLimitPen, true);
    write(chart(ChartText::Grenzwert) + " (h0 lim, tB lim)", 11);
    sample(kClearancePens[core::Index(Clearance::Mean)], true);
    write((range.quantity == core::SweptQuantity::Load ? "F ue" : "n ue") + std::string(": h0 = h0 lim"), 11);
    if (crossings) {
        driver.CadColor(kClearancePens[core::Index(Clearance::Mean)]);
        driver.CadCircle(corner.x + 4.5L, y + 0.4L * height, kCrossingRadius);
        driver.CadColor(kTextPen);
        write(chart(ChartText::Reserven) + ": h0 = h0 lim, " + (data.record.druckschmierung ? "teff" : "tB") +
                  " = tB lim",
              11);
    }
    if (const int failed = FailedPoints(sweep); failed > 0) {
        driver.CadColor(kLimitPen);
        write(text::IntText(failed) + " " + chart(ChartText::Punkte) + " " +
              chart(ChartText::Fehlgeschlagen));
        driver.CadColor(kTextPen);
    }
}

// Where each chart of the full sheet stands: three columns of 99 and two rows of 105.
Rect CellPlot(int column, int row) {
    const real x = 99 * static_cast<real>(column) + 16;
    const real y = 105 * static_cast<real>(row) + 14;
    return {x, y, x + 72, y + 72};
}

}  // namespace

Rect OperatingChartLimits(OperatingChart chart) {
    return chart == OperatingChart::All ? Rect{0, 0, 297, 210} : Rect{0, 0, 200, 120};
}

std::optional<real> TransitionValue(const core::OperatingSweep& sweep, Clearance clearance, real h0lim) {
    bool havePrevious = false;
    real previousX = 0, previousD = 0;
    for (const core::SweepPoint& point : sweep.points) {
        const core::CaseRun& run = point.At(clearance);
        if (core::PointFailed(run)) {
            havePrevious = false;
            continue;
        }
        const real d = run.record.h0 - h0lim;
        if (d == 0) return point.value;
        if (havePrevious && (previousD < 0) != (d < 0)) {
            return previousX + (point.value - previousX) * previousD / (previousD - d);
        }
        previousX = point.value;
        previousD = d;
        havePrevious = true;
    }
    return std::nullopt;
}

void WriteOperatingCharts(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data,
                          const core::OperatingSweep& sweep, const OperatingChartOptions& options) {
    const Rect sheet = OperatingChartLimits(options.chart);
    driver.CadLimits(sheet.x1, sheet.y1, sheet.x2, sheet.y2);
    driver.CadTables(2);
    driver.CadEntitiesBegin();
    if (options.chart == OperatingChart::All) {
        static constexpr std::array<OperatingChart, kOperatingChartCount> kCharts = {
            OperatingChart::FilmThickness, OperatingChart::Temperatures, OperatingChart::Friction,
            OperatingChart::FrictionPower, OperatingChart::Flow};
        for (std::size_t i = 0; i < kCharts.size(); ++i) {
            const int column = static_cast<int>(i % 3);
            const int row = i < 3 ? 1 : 0;
            Chart(driver, dialogs, data, sweep, kCharts[i], CellPlot(column, row), false, options.thresholds);
        }
        Legend(driver, data, sweep, {203, 95}, 2.4L, options.thresholds != nullptr);
    } else {
        const bool ask = options.askLimits && driver.DeviceCode() != kDeviceScreen;
        Chart(driver, dialogs, data, sweep, options.chart, {18, 14, 128, 104}, ask, options.thresholds);
        Legend(driver, data, sweep, {140, 112}, 2, options.thresholds != nullptr);
    }
    driver.CadColor(0);
    driver.CadEndSection();
}

void DrawOperatingCharts(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data,
                         const core::OperatingSweep& sweep, int device,
                         const OperatingChartOptions& options) {
    driver.CadOpen(device);
    if (driver.Abort()) return;
    WriteOperatingCharts(driver, dialogs, data, sweep, options);
    // A cancelled limits dialog ends the charts without output.
    if (driver.Abort()) return;
    driver.CadClose();
}

}  // namespace trb::graphics
