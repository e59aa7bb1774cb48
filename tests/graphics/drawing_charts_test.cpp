// The clearance range sheet and the operating charts: what they draw, the gaps at failed points,
// and their DXF files read back with ezdxf.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/calculation.h"
#include "core/clearance_range.h"
#include "core/operating_sweep.h"
#include "core/thresholds.h"
#include "drawing_fixture.h"
#include "graphics/diagram_coefficients.h"
#include "graphics/diagram_operating.h"
#include "graphics/drawing_clearance_range.h"
#include "run_program.h"
#include "text/format.h"

namespace trb::graphics::testing {
namespace {

using core::Clearance;
using ::testing::Contains;
using ::testing::HasSubstr;

constexpr std::array<int, 3> kCurvePens = {20, 18, 21};

class ChartsTest : public DrawingFixture, public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(UseCalculatedExample()); }

    // The x of every curve segment's ends, for the curve pens only (the limit lines and marks are
    // dashed in other pens or vertical).
    std::vector<double> CurveEndsX(const std::vector<std::string>& calls) {
        std::vector<double> xs;
        int pen = 0;
        for (const std::string& call : calls) {
            if (call.starts_with("Pen ")) pen = std::stoi(call.substr(4));
            if (!call.starts_with("Line ") ||
                std::find(kCurvePens.begin(), kCurvePens.end(), pen) == kCurvePens.end())
                continue;
            double x1, y1, x2, y2;
            if (std::sscanf(call.c_str(), "Line %lf %lf %lf %lf", &x1, &y1, &x2, &y2) != 4) {
                ADD_FAILURE() << call;
                continue;
            }
            if (x1 == x2) continue;  // a vertical mark
            xs.push_back(x1);
            xs.push_back(x2);
        }
        return xs;
    }

    std::vector<double> Chart(const core::SweepRange& range, OperatingChart chart) {
        const core::OperatingSweep sweep = core::RunOperatingSweep(record, range);
        OperatingChartOptions options;
        options.chart = chart;
        const auto calls = Recorded([&] { WriteOperatingCharts(*driver, dialogs, Data(), sweep, options); });
        EXPECT_FALSE(abort);
        texts_ = Texts(calls);
        return CurveEndsX(calls);
    }

    // The device calls of one drawing's entities.
    template <typename Draw>
    std::vector<std::string> Recorded(Draw draw) {
        std::vector<std::string> calls;
        Record().mirror = &calls;
        draw();
        return calls;
    }

    std::vector<std::string> texts_;
};

TEST_F(ChartsTest, FailedPointsLeaveAGapInsteadOfAZero) {
    // No load: the first point fails at every clearance. The plot area runs from x 18 to 128 over
    // 0 to 40000 N, so the second point lies at x 29: every curve starts there, none goes to 0.
    const auto ends = Chart({core::SweptQuantity::Load, 0, 40000, 10}, OperatingChart::FilmThickness);
    ASSERT_FALSE(ends.empty());
    EXPECT_EQ(*std::min_element(ends.begin(), ends.end()), 29.0);
    EXPECT_EQ(std::count(ends.begin(), ends.end(), 29.0), 3) << "one curve per clearance starts at point 1";
    EXPECT_THAT(texts_, Contains("h0 lim"));
    EXPECT_THAT(texts_, Contains(HasSubstr("F [N]")));
}

TEST_F(ChartsTest, EveryChartHasThreeCurvesAndTheTransitionIsFound) {
    const core::SweepRange range{core::SweptQuantity::ShaftSpeed, 0.5L, 40, 40};
    const core::OperatingSweep sweep = core::RunOperatingSweep(record, range);
    // The film grows with speed and crosses its limit low in the range at each clearance.
    for (Clearance clearance : core::kClearances) {
        const auto at = TransitionValue(sweep, clearance, record.h0lim);
        ASSERT_TRUE(at.has_value()) << core::ClearanceKey(clearance);
        EXPECT_GT(*at, range.from);
        EXPECT_LT(*at, range.to);
    }
    const auto calls = Recorded([&] { WriteOperatingCharts(*driver, dialogs, Data(), sweep, {}); });
    const auto counts = CountByPen(calls);
    for (int pen : kCurvePens) EXPECT_GE(Count(counts, pen, "Line"), 5 * 40) << "pen " << pen;
    const auto written = Texts(calls);
    for (const char* title : {"h0 [mm]",
                              "teff, t2 [\xF8"
                              "C]",
                              "P0 [W]", "Q [mm\xFC/s]", "n ue", "tB lim"})
        EXPECT_THAT(written, Contains(title)) << title;
}

// The tick labels of a chart's y axis, bottom up: the numbers in the tick label size that do not
// stand on the x axis' line of labels (the line that most of them share).
std::vector<double> YTickLabels(const std::vector<std::string>& calls) {
    std::vector<std::pair<double, double>> labels;  // y, value
    std::map<double, int> onLine;
    for (const std::string& call : calls) {
        if (!call.starts_with("Text ")) continue;
        std::vector<std::string> words;
        for (std::size_t at = 5, end; at <= call.size(); at = end + 1) {
            end = std::min(call.find(' ', at), call.size());
            words.push_back(call.substr(at, end - at));
        }
        real value = 0;
        if (words.size() != 6 || words[3] != "2.3" || !text::ParseReal(words[0], value)) continue;
        const double y = std::stod(words[2]);
        labels.emplace_back(y, static_cast<double>(value));
        ++onLine[y];
    }
    const auto xLine = std::max_element(onLine.begin(), onLine.end(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<double> values;
    std::sort(labels.begin(), labels.end());
    for (const auto& [y, value] : labels)
        if (xLine == onLine.end() || y != xLine->first) values.push_back(value);
    return values;
}

TEST_F(ChartsTest, EveryChartsValueAxisHasFourToEightRoundSteps) {
    // The friction coefficient of the example stays below 0.01: one step of 0.01 by the viscosity
    // diagrams' rule.
    for (const core::SweepRange& range : {core::SweepRange{core::SweptQuantity::ShaftSpeed, 0.5L, 40, 8},
                                          core::SweepRange{core::SweptQuantity::Load, 2000, 40000, 8}}) {
        const core::OperatingSweep sweep = core::RunOperatingSweep(record, range);
        for (int chart = 1; chart <= kOperatingChartCount; ++chart) {
            OperatingChartOptions options;
            options.chart = static_cast<OperatingChart>(chart);
            const auto values = YTickLabels(
                Recorded([&] { WriteOperatingCharts(*driver, dialogs, Data(), sweep, options); }));
            const std::string which =
                "chart " + std::to_string(chart) + " of " + std::string(core::SweptKey(range.quantity));
            ASSERT_GE(values.size(), 5u) << which;
            ASSERT_LE(values.size(), 9u) << which;
            const double step = values[1] - values[0];
            const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
            EXPECT_THAT((std::vector<double>{1, 2, 5}), Contains(std::round(step / decade))) << which;
            for (std::size_t i = 1; i < values.size(); ++i)
                EXPECT_NEAR(values[i] - values[i - 1], step, 1e-3 * step) << which << " label " << i;
        }
    }
}

// A sweep of hand-made points: their values and the film of the mean clearance (the other
// clearances are failed runs); a film of 0 marks a failed point.
core::OperatingSweep FilmSweep(const std::vector<std::pair<real, real>>& points) {
    core::OperatingSweep sweep;
    for (const auto& [value, h0] : points) {
        core::SweepPoint point;
        point.value = value;
        for (core::CaseRun& run : point.runs) run.status.calculationFailed = true;
        core::CaseRun& mean = point.runs[core::Index(Clearance::Mean)];
        mean.record.h0 = h0;
        mean.status.calculationFailed = h0 == 0;
        sweep.points.push_back(point);
    }
    return sweep;
}

// Against a limit of 10: a film 1 below it at 100 and 3 above it at 200 reaches it a quarter of
// the way, at 125 (linear between the two ends); falling from 3 above to 1 below, at 175.
TEST(TransitionValue, InterpolatesBetweenThePointsOnEitherSideOfTheLimit) {
    const auto at = [](const std::vector<std::pair<real, real>>& points) {
        return TransitionValue(FilmSweep(points), Clearance::Mean, 10);
    };
    EXPECT_EQ(at({{0, 8}, {100, 9}, {200, 13}, {300, 14}}), 125);
    EXPECT_EQ(at({{0, 14}, {100, 13}, {200, 9}, {300, 8}}), 175);
    // A point on the limit is the transition itself.
    EXPECT_EQ(at({{0, 8}, {100, 10}, {200, 12}}), 100);
    // The first crossing in the range counts.
    EXPECT_EQ(at({{0, 9}, {100, 11}, {200, 9}, {300, 11}}), 50);
    // No crossing: nothing, also for a film that stays below or above.
    EXPECT_FALSE(at({{0, 8}, {100, 9}}).has_value());
    EXPECT_FALSE(at({{0, 11}, {100, 12}}).has_value());
    // A failed point between two others breaks the line: no crossing is made up across it.
    EXPECT_FALSE(at({{0, 9}, {100, 0}, {200, 11}}).has_value());
    EXPECT_EQ(at({{0, 9}, {100, 0}, {200, 9}, {300, 13}}), 225);
    // The clearances are told apart: the smallest has no film at all here.
    EXPECT_FALSE(TransitionValue(FilmSweep({{0, 9}, {100, 11}}), Clearance::Smallest, 10).has_value());
}

// The thresholds' crossings sit on the limit line where each clearance's curve meets it: at the
// sweep's own transition mark, which interpolates between the sweep's points.
TEST_F(ChartsTest, ThresholdCrossingsAreCirclesOnTheLimitLineAtEachTransition) {
    const core::OperatingSweep sweep =
        core::RunOperatingSweep(record, {core::SweptQuantity::ShaftSpeed, 0.5L, 80, 80});
    const core::Thresholds thresholds = core::FindThresholds(record);
    OperatingChartOptions options;
    options.chart = OperatingChart::FilmThickness;
    options.thresholds = &thresholds;
    const auto calls = Recorded([&] { WriteOperatingCharts(*driver, dialogs, Data(), sweep, options); });
    std::map<int, std::vector<std::array<double, 3>>> circles;  // by pen
    std::map<int, std::vector<double>> marks;                   // the x of vertical marks, by pen
    double limitY = 0;
    int pen = 0;
    for (const std::string& call : calls) {
        if (call.starts_with("Pen ")) pen = std::stoi(call.substr(4));
        double a, b, c, d;
        if (std::sscanf(call.c_str(), "Circle %lf %lf %lf", &a, &b, &c) == 3)
            circles[pen].push_back({a, b, c});
        if (std::sscanf(call.c_str(), "Line %lf %lf %lf %lf", &a, &b, &c, &d) == 4) {
            if (pen == 16 && b == d && limitY == 0) limitY = b;  // the dashed limit line, before the legend
            if (a == c) marks[pen].push_back(a);
        }
    }
    ASSERT_NE(limitY, 0);
    for (int curve : kCurvePens) {
        // One crossing on the chart, and one circle for the legend in the mean clearance's pen.
        const std::size_t legend = curve == 18 ? 1 : 0;
        ASSERT_EQ(circles[curve].size(), 1 + legend) << "pen " << curve;
        const auto& circle = circles[curve][0];
        EXPECT_EQ(circle[1], limitY);
        ASSERT_FALSE(marks[curve].empty());
        EXPECT_NEAR(circle[0], marks[curve].front(), 0.3) << "pen " << curve;
    }
    EXPECT_THAT(Texts(calls), Contains(HasSubstr("Reserven: h0 = h0 lim, teff = tB lim")));

    // The temperatures chart marks where the speed makes teff reach tB lim; without thresholds no
    // circle is drawn.
    options.chart = OperatingChart::Temperatures;
    const auto hot = Recorded([&] { WriteOperatingCharts(*driver, dialogs, Data(), sweep, options); });
    EXPECT_EQ(Count(CountByPen(hot), 20, "Circle"), 1);
    EXPECT_EQ(Count(CountByPen(hot), 21, "Circle"), 1);
    // At about 50 1/s for the smallest clearance, far to the right of its film transition near 10 1/s.
    const auto hotCircle =
        std::find_if(hot.begin(), hot.end(), [](const std::string& c) { return c.starts_with("Circle"); });
    ASSERT_NE(hotCircle, hot.end());
    double x = 0, y = 0, r = 0;
    ASSERT_EQ(std::sscanf(hotCircle->c_str(), "Circle %lf %lf %lf", &x, &y, &r), 3);
    EXPECT_GT(x, marks[20].front() + 40);
    // Up to 55 1/s only the smallest clearance gets that hot: the others' crossings lie beyond the chart.
    const core::OperatingSweep slower =
        core::RunOperatingSweep(record, {core::SweptQuantity::ShaftSpeed, 0.5L, 55, 55});
    const auto cut =
        CountByPen(Recorded([&] { WriteOperatingCharts(*driver, dialogs, Data(), slower, options); }));
    EXPECT_EQ(Count(cut, 20, "Circle"), 1);
    EXPECT_EQ(Count(cut, 18, "Circle"), 1);  // the legend's
    EXPECT_EQ(Count(cut, 21, "Circle"), 0);
    options.thresholds = nullptr;
    const auto plain = Recorded([&] { WriteOperatingCharts(*driver, dialogs, Data(), sweep, options); });
    for (int curve : kCurvePens) EXPECT_EQ(Count(CountByPen(plain), curve, "Circle"), 0);
}

TEST_F(ChartsTest, ClearanceRangeSheetMarksTheGoverningRun) {
    const core::ClearanceRange range = core::RunClearanceRange(record);
    const auto written = Texts(Recorded([&] { DrawClearanceRange(*driver, Data(), range); }));
    EXPECT_THAT(written, Contains(HasSubstr("Spielbereich")));
    for (const char* column : {"s min", "s m", "s max"}) EXPECT_THAT(written, Contains(column));
    const std::string thinnest =
        text::FormatLengthLong(range.At(Clearance::Smallest).record.h0, config.format) + " *";
    EXPECT_THAT(written, Contains(thinnest));
    EXPECT_THAT(written,
                Contains(text::FormatLengthLong(range.At(Clearance::Largest).record.h0, config.format)));

    // A case without clearance at the smallest limit sizes: that run fails and shows "-".
    record.dbmin = record.dsmax;
    const core::ClearanceRange tight = core::RunClearanceRange(record);
    ASSERT_TRUE(tight.At(Clearance::Smallest).Failed());
    EXPECT_THAT(Texts(Recorded([&] { DrawClearanceRange(*driver, Data(), tight); })), Contains("-"));
    EXPECT_NE(core::GoverningFilm(tight), Clearance::Smallest) << "a failed run governs nothing";
}

// The texts of the table row whose symbol column holds `symbol`, left to right as drawn.
std::vector<std::string> RowOf(const std::vector<std::string>& calls, const std::string& symbol) {
    struct Placed {
        std::string text;
        double y;
    };
    std::vector<Placed> placed;
    for (const std::string& call : calls) {
        if (!call.starts_with("Text ")) continue;
        std::string rest = call.substr(5);
        double numbers[5];
        for (int i = 4; i >= 0; --i) {
            const auto blank = rest.rfind(' ');
            numbers[i] = std::stod(rest.substr(blank + 1));
            rest = rest.substr(0, blank);
        }
        placed.push_back({rest, numbers[1]});
    }
    const auto at =
        std::find_if(placed.begin(), placed.end(), [&](const Placed& p) { return p.text == symbol; });
    if (at == placed.end()) return {};
    std::vector<std::string> row;
    for (const Placed& p : placed)
        if (std::fabs(p.y - at->y) < 1e-6) row.push_back(p.text);
    return row;
}

// The example's three runs: the row "s" holds each run's effective clearance (with the thermal
// growth at its own temperature), the row "s 20" the clearance at 20 °C; the hottest run, the
// smallest clearance, is marked in the temperature rows.
TEST_F(ChartsTest, ClearanceRangeSheetShowsEachRunsOwnValues) {
    const core::ClearanceRange range = core::RunClearanceRange(record);
    const auto calls = Recorded([&] { DrawClearanceRange(*driver, Data(), range); });
    const auto length = [&](real mm) { return text::FormatLengthLong(mm, config.format); };
    const auto& smallest = range.At(Clearance::Smallest).record;
    const auto& mean = range.At(Clearance::Mean).record;
    const auto& largest = range.At(Clearance::Largest).record;
    ASSERT_NE(length(smallest.seff), length(smallest.s20)) << "the two rows must differ for this test";

    const auto s = RowOf(calls, "s");
    ASSERT_GE(s.size(), 5u);
    EXPECT_EQ(s[2], length(smallest.seff));
    EXPECT_EQ(s[3], length(mean.seff));
    EXPECT_EQ(s[4], length(largest.seff));
    const auto s20 = RowOf(calls, "s 20");
    ASSERT_GE(s20.size(), 5u);
    // 0.10, 0.12 and 0.14 mm from the limit sizes of the example.
    EXPECT_EQ(s20[2], length(0.1L));
    EXPECT_EQ(s20[3], length(0.12L));
    EXPECT_EQ(s20[4], length(0.14L));

    const auto degrees = [&](real c) { return text::FormatTemperatureShort(c, config.format); };
    for (const char* symbol : {"teff", "t2"}) {
        const auto row = RowOf(calls, symbol);
        const real hot = std::string(symbol) == "teff" ? smallest.teff : smallest.t2;
        const real cool = std::string(symbol) == "teff" ? largest.teff : largest.t2;
        EXPECT_THAT(row, Contains(degrees(hot) + " *")) << symbol;
        EXPECT_THAT(row, Contains(degrees(cool))) << symbol;
        EXPECT_THAT(row, ::testing::Not(Contains(degrees(cool) + " *"))) << symbol;
    }
    EXPECT_THAT(RowOf(calls, "h0"), Contains(length(smallest.h0) + " *"));

    // Each mark follows its own quantity: made hottest, the largest clearance is marked in the
    // temperature rows while the smallest keeps the mark of the thinnest film.
    core::ClearanceRange hotLargest = range;
    hotLargest.runs[core::Index(Clearance::Largest)].record.teff = 99;
    const auto marked = Recorded([&] { DrawClearanceRange(*driver, Data(), hotLargest); });
    EXPECT_THAT(RowOf(marked, "teff"), Contains(degrees(99) + " *"));
    EXPECT_THAT(RowOf(marked, "teff"), Contains(degrees(smallest.teff)));
    EXPECT_THAT(RowOf(marked, "t2"), Contains(degrees(largest.t2) + " *"));
    EXPECT_THAT(RowOf(marked, "h0"), Contains(length(smallest.h0) + " *"));
}

// The film's coefficients over a load sweep: the first point carries no load and has no film, the others
// keep theirs, each the film of its own run at the mean clearance. The charts leave a gap there with a red
// cross on the axis of each chart, count it in the legend and open in ezdxf.
TEST_F(ChartsTest, CoefficientChartsKeepTheSolvedPointsAndMarkTheFailedFilm) {
    const core::OperatingSweep sweep =
        core::RunOperatingSweep(record, {core::SweptQuantity::Load, 0, 40000, 4});
    const CoefficientSweep films = SolveCoefficientSweep(sweep);
    ASSERT_EQ(films.points.size(), 5u);
    EXPECT_TRUE(films.points[0].failed);
    const core::CaseRun& mean = sweep.points[3].At(Clearance::Mean);
    const film::CaseFilm own = film::SolveCaseFilm(mean.record, mean.status);
    ASSERT_EQ(own.fault, film::FilmFault::None);
    for (std::size_t i = 1; i < films.points.size(); ++i) {
        SCOPED_TRACE(i);
        const CoefficientPoint& point = films.points[i];
        ASSERT_FALSE(point.failed);
        EXPECT_EQ(point.value, sweep.points[i].value);
        EXPECT_GT(point.coefficients.stiffness[0][0], 0);
    }
    EXPECT_EQ(films.points[3].coefficients.stiffness, own.dimensionless.stiffness);
    EXPECT_EQ(films.points[3].coefficients.damping, own.dimensionless.damping);
    EXPECT_EQ(films.points[3].stability.massParameter, own.stability.massParameter);

    const auto calls = Recorded([&] { WriteCoefficientCharts(*driver, Data(), films); });
    // Every curve of the upper charts starts at the second point: x 20 + 110/4 on the stiffness chart,
    // 172 + 110/4 on the damping chart.
    std::map<bool, double> firstX = {{false, 1e9}, {true, 1e9}};
    int pen = 0;
    for (const std::string& call : calls) {
        if (call.starts_with("Pen ")) pen = std::stoi(call.substr(4));
        double x1, y1, x2, y2;
        if ((pen != 20 && pen != 18) ||
            std::sscanf(call.c_str(), "Line %lf %lf %lf %lf", &x1, &y1, &x2, &y2) != 4)
            continue;
        if (y1 < 122 || x1 == x2) continue;  // the lower chart, the legend, vertical grid lines
        double& first = firstX[x1 > 150];
        first = std::min({first, x1, x2});
    }
    EXPECT_DOUBLE_EQ(firstX[false], 47.5);
    EXPECT_DOUBLE_EQ(firstX[true], 199.5);
    // A cross of two lines on each of the three charts and in the legend.
    EXPECT_EQ(Count(CountByPen(calls), 16, "Line"), 8);
    const auto written = Texts(calls);
    EXPECT_THAT(written, Contains("1 Punkte: Film fehlgeschlagen"));
    EXPECT_THAT(written, Contains("K xy, B xy"));
    EXPECT_THAT(written, Contains("M c: kritischer Massenparameter"));
    EXPECT_THAT(written, Contains(HasSubstr("F [N]")));

    DrawCoefficientCharts(*driver, Data(), films, kDeviceDxf);
    ASSERT_FALSE(abort);
    const test_support::ProgramRun run = test_support::RunProgram(
        TRB_PYTHON, {TRB_CHECK_DXF, (folder / "example.dxf").string()}, test_support::MergedErrors());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("errors 0\n"));
    EXPECT_THAT(run.output, HasSubstr("Federn und D"));
}

TEST_F(ChartsTest, ChartsAndSheetOpenInEzdxf) {
    const core::OperatingSweep sweep =
        core::RunOperatingSweep(record, {core::SweptQuantity::Load, 0, 60000, 60});
    const auto read = [&](const std::string& what) {
        const test_support::ProgramRun run = test_support::RunProgram(
            TRB_PYTHON, {TRB_CHECK_DXF, (folder / "example.dxf").string()}, test_support::MergedErrors());
        const std::string& report = run.output;
        EXPECT_EQ(run.exitCode, 0) << what << report;
        EXPECT_THAT(report, HasSubstr("errors 0\n")) << what;
        return report;
    };
    const core::Thresholds thresholds = core::FindThresholds(record);
    for (OperatingChart chart : {OperatingChart::All, OperatingChart::Temperatures}) {
        OperatingChartOptions options;
        options.chart = chart;
        options.thresholds = &thresholds;
        DrawOperatingCharts(*driver, dialogs, Data(), sweep, kDeviceDxf, options);
        ASSERT_FALSE(abort);
        const std::string report = read("charts");
        EXPECT_THAT(report, HasSubstr("entity LINE"));
        EXPECT_THAT(report, HasSubstr("entity CIRCLE"));  // the thresholds' crossings
        EXPECT_THAT(report, HasSubstr("tB lim"));
    }
    DrawClearanceRangeView(*driver, Data(), core::RunClearanceRange(record), kDeviceDxf);
    EXPECT_THAT(read("sheet"), HasSubstr("Spielbereich"));
}

}  // namespace
}  // namespace trb::graphics::testing
