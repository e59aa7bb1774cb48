// The default grid is fine enough that a grid twice as fine in both directions changes the Sommerfeld
// number by less than 0.2 % and the attitude angle by less than 0.1°, over the width ratios, the
// eccentricities up to the largest the film is given for, and the supply features of real cases.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/calculation.h"
#include "film/case_film.h"
#include "film/equilibrium.h"
#include "film/film_solution.h"

namespace trb::film {
namespace {

constexpr double kDegree = 180 / std::numbers::pi;
constexpr GridSize kFine{2 * kDefaultGrid.circumferential, 2 * kDefaultGrid.axial};

void ExpectConverged(FilmProblem problem, double eps, double angle, const std::string& where) {
    problem.grid = kDefaultGrid;
    const FilmSolution coarse = SolveAtPosition(problem, eps, angle, false);
    problem.grid = kFine;
    const FilmSolution fine = SolveAtPosition(problem, eps, angle, false);
    ASSERT_EQ(coarse.fault, FilmFault::None) << where;
    ASSERT_EQ(fine.fault, FilmFault::None) << where;
    EXPECT_LT(std::fabs(coarse.result.sommerfeld / fine.result.sommerfeld - 1), 0.002) << where;
    EXPECT_LT(std::fabs(coarse.result.attitude - fine.result.attitude) * kDegree, 0.1) << where;
}

TEST(GridConvergence, PlainBearingsOverWidthAndEccentricity) {
    for (double widthRatio : {0.25, 0.5, 1.0, 2.0}) {
        for (double eps : {0.1, 0.5, 0.8, 0.95, kMaxEccentricity}) {
            FilmProblem problem;
            problem.widthRatio = widthRatio;
            problem.start.kind = FilmStart::Kind::LineAtWidestGap;
            ExpectConverged(problem, eps, 0,
                            "B/D " + std::to_string(widthRatio) + " eps " + std::to_string(eps));
        }
    }
}

TEST(GridConvergence, TheSupplyFeaturesOfACase) {
    // The example case with each supply feature, at the equilibrium the default grid finds.
    for (std::uint16_t feature = 1; feature <= 8; ++feature) {
        core::TRBrecord record;
        core::LoadExampleCase(record);
        record.zufuhr = feature;
        record.bg = 10;
        record.bp = 20;
        record.phia = -40;
        record.phie = 40;
        core::RunStatus status;
        bool abort = false;
        core::RunCalculation(record, status, abort);
        ASSERT_FALSE(status.calculationFailed) << feature;
        const CaseProblem cp = CaseFilmProblem(record, status, kDefaultGrid);
        ASSERT_EQ(cp.fault, FilmFault::None);
        const FilmSolution at = SolveAtLoad(cp.problem, cp.so, false, 0.8, 0.5);
        ASSERT_EQ(at.fault, FilmFault::None) << feature;
        ExpectConverged(cp.problem, at.result.eccentricity, std::atan2(at.result.y, at.result.x),
                        "feature " + std::to_string(feature));
    }
}

}  // namespace
}  // namespace trb::film
