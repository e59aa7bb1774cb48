// What every film solution must satisfy, whatever the reference: the complementarity conditions of
// Reynolds cavitation on every cell, the mirror symmetry about the middle plane, the force balance at
// an equilibrium, and the same film whether it was found cold or from a neighbouring solution.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "film/equilibrium.h"
#include "film/film_grid.h"
#include "film/film_result.h"
#include "film/film_solution.h"
#include "film/reynolds_solver.h"

namespace trb::film {
namespace {

constexpr double kPi = std::numbers::pi;

// A film with a pressurised hole before the loaded zone and a groove at ambient pressure opposite it:
// supply cells, film, cavitation and a film that does not turn with the journal.
FilmProblem FedBearing() {
    FilmProblem p;
    p.widthRatio = 0.6;
    SupplyArea hole;
    hole.shape = SupplyArea::Shape::Ellipse;
    hole.centre = 1.5 * kPi;
    hole.halfAngle = 0.06;
    hole.halfWidth = 0.15;
    hole.pressure = 0.4;
    SupplyArea groove;
    groove.centre = 0.75 * kPi;
    groove.halfAngle = 0.1;
    groove.halfWidth = 0.5;
    groove.pressure = 0;
    p.areas = {hole, groove};
    return p;
}

TEST(FilmProperties, CavitationIsExactComplementarityOnEveryCell) {
    for (const FilmProblem& problem : {FedBearing(), FilmProblem{}}) {
        ReynoldsSolver solver(problem);
        ASSERT_EQ(solver.Solve(0.55, 0.42), FilmFault::None);
        const std::vector<double> residual = solver.Residuals();
        double scale = 0;
        for (double r : residual) scale = std::max(scale, std::fabs(r));
        int film = 0;
        int cavitated = 0;
        for (int k = 0; k < solver.Grid().Cells(); ++k) {
            const double p = solver.Pressure()[static_cast<std::size_t>(k)];
            const double r = residual[static_cast<std::size_t>(k)];
            EXPECT_GE(p, 0) << k;
            switch (solver.State(k)) {
                case CellState::Film:
                    ++film;
                    EXPECT_NEAR(r, 0, 1e-10 * scale) << k;
                    break;
                case CellState::Cavitated:
                    ++cavitated;
                    EXPECT_EQ(p, 0) << k;
                    EXPECT_GE(r, -1e-10 * scale) << k;
                    break;
                case CellState::Supply:
                    break;
            }
        }
        // Both zones are there: the test would pass trivially otherwise.
        EXPECT_GT(film, solver.Grid().Cells() / 5);
        EXPECT_GT(cavitated, solver.Grid().Cells() / 5);
    }
}

TEST(FilmProperties, SupplyCellsHoldTheirPressureAndTheFilmStartLineIsAtAmbient) {
    ReynoldsSolver fed(FedBearing());
    ASSERT_EQ(fed.Solve(0.5, 0.3), FilmFault::None);
    int held = 0;
    for (int k = 0; k < fed.Grid().Cells(); ++k) {
        if (fed.State(k) != CellState::Supply) continue;
        ++held;
        const double p = fed.Pressure()[static_cast<std::size_t>(k)];
        EXPECT_TRUE(p == 0.4 || p == 0) << k;
    }
    EXPECT_GT(held, 4);

    // The cells beside a film-start line in the converging gap carry pressure that falls towards the line
    // at the seam: half a cell away from it, the first column holds less than the next ones.
    FilmProblem lined;
    lined.start = {FilmStart::Kind::LineAtAngle, 1.25 * kPi};
    ReynoldsSolver solver(lined);
    ASSERT_EQ(solver.Solve(0.5, 0.0), FilmFault::None);  // widest gap at 180°: the line sits in the wedge
    const FilmGrid& grid = solver.Grid();
    const auto middle = [&](int i) { return solver.Pressure()[static_cast<std::size_t>(grid.Index(i, 0))]; };
    EXPECT_GT(middle(0), 0);
    EXPECT_LT(middle(0), middle(1));
    EXPECT_LT(middle(1), middle(2));
    EXPECT_NEAR(grid.CellAngle(0), 1.25 * kPi + grid.DPhi() / 2, 1e-12);
}

TEST(FilmProperties, AFeatureSmallerThanACellStillHoldsOneCell) {
    FilmProblem p;
    SupplyArea tiny;
    tiny.shape = SupplyArea::Shape::Ellipse;
    tiny.centre = kPi;
    tiny.halfAngle = 1e-4;
    tiny.halfWidth = 1e-4;
    tiny.pressure = 0.3;
    p.areas = {tiny};
    const FilmGrid grid(p.grid, false);
    const SupplyCells cells = RasteriseSupply(grid, p.areas);
    // 180° is a face between two columns: both neighbours take it, on the middle plane only.
    EXPECT_EQ(cells.count, 2);
    for (int i = 0; i < grid.Columns(); ++i) {
        const bool taken = cells.fixed[static_cast<std::size_t>(grid.Index(i, 0))];
        EXPECT_EQ(taken, std::fabs(AngleBetween(grid.CellAngle(i), kPi)) < grid.DPhi()) << i;
    }
}

TEST(FilmProperties, TheFilmDoesNotDependOnWhereTheCellsEndBesideASupplyArea) {
    // Turning the features and the journal together by a fraction of a cell leaves the same bearing: its
    // film may only change by the discretisation's second-order remainder, not by where the area's edge
    // happens to fall between two cell centres.
    const double cell = 2 * kPi / kDefaultGrid.circumferential;
    const auto solve = [&](double turn) {
        FilmProblem p = FedBearing();
        for (SupplyArea& area : p.areas) area.centre += turn;
        p.areas[1].halfAngle = 0.21;  // an edge that is no face of the grid
        return SolveAtPosition(p, 0.6, 0.7 + turn, false).result;
    };
    const FilmResult reference = solve(0);
    for (double fraction : {0.2, 0.37, 0.5, 0.8}) {
        const FilmResult turned = solve(fraction * cell);
        EXPECT_NEAR(turned.sommerfeld / reference.sommerfeld, 1, 5e-4) << fraction;
        EXPECT_NEAR(turned.attitude, reference.attitude, 2e-4) << fraction;
    }
}

TEST(FilmProperties, TheFilmIsTheMirrorImageOfItselfAboutTheMiddlePlane) {
    FilmProblem full = FedBearing();
    full.fullWidth = true;
    const FilmSolution whole = SolveAtPosition(full, 0.6, 0.5, true);
    const FilmSolution half = SolveAtPosition(FedBearing(), 0.6, 0.5, true);
    ASSERT_EQ(whole.fault, FilmFault::None);
    ASSERT_EQ(half.fault, FilmFault::None);
    const int nodes = kDefaultGrid.axial + 1;
    double peak = 0;
    for (double p : whole.field) peak = std::max(peak, p);
    for (int i = 0; i < kDefaultGrid.circumferential; ++i) {
        for (int k = 0; k < nodes; ++k) {
            const auto at = static_cast<std::size_t>(i * nodes + k);
            const auto mirror = static_cast<std::size_t>(i * nodes + nodes - 1 - k);
            EXPECT_NEAR(whole.field[at], whole.field[mirror], 1e-10 * peak);
            // The half solved and mirrored is the same film.
            EXPECT_NEAR(whole.field[at], half.field[at], 1e-9 * peak);
        }
    }
    EXPECT_NEAR(whole.result.sommerfeld, half.result.sommerfeld, 1e-9 * half.result.sommerfeld);
    EXPECT_NEAR(whole.coefficients.damping[0][1], half.coefficients.damping[0][1], 1e-8);
    for (double z : whole.z) EXPECT_LE(std::fabs(z), 1);
    EXPECT_EQ(whole.z.front(), -1);
    EXPECT_EQ(whole.z.back(), 1);
}

TEST(FilmProperties, TheEquilibriumBalancesTheLoadInsideTheBore) {
    for (double so : {0.05, 0.8, 4.0, 20.0}) {
        ReynoldsSolver solver(FedBearing());
        int solves = 0;
        ASSERT_EQ(Balance(solver, so, 0.5, 0.8, {}, &solves), FilmFault::None) << so;
        const Force2 f = solver.Force();
        EXPECT_NEAR(f.x, -so, 1e-8 * so);
        EXPECT_NEAR(f.y, 0, 1e-8 * so);
        EXPECT_LT(std::hypot(solver.X(), solver.Y()), kMaxEccentricity);
        EXPECT_LT(solves, 25);
    }
}

TEST(FilmProperties, ALoadTheFilmCannotCarryIsRefusedNotForced) {
    ReynoldsSolver solver(FilmProblem{});
    EXPECT_EQ(Balance(solver, 1e4, 0.5, 0.8), FilmFault::EccentricityTooLarge);
    EXPECT_LT(std::hypot(solver.X(), solver.Y()), 1);
}

TEST(FilmProperties, AWarmStartGivesTheSameFilmAsAColdOne) {
    ReynoldsSolver warm(FedBearing());
    ASSERT_EQ(warm.Solve(0.3, 0.1), FilmFault::None);
    ASSERT_EQ(warm.Solve(0.62, 0.35), FilmFault::None);
    ReynoldsSolver cold(FedBearing());
    ASSERT_EQ(cold.Solve(0.62, 0.35), FilmFault::None);
    for (std::size_t k = 0; k < cold.Pressure().size(); ++k) {
        EXPECT_NEAR(warm.Pressure()[k], cold.Pressure()[k], 1e-12 * (1 + cold.Pressure()[k]));
    }
}

TEST(FilmProperties, StiffnessIsTheForceChangeOfAShiftedJournal) {
    ReynoldsSolver solver(FedBearing());
    const double x = 0.5;
    const double y = 0.35;
    ASSERT_EQ(solver.Solve(x, y), FilmFault::None);
    const ForceDerivatives d = solver.Derivatives(true);
    const double h = 1e-5;
    for (int axis = 0; axis < 2; ++axis) {
        ReynoldsSolver plus(FedBearing());
        ReynoldsSolver minus(FedBearing());
        ASSERT_EQ(plus.Solve(x + (axis == 0 ? h : 0), y + (axis == 1 ? h : 0)), FilmFault::None);
        ASSERT_EQ(minus.Solve(x - (axis == 0 ? h : 0), y - (axis == 1 ? h : 0)), FilmFault::None);
        const double dfx = (plus.Force().x - minus.Force().x) / (2 * h);
        const double dfy = (plus.Force().y - minus.Force().y) / (2 * h);
        const auto a = static_cast<std::size_t>(axis);
        EXPECT_NEAR(d.position[0][a], dfx, 1e-5 * std::fabs(dfx) + 1e-9);
        EXPECT_NEAR(d.position[1][a], dfy, 1e-5 * std::fabs(dfy) + 1e-9);
    }
    // The squeeze film is reciprocal: its damping matrix is symmetric.
    EXPECT_NEAR(d.velocity[0][1], d.velocity[1][0], 1e-3 * std::fabs(d.velocity[0][1]));
    EXPECT_LT(d.velocity[0][0], 0);
    EXPECT_LT(d.velocity[1][1], 0);
}

TEST(FilmProperties, ProblemsAndGridsThatCannotBeSolvedAreRefused) {
    FilmProblem p;
    p.widthRatio = 0.01;
    EXPECT_EQ(CheckProblem(p), FilmFault::WidthRatioOutOfRange);
    p.widthRatio = 60;
    EXPECT_EQ(CheckProblem(p), FilmFault::WidthRatioOutOfRange);
    p.widthRatio = std::nan("");
    EXPECT_EQ(CheckProblem(p), FilmFault::BadInput);
    p.widthRatio = 1;
    p.grid = {23, 16};
    EXPECT_EQ(CheckProblem(p), FilmFault::GridTooCoarse);
    p.grid = {216, 18};
    EXPECT_EQ(CheckProblem(p), FilmFault::GridAxialCount);
    p.grid = {100000, 1000};
    EXPECT_EQ(CheckProblem(p), FilmFault::GridTooLarge);
    p.grid = {4000, 100};
    EXPECT_EQ(CheckGrid(p.grid), FilmFault::None);  // large, and still allowed
    p.grid = kDefaultGrid;
    SupplyArea everywhere;
    everywhere.halfAngle = kPi;
    everywhere.halfWidth = 1;
    p.areas = {everywhere};
    EXPECT_EQ(SolveAtPosition(p, 0.5, 0, false).fault, FilmFault::NoFreeFilm);
    everywhere.halfWidth = 1.5;
    p.areas = {everywhere};
    EXPECT_EQ(CheckProblem(p), FilmFault::SupplyLargerThanBearing);
    p.areas.clear();
    EXPECT_EQ(SolveAtPosition(p, 1.0, 0, false).fault, FilmFault::EccentricityTooLarge);
    EXPECT_EQ(SolveAtPosition(p, std::nan(""), 0, false).fault, FilmFault::BadInput);
    EXPECT_EQ(SolveAtLoad(p, -1, false).fault, FilmFault::BadInput);
}

TEST(FilmProperties, ACancelledSolveSaysSo) {
    int calls = 0;
    const FilmSolution s = SolveAtLoad(FedBearing(), 1.0, false, 0.5, 0.8, [&](double done) {
        EXPECT_GE(done, 0);
        EXPECT_LE(done, 1);
        return ++calls < 3;
    });
    EXPECT_EQ(s.fault, FilmFault::Cancelled);
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(s.field.empty());
}

}  // namespace
}  // namespace trb::film
