#include "film/film_solution.h"

#include <cmath>
#include <new>

#include "film/equilibrium.h"
#include "film/film_grid.h"

namespace trb::film {

namespace {

bool AreaFits(const SupplyArea& area) {
    return std::isfinite(area.centre) && std::isfinite(area.pressure) && area.pressure >= 0 &&
           area.halfAngle > 0 && area.halfWidth > 0 && area.halfWidth <= 1 && std::isfinite(area.halfAngle);
}

bool Finite(const FilmResult& r, const FilmSolution& s) {
    const double values[] = {r.x,         r.y,        r.sommerfeld, r.attitude,        r.pmax,
                             r.pmaxAngle, r.sideFlow, r.inletFlow,  r.frictionVariable};
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    for (const auto& row : s.coefficients.stiffness) {
        for (double v : row) {
            if (!std::isfinite(v)) return false;
        }
    }
    for (const auto& row : s.coefficients.damping) {
        for (double v : row) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

// Checks the problem, runs `solve` on a fresh solver and collects its solution; memory running out on
// the way is a fault like any other.
template <typename Solve>
FilmSolution Guarded(const FilmProblem& problem, bool coefficients, Solve solve) {
    FilmSolution solution;
    solution.fault = CheckProblem(problem);
    if (solution.fault != FilmFault::None) return solution;
    try {
        ReynoldsSolver solver(problem);
        int solves = 0;
        const FilmFault fault = solve(solver, solves);
        if (fault != FilmFault::None) {
            solution.fault = fault;
            solution.solves = solves;
            return solution;
        }
        solution = Collect(solver, coefficients);
        solution.solves = solves;
    } catch (const std::bad_alloc&) {
        solution = FilmSolution{};
        solution.fault = FilmFault::OutOfMemory;
    }
    return solution;
}

}  // namespace

FilmFault CheckProblem(const FilmProblem& problem) {
    if (!(problem.widthRatio >= kMinWidthRatio && problem.widthRatio <= kMaxWidthRatio)) {
        return std::isfinite(problem.widthRatio) && problem.widthRatio > 0 ? FilmFault::WidthRatioOutOfRange
                                                                           : FilmFault::BadInput;
    }
    if (const FilmFault fault = CheckGrid(problem.grid); fault != FilmFault::None) return fault;
    for (const SupplyArea& area : problem.areas) {
        if (!AreaFits(area)) return FilmFault::SupplyLargerThanBearing;
    }
    if (problem.start.kind == FilmStart::Kind::LineAtAngle && !std::isfinite(problem.start.angle)) {
        return FilmFault::BadInput;
    }
    return FilmFault::None;
}

FilmSolution Collect(ReynoldsSolver& solver, bool coefficients) {
    FilmSolution s;
    s.result = Summarise(solver);
    if (coefficients) {
        s.coefficients = Coefficients(solver);
        s.hasCoefficients = true;
    }
    s.field = WholeField(solver);
    s.z = FieldZ(solver.Grid());
    s.supply.assign(s.field.size(), 0);
    const FilmGrid& grid = solver.Grid();
    const int nodes = grid.Size().axial + 1;
    const int half = grid.Size().axial / 2;
    for (int i = 0; i < grid.Columns(); ++i) {
        for (int k = 1; k + 1 < nodes; ++k) {
            const int row = grid.Mirrored() ? std::abs(k - half) : k - 1;
            s.supply[static_cast<std::size_t>(i * nodes + k)] =
                solver.State(grid.Index(i, row)) == CellState::Supply;
        }
    }
    if (!Finite(s.result, s)) s.fault = FilmFault::NotFinite;
    return s;
}

FilmSolution SolveAtPosition(const FilmProblem& problem, double eps, double angle, bool coefficients) {
    if (!(eps >= 0 && eps < 1) || !std::isfinite(angle)) {
        FilmSolution s;
        s.fault =
            !(eps >= 0) || !std::isfinite(angle) ? FilmFault::BadInput : FilmFault::EccentricityTooLarge;
        return s;
    }
    return Guarded(problem, coefficients, [&](ReynoldsSolver& solver, int& solves) {
        solves = 1;
        return solver.Solve(eps * std::cos(angle), eps * std::sin(angle));
    });
}

FilmSolution SolveAtLoad(const FilmProblem& problem, double so, bool coefficients, double eps, double angle,
                         const Progress& progress) {
    if (!(so > 0) || !std::isfinite(so)) {
        FilmSolution s;
        s.fault = FilmFault::BadInput;
        return s;
    }
    return Guarded(problem, coefficients, [&](ReynoldsSolver& solver, int& solves) {
        return Balance(solver, so, eps, angle, progress, &solves);
    });
}

}  // namespace trb::film
