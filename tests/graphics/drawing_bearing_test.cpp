#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "drawing_fixture.h"
#include "graphics/drawing_bearing.h"

namespace trb::graphics::testing {
namespace {

using ::testing::Contains;
using ::testing::Not;

struct FeatureCounts {
    int code;
    int dashedLines;
    int dashedArcs;
    int dashedCircles;
};

class FrontViewTest : public DrawingFixture, public ::testing::Test {};

TEST_F(FrontViewTest, EverySupplyFeatureDrawsItsDashedOutline) {
    // Lines, arcs and circles in pen 2 for each supply code, counted from the feature table.
    const FeatureCounts expected[] = {{1, 2, 0, 0}, {2, 2, 0, 0}, {3, 4, 0, 0}, {4, 2, 0, 1},
                                      {5, 3, 1, 0}, {6, 4, 1, 0}, {7, 4, 1, 0}, {8, 8, 2, 0}};
    for (const FeatureCounts& feature : expected) {
        RecordingDevice& device = Record();
        record.zufuhr = static_cast<std::uint16_t>(feature.code);
        DrawFrontView(*driver, record);
        const auto counts = CountByPen(device.calls);
        SCOPED_TRACE(feature.code);
        EXPECT_EQ(Count(counts, 2, "Line"), feature.dashedLines);
        EXPECT_EQ(Count(counts, 2, "Arc"), feature.dashedArcs);
        EXPECT_EQ(Count(counts, 2, "Circle"), feature.dashedCircles);
        // Bore and outer circle, and the two centre lines (plus the feed hole's centre line of a
        // partial groove).
        EXPECT_EQ(Count(counts, 5, "Circle"), 2);
        EXPECT_EQ(Count(counts, 1, "Line"), feature.code == 5 ? 3 : 2);
        EXPECT_EQ(device.calls.back(), "Pen 0");
    }
}

TEST_F(FrontViewTest, WithoutPressureLubricationNoFeatureIsDrawn) {
    for (int code = 1; code <= 8; ++code) {
        RecordingDevice& device = Record();
        record.druckschmierung = false;
        record.zufuhr = static_cast<std::uint16_t>(code);
        DrawFrontView(*driver, record);
        EXPECT_THAT(device.calls, Not(Contains("Pen 2")));
        EXPECT_EQ(device.With("Line").size(), 2u);
        EXPECT_EQ(device.With("Circle").size(), 2u);
    }
}

TEST_F(FrontViewTest, HolesMeetBoreAndOuterCircle) {
    // r = 50, R = 70, d = 5: e = sqrt(50² - 5²) = 49.7494, f = sqrt(70² - 5²) = 69.8212.
    RecordingDevice& device = Record();
    record.zufuhr = 1;
    DrawFrontView(*driver, record);
    EXPECT_THAT(device.calls, Contains("Line -5 49.7494 -5 69.8212"));
    EXPECT_THAT(device.calls, Contains("Line 5 49.7494 5 69.8212"));

    RecordingDevice& right = Record();
    record.zufuhr = 3;
    DrawFrontView(*driver, record);
    EXPECT_THAT(right.calls, Contains("Line 49.7494 -5 69.8212 -5"));
    EXPECT_THAT(right.calls, Contains("Line -49.7494 5 -69.8212 5"));
}

TEST_F(FrontViewTest, GroovesAndPocketsLieAtThirtyPercentOfTheWall) {
    // l = r + 0.3·(R − r) = 56; pocket half angle atan(15/70) = 12.0948°.
    RecordingDevice& ring = Record();
    record.zufuhr = 4;
    DrawFrontView(*driver, record);
    EXPECT_THAT(ring.calls, Contains("Circle 0 0 56"));

    RecordingDevice& partial = Record();
    record.zufuhr = 5;
    DrawFrontView(*driver, record);
    EXPECT_THAT(partial.calls, Contains("Arc 0 0 -30 60 56"));

    RecordingDevice& pocket = Record();
    record.zufuhr = 6;
    DrawFrontView(*driver, record);
    EXPECT_THAT(pocket.calls, Contains("Arc 0 0 77.9052 102.095 56"));

    RecordingDevice& pockets = Record();
    record.zufuhr = 8;
    DrawFrontView(*driver, record);
    EXPECT_THAT(pockets.calls, Contains("Arc 0 0 167.905 192.095 56"));
}

class SectionTest : public DrawingFixture, public ::testing::Test {};

TEST_F(SectionTest, EverySupplyFeatureHasItsOutlineAndHatching) {
    struct Outline {
        int code;
        int arcs;
        int circles;
    };
    // Hole arcs through R and r (or l), the cross hole circle of the holes and pockets at 90°.
    const Outline expected[] = {{1, 2, 0}, {2, 0, 1}, {3, 0, 1}, {4, 2, 0},
                                {5, 0, 0}, {6, 2, 0}, {7, 0, 1}, {8, 0, 1}};
    for (const Outline& outline : expected) {
        RecordingDevice& device = Record();
        record.zufuhr = static_cast<std::uint16_t>(outline.code);
        DrawSection(*driver, record, {});
        SCOPED_TRACE(outline.code);
        const auto counts = CountByPen(device.calls);
        EXPECT_EQ(device.With("Arc").size(), static_cast<std::size_t>(outline.arcs));
        EXPECT_EQ(device.With("Circle").size(), static_cast<std::size_t>(outline.circles));
        EXPECT_GT(Count(counts, 3, "Line"), 20) << "hatch lines";
        // The feature centre line across the section.
        EXPECT_THAT(device.calls, Contains("Line 30 -73.5 30 73.5"));
        EXPECT_THAT(Texts(device.calls), Contains(outline.code == 5 ? "20" : "10"));
    }
}

// Where the feed hole (dH 10) meets the outer and the bore cylinder the section shows a short arc of
// 2·asin(dH/2ρ) between the hole's edges, not the rest of the circle.
TEST_F(SectionTest, FeedHoleArcsAreTheShortArcsBetweenTheHoleEdges) {
    RecordingDevice& device = Record();
    record.zufuhr = core::kHoleOppositeLoad;
    DrawSection(*driver, record, {});
    const auto arcs = device.With("Arc");
    ASSERT_EQ(arcs.size(), 2u);
    for (const std::string& arc : arcs) {
        std::istringstream in(arc.substr(4));
        double x = 0, y = 0, from = 0, to = 0, radius = 0;
        in >> x >> y >> from >> to >> radius;
        SCOPED_TRACE(arc);
        const double sweep = std::fmod(to - from + 360, 360);  // counter-clockwise from `from`
        EXPECT_NEAR(sweep, 2 * std::asin(5 / radius) * 180 / std::numbers::pi, 1e-3);
        // Both ends lie on the hole's edges, x = 30 ± 5, on the cylinder's line y = ρ.
        for (double angle : {from, to}) {
            const double a = angle * std::numbers::pi / 180;
            EXPECT_NEAR(std::fabs(x + radius * std::cos(a) - 30), 5, 1e-3);
            EXPECT_NEAR(y + radius * std::sin(a), radius, 1e-3);
        }
    }
}

TEST_F(SectionTest, WithoutPressureLubricationOnlyTheWallsAndMainDimensions) {
    for (int code = 1; code <= 8; ++code) {
        RecordingDevice& device = Record();
        record.druckschmierung = false;
        record.zufuhr = static_cast<std::uint16_t>(code);
        DrawSection(*driver, record, {});
        EXPECT_THAT(device.calls, Not(Contains("Line 30 -73.5 30 73.5")));
        EXPECT_TRUE(device.With("Arc").empty());
        EXPECT_TRUE(device.With("Circle").empty());
        EXPECT_THAT(Texts(device.calls), Not(Contains("10")));
        EXPECT_THAT(Texts(device.calls), Not(Contains("20")));
        EXPECT_THAT(Texts(device.calls), Not(Contains("30")));
        // Bore, outer diameter and width: two arrows each.
        EXPECT_EQ(device.With("Solid").size(), 6u);
    }
}

TEST_F(SectionTest, BoreDimensionShowsDeviationsOrTheClass) {
    RecordingDevice& typed = Record();
    DrawSection(*driver, record, {});
    const auto typedTexts = Texts(typed.calls);
    EXPECT_THAT(typedTexts, Contains("100"));
    EXPECT_THAT(typedTexts, Contains("+0.035"));
    EXPECT_THAT(typedTexts, Not(Contains("H7")));

    RecordingDevice& classed = Record();
    record.toldb = "H7";
    DrawSection(*driver, record, {});
    const auto classTexts = Texts(classed.calls);
    EXPECT_THAT(classTexts, Contains("100"));
    EXPECT_THAT(classTexts, Contains("H7"));
    EXPECT_THAT(classTexts, Not(Contains("+0.035")));
}

TEST_F(SectionTest, ArrowsScaleWithTheOuterDiameter) {
    // Symbol scale 0.01·De = 1.4: arrowheads 3.5·1.4 = 4.9 long. The width dimension at
    // y = -1.4·R = -98 has its arrow tip at x = 0.
    RecordingDevice& device = Record();
    record.druckschmierung = false;
    DrawSection(*driver, record, {});
    EXPECT_THAT(device.calls, Contains("Line 0 -98 4.9 -98"));
}

}  // namespace
}  // namespace trb::graphics::testing
