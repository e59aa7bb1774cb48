#include "film/case_film.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/representable.h"
#include "film/case_supply.h"
#include "film/film_solution.h"
#include "film/onset_speed.h"

namespace trb::film {

namespace {

constexpr double kToMegapascal = 1e-6;
constexpr double kDegree = 180 / std::numbers::pi;
constexpr real kSupplyPressureLimit = 10;

double ToDouble(real x) {
    return static_cast<double>(x);
}

bool Positive(real x) {
    return core::Representable(x) && x > 0;
}

// Ocvirk's attitude angle of the short bearing, tan β = π √(1 − ε²) / (4 ε): where the search starts.
double ShortBearingAttitude(double eps) {
    return std::atan2(std::numbers::pi * std::sqrt(1 - eps * eps), 4 * eps);
}

// The largest pressure of the film outside the supply areas.
double FilmPeak(const FilmSolution& s) {
    double peak = 0;
    for (std::size_t k = 0; k < s.field.size(); ++k) {
        if (!s.supply[k]) peak = std::max(peak, s.field[k]);
    }
    return peak;
}

bool Representable(const CaseFilm& f) {
    const real values[] = {f.eccentricity, f.attitudeAngle, f.h0,    f.pmax,
                           f.pmaxAngle,    f.sideFlow,      f.mupsi, f.so};
    for (real v : values) {
        if (!core::Representable(v)) return false;
    }
    if (!f.hasCoefficients) return true;
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            const auto a = static_cast<std::size_t>(i);
            const auto b = static_cast<std::size_t>(j);
            if (!core::Representable(f.stiffness[a][b]) || !core::Representable(f.damping[a][b]))
                return false;
        }
    }
    return core::Representable(f.stability.massParameter) && core::Representable(f.stability.criticalMass);
}

void Convert(const core::TRBrecord& r, const CaseProblem& cp, const FilmSolution& s, CaseFilm& f) {
    const double scale = cp.pressureScale * kToMegapascal;
    const double clearance = ToDouble(r.seff) / 2;  // mm
    const double omega = ToDouble(r.weff);
    f.angles.reserve(s.result.angles.size());
    for (double a : s.result.angles) f.angles.push_back(a * kDegree);
    f.z = s.z;
    f.pressure.reserve(s.field.size());
    for (double p : s.field) f.pressure.push_back(p * scale);
    f.supply = s.supply;
    for (double p : s.result.middlePlane) f.middlePlane.push_back(p * scale);
    f.eccentricity = s.result.eccentricity;
    f.attitudeAngle = s.result.attitude * kDegree;
    f.h0 = clearance * (1 - s.result.eccentricity);
    f.pmax = s.result.pmax * scale;
    f.pmaxAngle = s.result.pmaxAngle * kDegree;
    const double radius = ToDouble(r.db) / 2;
    f.sideFlow = s.result.sideFlow * radius * clearance * omega / (2 * std::numbers::pi) * ToDouble(r.b);
    f.mupsi = s.result.frictionVariable;
    f.so = r.so;
    f.solves = s.solves;
}

void ConvertCoefficients(const core::TRBrecord& r, const FilmSolution& s, CaseFilm& f) {
    const double load = ToDouble(r.f);
    const double clearance = ToDouble(r.seff) / 2 * 1e-3;  // m
    const double omega = ToDouble(r.weff);
    f.hasCoefficients = true;
    f.dimensionless = s.coefficients;
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            f.stiffness[i][j] = s.coefficients.stiffness[i][j] * load / clearance;
            f.damping[i][j] = s.coefficients.damping[i][j] * load / (clearance * omega);
        }
    }
    const Stability lund = LundStability(s.coefficients);
    f.stability.threshold = lund.threshold;
    f.stability.whirlRatio = lund.whirlRatio;
    f.stability.criticalMass = lund.criticalMass;
    f.stability.massParameter = RotorMassParameter(r);
    f.stability.stable = StableAt(s.coefficients, ToDouble(f.stability.massParameter));
}

// A film that failed after it had numbers: none of them stays, only the DIN run's values beside.
CaseFilm Failed(const CaseFilm& film, FilmFault fault) {
    CaseFilm failed;
    failed.fault = fault;
    failed.grid = film.grid;
    failed.hasDin = film.hasDin;
    failed.din = film.din;
    return failed;
}

}  // namespace

std::string_view CoefficientFrameText() {
    return "x along the load, y a quarter turn further in the direction of rotation; "
           "k_ij = -dF_i/dx_j, d_ij = -dF_i/d(dx_j/dt), row i the force, column j the motion";
}

CaseProblem CaseFilmProblem(const core::TRBrecord& r, const core::RunStatus& status, GridSize grid) {
    CaseProblem cp;
    if (status.calculationFailed) {
        cp.fault = FilmFault::DinRunFailed;
        return cp;
    }
    if (!Positive(r.db) || !Positive(r.b) || !Positive(r.f) || !Positive(r.psieff) || !Positive(r.etaeff) ||
        !Positive(r.weff) || !Positive(r.seff) || !Positive(r.so) || !core::Representable(r.pe) || r.pe < 0) {
        cp.fault = FilmFault::BadInput;
        return cp;
    }
    const double psi = ToDouble(r.psieff);
    cp.pressureScale = ToDouble(r.etaeff) * ToDouble(r.weff) / (psi * psi);
    cp.supplyPressure = ToDouble(r.pe) * 1e6 / cp.pressureScale;
    cp.problem.widthRatio = ToDouble(r.b / r.db);
    cp.problem.grid = grid;
    cp.so = ToDouble(r.so);
    cp.fault = CaseFilmStart(r, cp.supplyPressure, cp.problem);
    if (cp.fault == FilmFault::None) cp.fault = CheckProblem(cp.problem);
    return cp;
}

CaseFilm SolveCaseFilm(const core::TRBrecord& r, const core::RunStatus& status,
                       const CaseFilmOptions& options) {
    CaseFilm f;
    f.grid = options.grid;
    const CaseProblem cp = CaseFilmProblem(r, status, options.grid);
    if (cp.fault != FilmFault::DinRunFailed && cp.fault != FilmFault::BadInput) {
        f.hasDin = true;
        f.din = {r.epsilon, r.h0, r.so, r.mupsi, r.q};
    }
    if (cp.fault != FilmFault::None) {
        f.fault = cp.fault;
        return f;
    }
    // A supply pressure ten times the specific load would carry the journal on its own: that is a
    // hydrostatic bearing, not the hydrodynamic film this models.
    if (r.pe > kSupplyPressureLimit * r.p) {
        f.fault = FilmFault::SupplyPressureTooHigh;
        return f;
    }
    // The DIN run's eccentricity is close: the search starts there, at the short bearing's angle.
    const double eps = std::clamp(ToDouble(r.epsilon), 0.05, 0.9);
    const bool onset = options.coefficients && options.onsetSpeed;
    Progress equilibriumProgress = options.progress;
    if (onset && options.progress) {
        equilibriumProgress = [&](double done) { return options.progress(0.1 * done); };
    }
    const FilmSolution s = SolveAtLoad(cp.problem, cp.so, options.coefficients, eps,
                                       ShortBearingAttitude(eps), equilibriumProgress);
    // A supply pressure above the specific load that leaves no equilibrium is the reason for it.
    if (s.fault == FilmFault::EccentricityTooLarge || s.fault == FilmFault::NoEquilibrium) {
        if (r.pe > r.p) {
            f.fault = FilmFault::SupplyPressureTooHigh;
            return f;
        }
    }
    if (s.fault != FilmFault::None) {
        f.fault = s.fault;
        return f;
    }
    if (cp.supplyPressure > 0 && !(FilmPeak(s) > cp.supplyPressure)) {
        f.fault = FilmFault::SupplyPressureTooHigh;
        return f;
    }
    Convert(r, cp, s, f);
    if (options.coefficients) ConvertCoefficients(r, s, f);
    if (!Representable(f)) return Failed(f, FilmFault::NotFinite);
    if (onset) {
        Progress onsetProgress;
        if (options.progress) onsetProgress = [&](double done) { return options.progress(0.1 + 0.9 * done); };
        FilmFault fault = FilmFault::None;
        f.onset = FindOnsetSpeed(r, options.grid, onsetProgress, fault);
        if (fault == FilmFault::Cancelled) return Failed(f, fault);
    }
    return f;
}

}  // namespace trb::film
