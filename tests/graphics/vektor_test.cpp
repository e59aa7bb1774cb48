#include "graphics/vektor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace trb::graphics {
namespace {

constexpr real kPi = std::numbers::pi_v<real>;

TEST(Vektor, SolvesAndIntersects) {
    // x + y = 3, x − y = 1 → (2, 1)
    auto p = SolveLinear(1, 1, 3, 1, -1, 1);
    ASSERT_TRUE(p);
    EXPECT_NEAR(static_cast<double>(p->x), 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(p->y), 1, 1e-12);
    EXPECT_FALSE(SolveLinear(1, 2, 3, 2, 4, 5));  // parallel
    EXPECT_FALSE(IntersectLines({0, 0}, {1, 1}, {0, 1}, {1, 2}));
    // Segments that cross only when extended do not intersect.
    EXPECT_FALSE(IntersectSegments({0, 0}, {1, 0}, {2, -1}, {2, 1}));
    auto q = IntersectSegments({0, 0}, {4, 4}, {0, 4}, {4, 0});
    ASSERT_TRUE(q);
    EXPECT_NEAR(static_cast<double>(q->x), 2, 1e-12);
    // Touching at an end point counts (closed ranges).
    EXPECT_TRUE(IntersectSegments({0, 0}, {2, 0}, {2, 0}, {2, 5}));
    EXPECT_TRUE(Between(1, 2, 1));
    EXPECT_FALSE(Between(2.000001L, 1, 2));
}

TEST(Vektor, ClipsSegmentsToRectangle) {
    const Rect r{0, 0, 10, 10};
    auto inside = ClipSegment({{1, 1}, {2, 2}}, r);
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->b.x, 2);
    auto half = ClipSegment({{5, 5}, {15, 5}}, r);
    ASSERT_TRUE(half);
    EXPECT_NEAR(static_cast<double>(half->b.x), 10, 1e-12);
    EXPECT_EQ(half->a.x, 5);
    auto across = ClipSegment({{-5, 5}, {15, 5}}, r);
    ASSERT_TRUE(across);
    EXPECT_NEAR(static_cast<double>(across->a.x), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(across->b.x), 10, 1e-12);
    // Reversed direction stays reversed.
    auto back = ClipSegment({{15, 5}, {-5, 5}}, r);
    ASSERT_TRUE(back);
    EXPECT_NEAR(static_cast<double>(back->a.x), 10, 1e-12);
    EXPECT_FALSE(ClipSegment({{-5, 20}, {15, 20}}, r));
}

// Segments with an end on the rectangle's boundary keep their full inside part, not just that end.
TEST(Vektor, ClipsSegmentsStartingOrEndingOnTheBoundary) {
    const auto expectSegment = [](const std::optional<Segment>& s, Point a, Point b) {
        ASSERT_TRUE(s);
        EXPECT_NEAR(static_cast<double>(s->a.x), static_cast<double>(a.x), 1e-12);
        EXPECT_NEAR(static_cast<double>(s->a.y), static_cast<double>(a.y), 1e-12);
        EXPECT_NEAR(static_cast<double>(s->b.x), static_cast<double>(b.x), 1e-12);
        EXPECT_NEAR(static_cast<double>(s->b.y), static_cast<double>(b.y), 1e-12);
    };
    const Rect r{10, 12, 110, 112};
    // From a corner through the opposite corner, in both directions.
    expectSegment(ClipSegment({{10, 12}, {210, 212}}, r), {10, 12}, {110, 112});
    expectSegment(ClipSegment({{210, 212}, {10, 12}}, r), {110, 112}, {10, 12});
    // From the middle of an edge out through the opposite edge, and ending on an edge from outside.
    expectSegment(ClipSegment({{60, 12}, {60, 300}}, r), {60, 12}, {60, 112});
    expectSegment(ClipSegment({{0, 50}, {10, 50}}, r), {10, 50}, {10, 50});
    expectSegment(ClipSegment({{-40, 50}, {60, 50}}, r), {10, 50}, {60, 50});
    // Running along an edge and beyond it on both sides.
    expectSegment(ClipSegment({{0, 112}, {200, 112}}, r), {10, 112}, {110, 112});
    // Corners given in any order.
    expectSegment(ClipSegment({{10, 12}, {210, 212}}, {110, 112, 10, 12}), {10, 12}, {110, 112});
    // Cut points lie exactly on the side that cut them.
    const auto cut = ClipSegment({{0, 0}, {0.3L, 0.7L}}, {0.1L, 0, 1, 1});
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->a.x, 0.1L);
    // Touching a corner from outside leaves that point; passing beside it leaves nothing.
    expectSegment(ClipSegment({{0, 22}, {22, 0}}, r), {10, 12}, {10, 12});
    EXPECT_FALSE(ClipSegment({{0, 21}, {21, 0}}, r));
    EXPECT_FALSE(ClipSegment({{0, 200}, {200, 200}}, r));
    // A point is kept when inside (also on the boundary), dropped when outside.
    expectSegment(ClipSegment({{10, 50}, {10, 50}}, r), {10, 50}, {10, 50});
    EXPECT_FALSE(ClipSegment({{5, 50}, {5, 50}}, r));
}

TEST(Vektor, ArcCentreOfQuarterAndHalfCircles) {
    core::RunStatus status;
    // Quarter circle counter-clockwise from (1, 0) to (0, 1) about the origin.
    auto a = GetArcCenter(kPi / 2, {1, 0}, {0, 1}, status);
    ASSERT_TRUE(a);
    EXPECT_NEAR(static_cast<double>(a->centre.x), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(a->centre.y), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(a->radius), 1, 1e-12);
    EXPECT_NEAR(static_cast<double>(a->start), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(a->end), static_cast<double>(kPi / 2), 1e-12);
    // Clockwise: same centre on the other side, ends exchanged to run counter-clockwise.
    auto b = GetArcCenter(-kPi / 2, {0, 1}, {1, 0}, status);
    ASSERT_TRUE(b);
    EXPECT_NEAR(static_cast<double>(b->centre.x), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(b->centre.y), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(b->start), 0, 1e-12);
    // Half circle: centre on the chord.
    auto c = GetArcCenter(kPi, {-2, 0}, {2, 0}, status);
    ASSERT_TRUE(c);
    EXPECT_NEAR(static_cast<double>(c->centre.y), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(c->radius), 2, 1e-12);
    EXPECT_EQ(status.MessageCount(), 0);
}

TEST(Vektor, DegenerateArcsAreReported) {
    core::RunStatus status;
    EXPECT_FALSE(GetArcCenter(0, {0, 0}, {1, 0}, status));
    ASSERT_EQ(status.MessageCount(), 1);
    EXPECT_EQ(status.Message(1).rfind("Fehler in GetArcCenter (dphi = 0", 0), 0u);
    auto same = GetArcCenter(1, {3, 4}, {3, 4}, status);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->centre.x, 3);
    EXPECT_EQ(status.Message(2), "GetArcCenter l12=0");
}

}  // namespace
}  // namespace trb::graphics
