#include "graphics/hatching.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "driver_fixture.h"

namespace trb::graphics {
namespace {

using testing::DriverFixture;

real Distance(const Segment& a, const Segment& b, real angleDegrees) {
    // Distance between two parallel lines along their normal.
    const real t = DegToRad(angleDegrees);
    const auto c = [&](Point p) { return p.y * std::cos(t) - p.x * std::sin(t); };
    return std::fabs(c(b.a) - c(a.a));
}

bool OnRectangleBorder(Point p, real w, real h) {
    const real e = 1e-9L;
    return std::fabs(p.x) < e || std::fabs(p.x - w) < e || std::fabs(p.y) < e || std::fabs(p.y - h) < e;
}

TEST(Hatching, RectangleAt45DegreesHasLinesOneApartFromSideToSide) {
    core::RunStatus status;
    bool abort = false;
    const auto lines = HatchLines({{0, 0}, {10, 0}, {10, 5}, {0, 5}}, 45, 1, status, abort);
    // The rectangle spans 15/√2 ≈ 10.6 across the lines: 10 lines inside.
    ASSERT_EQ(lines.size(), 10u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(OnRectangleBorder(lines[i].a, 10, 5));
        EXPECT_TRUE(OnRectangleBorder(lines[i].b, 10, 5));
        // Each line runs at 45°.
        EXPECT_NEAR(static_cast<double>(lines[i].b.y - lines[i].a.y),
                    static_cast<double>(lines[i].b.x - lines[i].a.x), 1e-9);
        if (i > 0) {
            EXPECT_NEAR(static_cast<double>(Distance(lines[i - 1], lines[i], 45)), 1, 1e-9);
        }
    }
    EXPECT_EQ(status.MessageCount(), 0);
}

TEST(Hatching, VerticalLinesAndLinesThroughVertices) {
    core::RunStatus status;
    bool abort = false;
    // 90°: vertical lines x = 1 … 9 across a 10 by 5 rectangle.
    const auto vertical = HatchLines({{0, 0}, {10, 0}, {10, 5}, {0, 5}}, 90, 1, status, abort);
    ASSERT_EQ(vertical.size(), 9u);
    EXPECT_NEAR(static_cast<double>(vertical.back().a.x), 1, 1e-9);
    EXPECT_NEAR(static_cast<double>(std::fabs(vertical.front().b.y - vertical.front().a.y)), 5, 1e-9);
    // A diamond: the line x = 2 runs exactly through its top and bottom vertices and is kept.
    const std::vector<Point> diamond{{2, -2}, {4, 0}, {2, 2}, {0, 0}};
    const auto lines = HatchLines(diamond, 90, 2, status, abort);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(static_cast<double>(std::fabs(lines[0].b.y - lines[0].a.y)), 4, 1e-9);
    // A rectangle with an extra vertex (0, 1) on its left side: the line y = 1 passes through
    // it and still reaches from side to side.
    const std::vector<Point> split{{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 1}};
    const auto through = HatchLines(split, 180, 1, status, abort);  // lines parallel to x
    ASSERT_EQ(through.size(), 1u);
    EXPECT_NEAR(static_cast<double>(std::fabs(through[0].b.x - through[0].a.x)), 4, 1e-9);
    // A notch whose tip (2, 1) only touches the line y = 1: the tip adds no crossings.
    const std::vector<Point> notch{{0, 0}, {4, 0}, {4, 2}, {2, 1}, {0, 2}};
    const auto touching = HatchLines(notch, 180, 1, status, abort);
    ASSERT_EQ(touching.size(), 1u);
    EXPECT_NEAR(static_cast<double>(std::fabs(touching[0].b.x - touching[0].a.x)), 4, 1e-9);
    EXPECT_EQ(status.MessageCount(), 0);
}

// Inside the polygon or on its border (even-odd rule, with a tolerance for points on a side).
bool InsideOrOn(Point p, const std::vector<Point>& polygon) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i], b = polygon[j];
        const real cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        const bool between = std::min(a.x, b.x) - 1e-9L <= p.x && p.x <= std::max(a.x, b.x) + 1e-9L &&
                             std::min(a.y, b.y) - 1e-9L <= p.y && p.y <= std::max(a.y, b.y) + 1e-9L;
        if (std::fabs(cross) < 1e-9L && between) return true;
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

// A concave outline (an L, and the U of the ring-groove section) is hatched inside only: no line
// bridges the notch.
TEST(Hatching, ConcaveOutlinesKeepTheirNotchFree) {
    const std::vector<Point> ell{{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}};
    const std::vector<Point> you{{0, 0}, {12, 0}, {12, 6}, {8, 6}, {8, 2}, {4, 2}, {4, 6}, {0, 6}};
    for (const auto& [outline, angle] : {std::pair{ell, real{45}}, std::pair{ell, real{135}},
                                         std::pair{you, real{180}}, std::pair{you, real{30}}}) {
        core::RunStatus status;
        bool abort = false;
        const auto lines = HatchLines(outline, angle, 0.7L, status, abort);
        SCOPED_TRACE(angle);
        ASSERT_GT(lines.size(), 5u);
        for (const Segment& s : lines) {
            for (int k = 0; k <= 20; ++k) {
                const real t = static_cast<real>(k) / 20;
                const Point p{s.a.x + t * (s.b.x - s.a.x), s.a.y + t * (s.b.y - s.a.y)};
                ASSERT_TRUE(InsideOrOn(p, outline))
                    << "(" << static_cast<double>(p.x) << ", " << static_cast<double>(p.y) << ") outside";
            }
        }
        EXPECT_EQ(status.MessageCount(), 0);
    }
    // Above the notch's floor a line across the U is two pieces, one in each leg.
    core::RunStatus status;
    bool abort = false;
    int left = 0, right = 0;
    for (const Segment& s : HatchLines(you, 180, 0.5L, status, abort)) {
        if (s.a.y < 2.2L) continue;
        const real middle = (s.a.x + s.b.x) / 2;
        left += middle < 4;
        right += middle > 8;
    }
    EXPECT_GE(left, 5);
    EXPECT_EQ(left, right);
}

TEST(Hatching, LimitsAreReported) {
    core::RunStatus status;
    bool abort = false;
    std::vector<Point> many;
    for (int i = 0; i < 51; ++i) many.push_back({std::cos(i * 0.1L), std::sin(i * 0.1L)});
    EXPECT_TRUE(HatchLines(many, 45, 0.1L, status, abort).empty());
    EXPECT_EQ(status.Message(1), "Fatal  : n schraff !");
    EXPECT_FALSE(abort);
    // A comb with 6 teeth: a line across it meets 12 sides.
    std::vector<Point> comb{{0, 0}};
    for (int i = 0; i < 6; ++i) {
        comb.push_back({static_cast<real>(2 * i), 10});
        comb.push_back({static_cast<real>(2 * i + 1), 10});
        comb.push_back({static_cast<real>(2 * i + 1), 1});
    }
    comb.push_back({12, 0});
    HatchLines(comb, 180, 4, status, abort);
    EXPECT_EQ(status.Message(2), "Fatal  : schraff schnittp");
    EXPECT_TRUE(abort);
}

TEST(Hatching, RectangleThroughTheDriver) {
    DriverFixture f;
    auto& device = f.Record();
    Hatching hatching(*f.driver);
    // Distance 0 on a 10 by 5 rectangle uses 2 (a fifth of the longer side).
    hatching.HatchMode(1);
    hatching.HatchRectangle(90, 0, 0, 0, 10, 5);
    EXPECT_EQ(device.With("Pen"), (std::vector<std::string>{"Pen 5", "Pen 3"}));
    const auto lines = device.With("Line");
    // Outline (four sides), then the lines at x = 2, 4, 6, 8.
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[4], "Line 8 0 8 5");
    EXPECT_EQ(lines[7], "Line 2 0 2 5");
    // Angle 0: the outline only.
    device.calls.clear();
    hatching.HatchMode(0);
    hatching.HatchRectangle(0, 1, 0, 0, 10, 5);
    EXPECT_EQ(device.With("Line").size(), 4u);
    EXPECT_TRUE(device.With("Pen").empty());
    // Mode 2: no outline.
    device.calls.clear();
    hatching.HatchMode(2);
    hatching.HatchRectangle(90, 5, 0, 0, 10, 5);
    EXPECT_EQ(device.With("Line"), (std::vector<std::string>{"Line 5 0 5 5"}));
}

TEST(Hatching, ArcSidesBecomeChords) {
    DriverFixture f;
    auto& device = f.Record();
    Hatching hatching(*f.driver);
    constexpr real kQuarter = std::numbers::pi_v<real> / 2;
    // A quarter disc: straight from the centre to (10, 0), a 90° arc to (0, 10), straight back.
    hatching.HatchPolygonBegin(1);
    hatching.HatchPolygonVertex(0, 0, 0);
    hatching.HatchPolygonVertex(kQuarter, 10, 0);
    hatching.HatchPolygonVertex(0, 0, 10);
    // The 90° arc was stored as 6 chords: points (0,0), (10,0) and 6 more.
    ASSERT_EQ(hatching.Points().size(), 8u);
    for (std::size_t i = 2; i < 8; ++i) {
        const Point p = hatching.Points()[i];
        EXPECT_NEAR(static_cast<double>(std::hypot(p.x, p.y)), 10, 1e-9);
    }
    EXPECT_NEAR(static_cast<double>(hatching.Points()[2].x), static_cast<double>(10 * std::cos(DegToRad(15))),
                1e-9);
    hatching.HatchPolygonEnd(90, 3);
    // The polyline went to the driver as given: a line and the quarter arc.
    EXPECT_EQ(device.With("Arc"), (std::vector<std::string>{"Arc 0 0 0 90 10"}));
    // The closing side, the outline once more, then hatch lines at x = 7, 4, 1 from the x axis
    // up to the chords (at x = 4 the chord from 60° to 75°).
    EXPECT_EQ(device.calls[2], "Line 0 10 0 0");
    const auto lines = device.With("Line");
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[10], "Line 7 0 7 7.1256");
    EXPECT_EQ(lines[11], "Line 4 0 4 9.07447");
    EXPECT_EQ(f.status.MessageCount(), 0);
}

}  // namespace
}  // namespace trb::graphics
