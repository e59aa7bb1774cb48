#include "film/onset_speed.h"

#include <cmath>

#include "core/clearance_range.h"
#include "film/film_solution.h"

namespace trb::film {

namespace {

constexpr double kGravity = 9.80665;  // m/s²
constexpr double kStep = 1.25;
constexpr double kRange = 20;
constexpr double kPrecision = 2e-4;

double ToDouble(real x) {
    return static_cast<double>(x);
}

// One speed of the search: whether the run and film there worked, and whether the rotor is stable.
struct SpeedPoint {
    bool solved = false;
    bool stable = false;
};

class Search {
  public:
    Search(const core::TRBrecord& record, GridSize grid, const Progress& progress)
        : record_(record), grid_(grid), progress_(progress) {}

    SpeedPoint At(double speed) {
        SpeedPoint point;
        if (progress_ && !progress_(std::min(0.99, evaluations_ / 40.0))) {
            cancelled_ = true;
            return point;
        }
        ++evaluations_;
        core::CaseRun run;
        run.record = record_;
        run.record.ns = speed;
        core::Calculate(run);
        const CaseProblem cp = CaseFilmProblem(run.record, run.status, grid_);
        if (cp.fault != FilmFault::None) return point;
        const FilmSolution s = SolveAtLoad(cp.problem, cp.so, true, eps_, angle_);
        if (s.fault != FilmFault::None) return point;
        eps_ = s.result.eccentricity;
        angle_ = std::atan2(s.result.y, s.result.x);
        point.solved = true;
        point.stable = StableAt(s.coefficients, ToDouble(RotorMassParameter(run.record)));
        return point;
    }
    bool Cancelled() const { return cancelled_; }

  private:
    const core::TRBrecord& record_;
    GridSize grid_;
    const Progress& progress_;
    double eps_ = 0.5;
    double angle_ = 0.8;
    int evaluations_ = 0;
    bool cancelled_ = false;
};

}  // namespace

real RotorMassParameter(const core::TRBrecord& r) {
    const real clearance = r.seff / 2 * 1e-3L;
    return clearance * r.weff * r.weff / kGravity;
}

OnsetSpeed FindOnsetSpeed(const core::TRBrecord& record, GridSize grid, const Progress& progress,
                          FilmFault& fault) {
    OnsetSpeed onset;
    const double base = ToDouble(record.ns);
    if (!(base > 0) || !std::isfinite(base)) return onset;
    onset.searched = true;
    onset.from = base / kRange;
    onset.to = base * kRange;
    Search search(record, grid, progress);
    const SpeedPoint start = search.At(base);
    if (search.Cancelled()) fault = FilmFault::Cancelled;
    if (!start.solved) return onset;
    // Step away from the operating speed until the answer changes: upwards while stable.
    const double factor = start.stable ? kStep : 1 / kStep;
    double inside = base;  // the last speed with the operating speed's answer
    double outside = 0;
    for (double speed = base * factor; speed >= onset.from * (1 - 1e-9) && speed <= onset.to * (1 + 1e-9);
         speed *= factor) {
        const SpeedPoint point = search.At(speed);
        if (search.Cancelled()) {
            fault = FilmFault::Cancelled;
            return onset;
        }
        if (!point.solved) return onset;
        if (point.stable != start.stable) {
            outside = speed;
            break;
        }
        inside = speed;
    }
    if (outside == 0) return onset;
    while (std::fabs(outside / inside - 1) > kPrecision) {
        const double middle = std::sqrt(inside * outside);
        const SpeedPoint point = search.At(middle);
        if (search.Cancelled()) {
            fault = FilmFault::Cancelled;
            return onset;
        }
        if (!point.solved) return onset;
        (point.stable == start.stable ? inside : outside) = middle;
    }
    // The rotor whirls above the onset speed: the unstable end of the last interval.
    onset.speed = start.stable ? outside : inside;
    return onset;
}

}  // namespace trb::film
