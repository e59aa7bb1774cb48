#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/real.h"
#include "core/record.h"
#include "core/run_status.h"
#include "film/coefficients.h"
#include "film/film_fault.h"
#include "film/film_problem.h"

// The lubricant film of a calculated case: the Reynolds solution at the DIN run's effective state,
// beside the DIN run (it reads the finished record and never writes it).
//
// The film is isoviscous at the effective viscosity `etaeff`, at the mean clearance (radial clearance
// C = `seff`/2, relative clearance ψ = `psieff`), with the effective angular speed ω = `weff` = |ωB + ωS|,
// the load F = `f`, the width B = `b` and the bore D = `db`; the supply feature is held at the supply
// pressure `pe` (see CaseFilmStart). Dimensionless results convert as
//
//     p = P η ω / ψ²,   So = F ψ² / (D B η ω),   Q = q · R C N B with N = ω/2π,   h0 = C (1 − ε),
//     k_ij = K̄_ij F / C,   d_ij = B̄_ij F / (C ω),   M̄ = m C ω² / F.
//
// Frame: angles from the load direction, in the direction of the effective rotation; x along the load,
// y a quarter turn further (the figure in film_problem.h). The feature sits where the case puts it in
// that frame; a rotating bearing body is solved as if its feature stayed there.
namespace trb::film {

struct CaseFilmOptions {
    GridSize grid = kDefaultGrid;
    // The eight coefficients and the stability of the rotor at the operating speed.
    bool coefficients = true;
    // The onset speed of whirl along the shaft speed (needs the coefficients): a DIN run and a film at
    // every speed it tries, some 30 of them.
    bool onsetSpeed = false;
    Progress progress;
};

// The DIN run's own values of what the film also gives, under the record's names.
struct DinValues {
    real epsilon = 0;
    real h0 = 0;  // mm
    real so = 0;
    real mupsi = 0;
    real q = 0;  // total lubricant flow, mm³/s
};

// Stability of a rigid symmetric rotor whose weight is the load (mass m = F/g on each bearing).
struct CaseStability {
    bool threshold = false;  // whether there is a critical mass at all
    real whirlRatio = 0;     // γ at the threshold (when there is one)
    real criticalMass = 0;   // M̄_c (when there is one)
    real massParameter = 0;  // the rotor's own M̄ = C ω² / g
    bool stable = false;     // at the operating speed
};

// The onset speed search along the shaft speed: the speed where the rotor starts to whirl, found with
// the ordinary DIN run at each speed it tries (heat balance included).
struct OnsetSpeed {
    bool searched = false;
    std::optional<real> speed;  // shaft speed, 1/s; none when there is no crossing in the range
    real from = 0;              // the range searched, 1/s
    real to = 0;
};

struct CaseFilm {
    FilmFault fault = FilmFault::None;
    GridSize grid;
    // Columns round the bore: their angles (° from the load direction, in the direction of rotation).
    std::vector<double> angles;
    // Nodes across the width, from Z = −1 to Z = 1 (Z = 2z/B; both ends at ambient pressure).
    std::vector<double> z;
    // The pressure (MPa) of node k of column i at i · z.size() + k, and whether a supply area holds it.
    std::vector<double> pressure;
    std::vector<std::uint8_t> supply;
    // The pressure in the middle plane at every column (MPa).
    std::vector<double> middlePlane;

    real eccentricity = 0;
    real attitudeAngle = 0;  // β, °
    real h0 = 0;             // mm
    real pmax = 0;           // MPa
    real pmaxAngle = 0;      // °, from the load direction in the direction of rotation
    real sideFlow = 0;       // mm³/s, out of both ends
    real mupsi = 0;
    real so = 0;          // the DIN run's Sommerfeld number, which the film balances
    bool hasDin = false;  // whether the DIN run gave values (also when the film then failed)
    DinValues din;
    int solves = 0;

    bool hasCoefficients = false;
    Matrix2 stiffness{};  // N/m, rows: force, columns: displacement
    Matrix2 damping{};    // N·s/m
    DynamicCoefficients dimensionless;
    CaseStability stability;
    OnsetSpeed onset;
};

// The film of a case whose DIN run has finished (`status` its run status). A supply pressure above ten
// times the specific load F/(D B), or above the specific load when the film then finds no equilibrium,
// or above every film pressure outside the supply area, leaves no hydrodynamic film: SupplyPressureTooHigh.
CaseFilm SolveCaseFilm(const core::TRBrecord& record, const core::RunStatus& status,
                       const CaseFilmOptions& options = {});

// The dimensionless problem of a case and the load it carries, or the fault that leaves it unsolved.
struct CaseProblem {
    FilmFault fault = FilmFault::None;
    FilmProblem problem;
    double so = 0;
    double pressureScale = 0;   // Pa per unit of P: η ω / ψ²
    double supplyPressure = 0;  // P of the supply feature
};
CaseProblem CaseFilmProblem(const core::TRBrecord& record, const core::RunStatus& status, GridSize grid);

// What the axes of the coefficients are, for files and views.
std::string_view CoefficientFrameText();

}  // namespace trb::film
