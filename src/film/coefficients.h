#pragma once

#include <array>

#include "film/reynolds_solver.h"

namespace trb::film {

using Matrix2 = std::array<std::array<double, 2>, 2>;

// The eight linearised film coefficients in Lund's dimensionless form, in the load frame (x along the
// load, y a quarter turn further in the direction of rotation), row i the force, column j the motion:
//
//     K̄_ij = k_ij C / F,   k_ij = −∂F_i/∂x_j,        B̄_ij = d_ij C ω / F,   d_ij = −∂F_i/∂ẋ_j.
//
// They come from the film linearised about the solved position with the cavitated zone held (exact to
// first order, since p = ∂p/∂n = 0 on the rupture line): four back-substitutions of the factorised film.
struct DynamicCoefficients {
    Matrix2 stiffness{};
    Matrix2 damping{};
};

// The coefficients of the solver's last solve, the load being the force the film carries there.
DynamicCoefficients Coefficients(ReynoldsSolver& solver);

// Lund's linear stability of a rigid symmetric rotor on two such bearings, mass m per bearing, whirling
// at ν: with M̄ = m C ω²/F and γ = ν/ω the motion X e^{iγτ} solves (K̄ − γ² M̄ + iγ B̄) X = 0 when
//
//     γ² M̄ = K_eq = (K̄xx B̄yy + K̄yy B̄xx − K̄xy B̄yx − K̄yx B̄xy) / (B̄xx + B̄yy),
//     γ²    = ((K̄xx − K_eq)(K̄yy − K_eq) − K̄xy K̄yx) / (B̄xx B̄yy − B̄xy B̄yx),
//
// so the rotor whirls from the critical mass parameter M̄_c = K_eq / γ² on. Without a positive K_eq and
// γ² there is no such threshold.
struct Stability {
    bool threshold = false;
    double whirlRatio = 0;    // γ at the threshold
    double criticalMass = 0;  // M̄_c
};

Stability LundStability(const DynamicCoefficients& c);

// Whether the rotor of mass parameter M̄ is stable: every eigenvalue of M̄ X'' + B̄ X' + K̄ X = 0 has a
// negative real part.
bool StableAt(const DynamicCoefficients& c, double massParameter);

}  // namespace trb::film
