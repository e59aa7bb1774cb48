#include <benchmark/benchmark.h>

#include "core/clearance_range.h"
#include "film/case_film.h"
#include "film/coefficients.h"
#include "film/equilibrium.h"
#include "film/onset_speed.h"
#include "film/reynolds_solver.h"

namespace {

using namespace trb;

// The example case, calculated, and its film problem on the default grid.
struct Example {
    core::CaseRun run;
    film::CaseProblem problem;

    Example() {
        core::LoadExampleCase(run.record);
        core::Calculate(run);
        problem = film::CaseFilmProblem(run.record, run.status, film::kDefaultGrid);
    }
};

const Example& TheExample() {
    static const Example example;
    return example;
}

// One pressure field at a given position, from nothing: a new solver, its cold start included.
void BM_FilmFieldCold(benchmark::State& state) {
    const film::FilmProblem& problem = TheExample().problem.problem;
    for (auto _ : state) {
        film::ReynoldsSolver solver(problem);
        benchmark::DoNotOptimize(solver.Solve(0.7, 0.42));
        benchmark::DoNotOptimize(solver.Force());
    }
}
BENCHMARK(BM_FilmFieldCold)->Unit(benchmark::kMillisecond);

// The same field again after a neighbouring one, as the equilibrium search and a sweep solve it.
void BM_FilmFieldWarm(benchmark::State& state) {
    film::ReynoldsSolver solver(TheExample().problem.problem);
    solver.Solve(0.7, 0.42);
    double shift = 0;
    for (auto _ : state) {
        shift = shift > 0 ? 0 : 1e-3;
        benchmark::DoNotOptimize(solver.Solve(0.7 + shift, 0.42));
    }
}
BENCHMARK(BM_FilmFieldWarm)->Unit(benchmark::kMillisecond);

// The equilibrium of the example's load from the DIN run's eccentricity, new solver each time.
void BM_Equilibrium(benchmark::State& state) {
    const Example& example = TheExample();
    for (auto _ : state) {
        film::ReynoldsSolver solver(example.problem.problem);
        benchmark::DoNotOptimize(film::Balance(solver, example.problem.so, 0.82, 0.6));
    }
}
BENCHMARK(BM_Equilibrium)->Unit(benchmark::kMillisecond);

// The eight coefficients on top of a solved equilibrium: four back-substitutions.
void BM_Coefficients(benchmark::State& state) {
    const Example& example = TheExample();
    film::ReynoldsSolver solver(example.problem.problem);
    film::Balance(solver, example.problem.so, 0.82, 0.6);
    for (auto _ : state) benchmark::DoNotOptimize(film::Coefficients(solver));
}
BENCHMARK(BM_Coefficients)->Unit(benchmark::kMillisecond);

// The whole film of the case as the /JSON batch asks for it, without and with the onset speed search.
void BM_CaseFilm(benchmark::State& state) {
    const Example& example = TheExample();
    film::CaseFilmOptions options;
    options.onsetSpeed = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(film::SolveCaseFilm(example.run.record, example.run.status, options));
}
BENCHMARK(BM_CaseFilm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
