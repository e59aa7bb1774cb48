#pragma once

#include <cstdint>
#include <vector>

#include "film/coefficients.h"
#include "film/film_fault.h"
#include "film/film_problem.h"
#include "film/film_result.h"

// The film in dimensionless form: at a given journal position, or at the position that balances a given
// load. The verification tests, the Python module and the case film call these.
namespace trb::film {

// The width ratios the film is solved for.
inline constexpr double kMinWidthRatio = 0.02;
inline constexpr double kMaxWidthRatio = 50;

// What is wrong with a problem before it is solved: its width ratio, grid and supply areas.
FilmFault CheckProblem(const FilmProblem& problem);

struct FilmSolution {
    FilmFault fault = FilmFault::None;
    FilmResult result;
    bool hasCoefficients = false;
    DynamicCoefficients coefficients;
    // The pressure over the whole width (see WholeField), the Z of its nodes, and for every node whether
    // a supply area holds it.
    std::vector<double> field;
    std::vector<double> z;
    std::vector<std::uint8_t> supply;
    int solves = 0;  // film solves made
};

// The film with the journal centre at ε (cos θ, sin θ).
FilmSolution SolveAtPosition(const FilmProblem& problem, double eps, double angle, bool coefficients);

// The film that carries the Sommerfeld number `so` along x, searched from ε = `eps` at angle `angle`.
FilmSolution SolveAtLoad(const FilmProblem& problem, double so, bool coefficients, double eps = 0.5,
                         double angle = 0.8, const Progress& progress = {});

// The solution of a solver that has just been solved (Balance or Solve).
FilmSolution Collect(ReynoldsSolver& solver, bool coefficients);

}  // namespace trb::film
