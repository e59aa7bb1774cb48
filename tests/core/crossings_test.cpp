#include "core/crossings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace trb::core {
namespace {

// A made-up row of runs along 1..10 (or the other way round): limit 0 is passed at `first`, limit 1
// at `second`; `fails` says which values give no result that counts.
struct MadeUp {
    real first = 3.14159265358979L;
    real second = 7.5L;
    std::function<bool(real)> fails = [](real) { return false; };
    int runs = 0;  // refinement runs made

    SearchPoint At(real v) const { return {v, !fails(v), {v < first, v >= second}}; }

    std::vector<SearchPoint> Row(bool falling = false) const {
        std::vector<SearchPoint> row;
        for (int i = 1; i <= 10; ++i) row.push_back(At(falling ? 11 - i : i));
        return row;
    }

    std::array<std::vector<real>, kLimitCount> Crossings(bool falling = false) {
        const std::vector<SearchPoint> row = Row(falling);
        return CrossingsAlong(row, [this](real v) {
            ++runs;
            return At(v);
        });
    }
};

// Within the refinement's tolerance: the bracket is at most 1e-6 of its ends, its middle half that
// from the place.
void ExpectAt(const std::vector<real>& crossings, real place) {
    ASSERT_EQ(crossings.size(), 1u);
    EXPECT_NEAR(static_cast<double>(crossings[0]), static_cast<double>(place),
                static_cast<double>(0.5e-6L * place * 1.01L));
}

TEST(Crossings, EachLimitIsFoundOnceToOneMillionthEitherWayAlongTheRow) {
    for (const bool falling : {false, true}) {
        MadeUp row;
        const auto crossings = row.Crossings(falling);
        ExpectAt(crossings[0], row.first);
        ExpectAt(crossings[1], row.second);
        // Bisection from a step of 1: at most 22 halvings each, no wasted runs.
        EXPECT_LE(row.runs, 2 * 22) << falling;
    }
}

TEST(Crossings, APlaceOnARunIsFoundFromEitherSide) {
    MadeUp row;
    row.first = 4;   // the run at 4 is no longer within: the bracket is 3..4
    row.second = 6;  // the run at 6 is already beyond it: the bracket is 5..6
    const auto crossings = row.Crossings();
    ASSERT_EQ(crossings[0].size(), 1u);
    EXPECT_LT(crossings[0][0], 4);
    EXPECT_GT(crossings[0][0], 4 - 4e-6L);
    ASSERT_EQ(crossings[1].size(), 1u);
    EXPECT_LT(crossings[1][0], 6);
    EXPECT_GT(crossings[1][0], 6 - 6e-6L);
}

TEST(Crossings, NoChangeOfSidesGivesNone) {
    MadeUp row;
    row.first = 20;
    row.second = 0;
    const auto crossings = row.Crossings();
    EXPECT_TRUE(crossings[0].empty());
    EXPECT_TRUE(crossings[1].empty());
    EXPECT_EQ(row.runs, 0);
}

TEST(Crossings, AWindowHasBothEndsInAscendingOrder) {
    const std::vector<SearchPoint> falling = [] {
        std::vector<SearchPoint> points;
        for (int i = 10; i >= 1; --i) points.push_back({static_cast<real>(i), true, {i > 2 && i < 8, false}});
        return points;
    }();
    const auto crossings = CrossingsAlong(falling, [](real v) -> SearchPoint {
        return {v, true, {v > 2.5L && v < 7.25L, false}};
    });
    ASSERT_EQ(crossings[0].size(), 2u);
    EXPECT_NEAR(static_cast<double>(crossings[0][0]), 2.5, 2e-6);
    EXPECT_NEAR(static_cast<double>(crossings[0][1]), 7.25, 8e-6);
}

// Runs that fail are no side of anything: a failing run between two on the same side is no crossing,
// and one between two on different sides does not hide the crossing.
TEST(Crossings, RunsThatDoNotCountAreSteppedOver) {
    MadeUp row;
    row.fails = [](real v) { return v == 3 || v == 5 || v == 8; };
    const auto crossings = row.Crossings();
    ExpectAt(crossings[0], row.first);  // between 2 and 4, over the failing 3
    ExpectAt(crossings[1], row.second);
}

TEST(Crossings, AFailingBisectionPointIsReplacedByTheNearestQuarterOrEighthThatCounts) {
    MadeUp row;
    // The middle of 3..4 and both its quarter points fail; the eighth point 3.375 is the next tried.
    std::vector<real> tried;
    row.fails = [&](real v) {
        tried.push_back(v);
        return v == 3.5L || v == 3.25L || v == 3.75L;
    };
    const auto crossings = row.Crossings();
    ExpectAt(crossings[0], row.first);
    ASSERT_GE(tried.size(), 10u + 5u);
    EXPECT_EQ(std::vector<real>(tried.begin() + 10, tried.begin() + 15),
              (std::vector<real>{3.5L, 3.25L, 3.75L, 3.375L, 3.1875L}));
}

TEST(Crossings, AStretchThatCannotBeNarrowedLocatesNoCrossing) {
    MadeUp row;
    row.first = 5.5L;
    // Nothing between 2 and 9 counts: the sides differ at 2 and 9, the place is unknown.
    row.fails = [](real v) { return v > 2 && v < 9; };
    const auto crossings = row.Crossings();
    EXPECT_TRUE(crossings[0].empty());
    EXPECT_TRUE(crossings[1].empty());
}

TEST(Crossings, ABracketStoppedBetweenNeighboursOfTheRowStillGivesItsMiddle) {
    MadeUp row;
    // Nothing counts closer than 0.01 to the place: the refinement stops with a bracket of about
    // 0.02 inside 3..4 and gives its middle.
    row.fails = [&](real v) { return std::fabs(v - row.first) < 0.01L; };
    const auto crossings = row.Crossings();
    ASSERT_EQ(crossings[0].size(), 1u);
    EXPECT_NEAR(static_cast<double>(crossings[0][0]), static_cast<double>(row.first), 0.02);
}

}  // namespace
}  // namespace trb::core
