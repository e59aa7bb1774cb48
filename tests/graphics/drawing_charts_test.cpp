// The clearance range sheet and the operating charts: what they draw, the gaps at failed points,
// and their DXF files read back with ezdxf.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

#include "core/calculation.h"
#include "core/clearance_range.h"
#include "core/operating_sweep.h"
#include "drawing_fixture.h"
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
    for (OperatingChart chart : {OperatingChart::All, OperatingChart::Temperatures}) {
        OperatingChartOptions options;
        options.chart = chart;
        DrawOperatingCharts(*driver, dialogs, Data(), sweep, kDeviceDxf, options);
        ASSERT_FALSE(abort);
        const std::string report = read("charts");
        EXPECT_THAT(report, HasSubstr("entity LINE"));
        EXPECT_THAT(report, HasSubstr("tB lim"));
    }
    DrawClearanceRangeView(*driver, Data(), core::RunClearanceRange(record), kDeviceDxf);
    EXPECT_THAT(read("sheet"), HasSubstr("Spielbereich"));
}

}  // namespace
}  // namespace trb::graphics::testing
