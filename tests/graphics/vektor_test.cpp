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
