// The film against Raimondi and Boyd's full-bearing tables (the rows and what is known of their
// doubtful entries: verify/published_film.h).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "film/film_solution.h"
#include "verify/published_film.h"

namespace trb::film {
namespace {

constexpr double kDegree = 180 / std::numbers::pi;

using Row = verify::RaimondiBoydRow;

FilmResult Solve(const Row& row) {
    const FilmSolution s = SolveAtPosition(verify::RaimondiBoydBearing(row.widthRatio), row.eps, 0.4, false);
    EXPECT_EQ(s.fault, FilmFault::None);
    return s.result;
}

void ExpectRow(const Row& row, double tolerance, double loadRatioTolerance) {
    const FilmResult r = Solve(row);
    const std::string where = "L/D " + std::to_string(row.widthRatio) + ", eps " + std::to_string(row.eps);
    EXPECT_NEAR(1 / (2 * std::numbers::pi * r.sommerfeld) / row.s, 1, tolerance) << where;
    EXPECT_NEAR(r.attitude * kDegree / row.phi, 1, tolerance) << where;
    EXPECT_NEAR(r.frictionVariable / row.friction, 1, tolerance) << where;
    EXPECT_NEAR(r.inletFlow / row.flow, 1, tolerance) << where;
    EXPECT_NEAR(r.sideFlow / r.inletFlow / row.sideFlowRatio, 1, tolerance) << where;
    EXPECT_NEAR(r.sommerfeld / r.pmax / row.loadRatio, 1, loadRatioTolerance) << where;
}

TEST(RaimondiBoyd, FullBearingTablesUpToEpsilonPointNine) {
    for (const Row& row : verify::RaimondiBoydTable()) ExpectRow(row, 0.015, row.eps == 0.8 ? 0.026 : 0.015);
}

TEST(RaimondiBoyd, RowsNearTheWall) {
    for (const Row& row : verify::RaimondiBoydNearTheWall()) ExpectRow(row, 0.035, 0.06);
}

TEST(RaimondiBoyd, TheJournalIsHeldAtTheEquilibriumOfItsLoad) {
    // Given R&B's load instead of their eccentricity, the film that starts at the widest gap turns with
    // the journal; the search must land on their ε and φ.
    const auto table = verify::RaimondiBoydTable();
    for (const Row& row : {table[3], table[10], table[15]}) {
        const FilmSolution s = SolveAtLoad(verify::RaimondiBoydBearing(row.widthRatio),
                                           1 / (2 * std::numbers::pi * row.s), false);
        ASSERT_EQ(s.fault, FilmFault::None);
        EXPECT_NEAR(s.result.eccentricity, row.eps, 0.01);
        EXPECT_NEAR(s.result.attitude * kDegree, row.phi, 0.7);
        // The load lies along x.
        EXPECT_NEAR(s.result.force.x, -1 / (2 * std::numbers::pi * row.s), 1e-8 / row.s);
        EXPECT_NEAR(s.result.force.y, 0, 1e-8 / row.s);
    }
}

}  // namespace
}  // namespace trb::film
