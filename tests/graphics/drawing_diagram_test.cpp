#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "core/lubricant.h"
#include "driver_fixture.h"
#include "graphics/diagram_frame.h"
#include "graphics/diagram_viscosity.h"
#include "text/format.h"

namespace trb::graphics::testing {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

void ExpectAxis(const AxisLimits& axis, double lower, double upper, double step) {
    EXPECT_NEAR(static_cast<double>(axis.lower), lower, 1e-12);
    EXPECT_NEAR(static_cast<double>(axis.upper), upper, 1e-12);
    EXPECT_NEAR(static_cast<double>(axis.step), step, 1e-12);
}

TEST(NiceAxisLimits, StepsOfOneTwoFiveAndTen) {
    // e = 9.5, f = 1, g = 9.5: step 10.
    ExpectAxis(NiceAxisLimits(0, 57), 0, 60, 10);
    // e ≈ 0.00555, f = 0.01 (log10 e truncated toward zero), g ≈ 0.555: step 0.01.
    ExpectAxis(NiceAxisLimits(0.0123L, 0.0456L), 0.01, 0.05, 0.01);
    // The temperature axis of the viscosity diagrams.
    ExpectAxis(NiceAxisLimits(20.1L, 120), 20, 120, 20);
    // e = 4: g = 4, step 5.
    ExpectAxis(NiceAxisLimits(0, 24), 0, 25, 5);
    // e = 2: g = 2, step 2.
    ExpectAxis(NiceAxisLimits(0, 12), 0, 12, 2);
}

TEST(NiceAxisLimits, EqualEndsAreWidened) {
    ExpectAxis(NiceAxisLimits(5, 5), 4, 6, 1);
}

TEST(NiceAxisLimits, NegativeDataStayInsideTheLimits) {
    const AxisLimits axis = NiceAxisLimits(-57, 0);
    EXPECT_LE(axis.lower, -57);
    EXPECT_GE(axis.upper, 0);
    ExpectAxis(axis, -60, 10, 10);
}

// The axes of the operating charts: friction coefficients of a few thousandths, films of
// micrometres, loads of tens of kilonewtons, and negative or reversed ranges alike.
TEST(RoundAxisLimits, FourToEightRoundStepsForEveryRange) {
    // A friction coefficient up to 0.0087 from 0: step 0.002 (0.001 would need 9 steps, 0.005 two).
    ExpectAxis(RoundAxisLimits(0, 0.0087L), 0, 0.01, 0.002);
    ExpectAxis(RoundAxisLimits(0.0021L, 0.0047L), 0.002, 0.005, 0.0005);
    ExpectAxis(RoundAxisLimits(0, 12.3L), 0, 14, 2);
    ExpectAxis(RoundAxisLimits(0, 57), 0, 60, 10);
    // 8 steps of 5000 or 4 of 10000: the larger step.
    ExpectAxis(RoundAxisLimits(0, 40000), 0, 40000, 10000);
    ExpectAxis(RoundAxisLimits(-57, 0), -60, 0, 10);
    ExpectAxis(RoundAxisLimits(57, 0), 0, 60, 10);
    // Limits that are whole steps already stay; a rounding error of the division adds no step.
    ExpectAxis(RoundAxisLimits(0.1L, 0.7L), 0.1, 0.7, 0.1);
    ExpectAxis(RoundAxisLimits(0.3L, 0.9L), 0.3, 0.9, 0.1);

    int checked = 0;
    for (int decade = -7; decade <= 6; ++decade) {
        const real unit = std::pow(10.0L, static_cast<real>(decade));
        for (int span = 1; span <= 200; span += 3) {
            for (int offset = -150; offset <= 150; offset += 37) {
                const real a = offset * unit / 7, b = a + span * unit / 10;
                for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}, std::pair{-b, -a}}) {
                    const AxisLimits axis = RoundAxisLimits(from, to);
                    const real low = std::min(from, to), high = std::max(from, to);
                    const real steps = (axis.upper - axis.lower) / axis.step;
                    const real mantissa =
                        axis.step / std::pow(10.0L, std::floor(std::log10(axis.step) + 1e-9L));
                    const std::string range = text::FormatLong(from, {}) + " .. " + text::FormatLong(to, {});
                    ASSERT_GE(steps, 4 - 1e-6L) << range;
                    ASSERT_LE(steps, 8 + 1e-6L) << range;
                    ASSERT_TRUE(std::abs(mantissa - 1) < 1e-6L || std::abs(mantissa - 2) < 1e-6L ||
                                std::abs(mantissa - 5) < 1e-6L)
                        << range << " step " << static_cast<double>(axis.step);
                    // The data inside, no empty step at either end, the limits on whole steps.
                    const real slack = 1e-9L * axis.step;
                    ASSERT_LE(axis.lower, low + slack) << range;
                    ASSERT_GE(axis.upper, high - slack) << range;
                    ASSERT_GT(axis.lower, low - axis.step + slack) << range;
                    ASSERT_LT(axis.upper, high + axis.step - slack) << range;
                    for (const real limit : {axis.lower, axis.upper}) {
                        const real whole = limit / axis.step;
                        ASSERT_NEAR(static_cast<double>(whole), std::round(static_cast<double>(whole)), 1e-6)
                            << range;
                    }
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

TEST(RoundAxisLimits, EmptyAndBrokenRangesStillGiveAnAxis) {
    // Widened by a tenth of the value each way, or by 1 around 0.
    ExpectAxis(RoundAxisLimits(5, 5), 4.4, 5.6, 0.2);
    ExpectAxis(RoundAxisLimits(0, 0), -1, 1, 0.5);
    ExpectAxis(RoundAxisLimits(0, std::nan("")), 0, 1, 0.2);
    ExpectAxis(RoundAxisLimits(-INFINITY, 1), 0, 1, 0.2);
}

class DiagramTest : public DriverFixture, public ::testing::Test {};

TEST_F(DiagramTest, CurvesAreClippedToThePlotArea) {
    RecordingDevice& device = Record();
    DiagramFrame frame(*driver);
    frame.SetPlotArea(10, 12, 100, 100);
    DiagramFrameRequest request;
    request.data = {0, 57, 0, 57};
    request.grid = false;
    ASSERT_TRUE(frame.DrawDiagramFrame(request, {}, nullptr, false));
    device.calls.clear();
    frame.DiagramMoveTo(0, 0);
    frame.DiagramLineTo(120, 120);  // leaves the 0..60 range at (60, 60)
    frame.DiagramLineTo(130, 0);    // entirely outside
    frame.DiagramLineTo(30, 30);    // comes back in at x = 60
    EXPECT_EQ(device.With("Line").size(), 2u);
    EXPECT_THAT(device.calls, Contains("Line 10 12 110 112"));
    EXPECT_THAT(device.calls, Contains("Line 110 47 60 62"));
}

TEST_F(DiagramTest, FrameHasTicksAtEveryStepAndGridLinesInside) {
    RecordingDevice& device = Record();
    DiagramFrame frame(*driver);
    frame.SetPlotArea(10, 12, 100, 100);
    DiagramFrameRequest request;
    request.data = {20.1L, 120, 0, 57};
    request.title = "title";
    ASSERT_TRUE(frame.DrawDiagramFrame(request, {}, nullptr, false));
    // x: 20..120 in steps of 20, ticks 1 % of the height long below the axis.
    EXPECT_THAT(device.calls, Contains("Line 30 12 30 11"));
    EXPECT_THAT(device.calls, Contains("Line 30 12 30 112"));  // grid
    // y: 0..60 in steps of 10.
    EXPECT_THAT(device.calls, Contains("Line 10 28.6667 9 28.6667"));
    // Arrowheads 4 % of the axis length (3.5 · symbol scale).
    EXPECT_THAT(device.calls, Contains("Line 116 12 112 12"));
    for (const char* label : {"20", "40", "120", "0", "60"}) {
        EXPECT_THAT(device.With(std::string("Text ") + label + " "), Not(IsEmpty())) << label;
    }
    // Title centred over the plot area: 60 − 5·3.5/2.
    EXPECT_THAT(device.calls, Contains("Text title 51.25 115 3.5 0.714286 0"));
}

TEST_F(DiagramTest, LogarithmicAxisUsesDecades) {
    RecordingDevice& device = Record();
    DiagramFrame frame(*driver);
    DiagramFrameRequest request;
    request.data = {0, 1, 3, 4000};
    request.yScale = AxisScale::Logarithmic;
    ASSERT_TRUE(frame.DrawDiagramFrame(request, {}, nullptr, false));
    EXPECT_NEAR(static_cast<double>(frame.Limits().ymin), 1, 1e-9);
    EXPECT_NEAR(static_cast<double>(frame.Limits().ymax), 10000, 1e-6);
    EXPECT_NEAR(static_cast<double>(frame.Y(100)), 12 + 50, 1e-9);
    EXPECT_THAT(device.With("Text 1000 "), Not(IsEmpty()));
}

TEST_F(DiagramTest, LimitsDialogOverridesTheAutomaticLimits) {
    Record();
    dialogs.Reply("50").Reply("10").Reply("30").Reply("90");
    DiagramFrame frame(*driver);
    DiagramFrameRequest request;
    request.data = {20.1L, 120, 0, 57};
    ASSERT_TRUE(frame.DrawDiagramFrame(request, {}, &dialogs, true));
    EXPECT_EQ(static_cast<double>(frame.Limits().xmin), 30);
    EXPECT_EQ(static_cast<double>(frame.Limits().xmax), 90);
    EXPECT_EQ(static_cast<double>(frame.Limits().ymin), 10);
    EXPECT_EQ(static_cast<double>(frame.Limits().ymax), 50);

    RecordingDevice& cancelled = Record();
    dialogs.ReplyCancel();
    EXPECT_FALSE(frame.DrawDiagramFrame(request, {}, &dialogs, true));
    EXPECT_TRUE(abort);
    EXPECT_TRUE(cancelled.With("Line").empty());
}

TEST_F(DiagramTest, ViscosityLegendUsesTheFixedDensity) {
    RecordingDevice& device = Record();
    WriteViscosityDiagram(*driver, dialogs, kDiagramDynamic, 100, 40, 55.4L, {});
    // η = ν · 900 kg/m³ · 1e-6: 100 mm²/s give 0.09 Pa s.
    EXPECT_THAT(device.calls, Contains("Text eta (40 C) = 0.09 Pa s 100 93.88 2.2 0.772727 0"));
    EXPECT_THAT(device.calls, Contains("Text nue (40 C) = 100 mm\xFD/s 100 115 2.2 0.772727 0"));
    EXPECT_THAT(device.With("Text nue (55 C) = "), Not(IsEmpty())) << "teff without decimals";
    EXPECT_THAT(device.With("Text eta = f (T)"), Not(IsEmpty()));
}

TEST_F(DiagramTest, ViscosityCurveRunsFrom20To120InHalfDegrees) {
    RecordingDevice& device = Record();
    WriteViscosityDiagram(*driver, dialogs, kDiagramKinematic, 100, 40, 50, {});
    int pen = 0, curveLines = 0;
    for (const std::string& call : device.calls) {
        if (call.starts_with("Pen ")) pen = std::stoi(call.substr(4));
        if (pen == 19 && call.starts_with("Line ")) ++curveLines;
    }
    EXPECT_EQ(curveLines, 200);
    // The curve starts at the top of its own range: ν(20) lies below the rounded-up axis end.
    const real nu20 = core::ViscosityAt(100, 40, 20);
    const AxisLimits y = NiceAxisLimits(0, nu20);
    char first[64];
    std::snprintf(first, sizeof first, "Line 10 %.6g", static_cast<double>(12 + nu20 / y.upper * 100));
    EXPECT_THAT(device.With(first), Not(IsEmpty()));
    EXPECT_EQ(device.calls.back(), "EndSection");
}

TEST_F(DiagramTest, KindIsAskedForWhenNotGiven) {
    dialogs.Reply("3");  // the item that cancels
    DrawViscosityDiagram(*driver, dialogs, kDeviceScreen, kDiagramAsk, 100, 40, 50, {});
    ASSERT_EQ(dialogs.Entries("radio").size(), 1u);
    EXPECT_EQ(dialogs.Entries("radio")[0].text, "Select");
    EXPECT_TRUE(window->List().Empty());
}

}  // namespace
}  // namespace trb::graphics::testing
