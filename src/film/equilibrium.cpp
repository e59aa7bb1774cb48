#include "film/equilibrium.h"

#include <algorithm>
#include <cmath>

namespace trb::film {

namespace {

// The force error an equilibrium is found to, relative to the load.
constexpr double kTolerance = 1e-9;
// The radial search ends within this relative force error when Newton's method takes over.
constexpr double kRadialTolerance = 0.05;
constexpr int kMaxRadialSteps = 60;
constexpr int kMaxNewtonSteps = 40;
// The most film solves one search makes: an equilibrium is found in some ten, so this many mean there
// is none to find, and the caller hears so within a fraction of a second.
constexpr int kMaxSolves = 120;
// No trial position goes closer to the wall than this.
constexpr double kWall = 0.995;
constexpr double kSmallest = 1e-5;
// Newton steps are halved down to this fraction, no further.
constexpr double kShortestStep = 1.0 / 1024;

double Eccentricity(double s) {
    return 1 / (1 + std::exp(-s));
}

double Logit(double eps) {
    return std::log(eps / (1 - eps));
}

class Search {
  public:
    Search(ReynoldsSolver& solver, double so, const Progress& progress)
        : solver_(solver), so_(so), progress_(progress) {}

    FilmFault At(double x, double y) {
        const double done = std::min(0.9, 0.05 * solves_);
        if (progress_ && !progress_(done)) return FilmFault::Cancelled;
        if (solves_ >= kMaxSolves) return FilmFault::NoEquilibrium;
        ++solves_;
        // A fine grid may take long over one film: the hook may cancel between its steps too.
        Progress steps;
        if (progress_) steps = [&](double) { return progress_(done); };
        if (const FilmFault fault = solver_.Solve(x, y, steps); fault != FilmFault::None) return fault;
        force_ = solver_.Force();
        return FilmFault::None;
    }
    // The radial search value: log(|f| / So), after turning the journal by the error of the force
    // direction.
    FilmFault Radial(double s, double& angle, double& error) {
        const double eps = Eccentricity(s);
        if (const FilmFault fault = At(eps * std::cos(angle), eps * std::sin(angle));
            fault != FilmFault::None) {
            return fault;
        }
        const double size = std::hypot(force_.x, force_.y);
        if (!(size > 0)) return FilmFault::NoEquilibrium;
        angle -= std::atan2(-force_.y, -force_.x);
        error = std::log(size / so_);
        return FilmFault::None;
    }
    double Error() const { return std::hypot(force_.x + so_, force_.y); }
    Force2 Force() const { return force_; }
    int Solves() const { return solves_; }

  private:
    ReynoldsSolver& solver_;
    double so_;
    const Progress& progress_;
    Force2 force_;
    int solves_ = 0;
};

// Brackets log(|f|/So) = 0 in s and closes in on it (regula falsi, Illinois variant) until the relative
// force error is below `tolerance`.
FilmFault RadialSearch(Search& search, double eps, double& angle, double tolerance) {
    const double lowest = Logit(kSmallest);
    const double highest = Logit(kWall);
    double s = std::clamp(Logit(std::clamp(eps, kSmallest, kWall)), lowest, highest);
    double e = 0;
    if (const FilmFault fault = search.Radial(s, angle, e); fault != FilmFault::None) return fault;
    if (std::fabs(e) < tolerance) return FilmFault::None;
    // Step outwards (too little force) or inwards (too much) until the sign changes.
    double sa = s;
    double ea = e;
    double sb = s;
    double eb = e;
    const double step = e < 0 ? 1.0 : -1.0;
    for (int k = 0; k < kMaxRadialSteps && (ea < 0) == (eb < 0); ++k) {
        sa = sb;
        ea = eb;
        if ((step > 0 && sb >= highest) || (step < 0 && sb <= lowest)) {
            return step > 0 ? FilmFault::EccentricityTooLarge : FilmFault::NoEquilibrium;
        }
        sb = std::clamp(sb + step, lowest, highest);
        if (const FilmFault fault = search.Radial(sb, angle, eb); fault != FilmFault::None) return fault;
        if (std::fabs(eb) < tolerance) return FilmFault::None;
    }
    int side = 0;
    for (int k = 0; k < kMaxRadialSteps; ++k) {
        const double sc = (sa * eb - sb * ea) / (eb - ea);
        double ec = 0;
        if (const FilmFault fault = search.Radial(sc, angle, ec); fault != FilmFault::None) return fault;
        if (std::fabs(ec) < tolerance) return FilmFault::None;
        if ((ec < 0) == (ea < 0)) {
            sa = sc;
            ea = ec;
            if (side == -1) eb /= 2;
            side = -1;
        } else {
            sb = sc;
            eb = ec;
            if (side == 1) ea /= 2;
            side = 1;
        }
    }
    return FilmFault::NoEquilibrium;
}

FilmFault Newton(ReynoldsSolver& solver, Search& search, double so) {
    double x = solver.X();
    double y = solver.Y();
    double error = search.Error();
    for (int k = 0; k < kMaxNewtonSteps; ++k) {
        if (error <= kTolerance * so) return FilmFault::None;
        const Force2 f = search.Force();
        const auto j = solver.Derivatives(false).position;
        const double det = j[0][0] * j[1][1] - j[0][1] * j[1][0];
        if (!(std::fabs(det) > 0)) return FilmFault::NoEquilibrium;
        const double rx = f.x + so;
        const double ry = f.y;
        const double dx = -(j[1][1] * rx - j[0][1] * ry) / det;
        const double dy = -(-j[1][0] * rx + j[0][0] * ry) / det;
        double t = 1;
        while (t > kShortestStep && std::hypot(x + t * dx, y + t * dy) > kWall) t /= 2;
        if (std::hypot(x + t * dx, y + t * dy) > kWall) return FilmFault::EccentricityTooLarge;
        for (;;) {
            if (const FilmFault fault = search.At(x + t * dx, y + t * dy); fault != FilmFault::None)
                return fault;
            const double trial = search.Error();
            if (trial < (1 - 1e-4 * t) * error || t < kShortestStep) {
                x += t * dx;
                y += t * dy;
                error = trial;
                break;
            }
            t /= 2;
        }
    }
    return error <= kTolerance * so ? FilmFault::None : FilmFault::NoEquilibrium;
}

}  // namespace

FilmFault Balance(ReynoldsSolver& solver, double so, double eps, double angle, const Progress& progress,
                  int* steps) {
    Search search(solver, so, progress);
    const bool turnsWithJournal = solver.Problem().start.kind == FilmStart::Kind::LineAtWidestGap;
    FilmFault fault = RadialSearch(search, eps, angle, turnsWithJournal ? kTolerance : kRadialTolerance);
    if (fault == FilmFault::Cancelled) {
        // Nothing more to do.
    } else if (turnsWithJournal) {
        // Settle the last turn: the film turns with the journal, so its force turns exactly with it.
        const double e = std::hypot(solver.X(), solver.Y());
        if (fault == FilmFault::None) fault = search.At(e * std::cos(angle), e * std::sin(angle));
    } else if (fault == FilmFault::None || fault == FilmFault::NoEquilibrium) {
        // A supply area pushes the journal even at the centre, so the force need not grow from zero
        // along a radius: where the radial search finds too much force even there, Newton's method
        // still may find the balance, from the last position tried. (Too little force at the wall is
        // final: the search has turned the journal towards the load all the way out.)
        fault = Newton(solver, search, so);
        if (fault == FilmFault::NoEquilibrium && std::hypot(solver.X(), solver.Y()) > kMaxEccentricity) {
            fault = FilmFault::EccentricityTooLarge;
        }
    }
    if (steps != nullptr) *steps = search.Solves();
    if (fault != FilmFault::None) return fault;
    if (std::hypot(solver.X(), solver.Y()) > kMaxEccentricity) return FilmFault::EccentricityTooLarge;
    return FilmFault::None;
}

}  // namespace trb::film
