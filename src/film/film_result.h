#pragma once

#include <vector>

#include "film/reynolds_solver.h"

namespace trb::film {

// What a solved film amounts to, dimensionless (P = p ψ²/(η ω); angles in rad from the load direction,
// in the direction of rotation). The load direction is the one the film force balances: x at an
// equilibrium, −f at any other position.
struct FilmResult {
    double x = 0;             // journal centre X = x/C
    double y = 0;             // journal centre Y = y/C
    Force2 force;             // film force on the journal, So units
    double sommerfeld = 0;    // |f|: the Sommerfeld number F ψ²/(D B η ω) the film carries
    double loadAngle = 0;     // direction of the load, −f, in the problem's frame
    double eccentricity = 0;  // ε
    double attitude = 0;      // β: from the load direction to the journal centre
    double pmax = 0;          // largest pressure, between the columns of that profile
    double pmaxAngle = 0;     // where it is, from the load direction, 0 .. 2π
    // Flow variables of Raimondi and Boyd, Q/(R C N B) with N = ω/2π: the side flow out of both ends,
    // and the flow into the film across the film-start line (0 without a line).
    double sideFlow = 0;
    double inletFlow = 0;
    // μ/ψ = (R/C) μ: Couette shear 1/H over the whole circumference plus the pressure term (H/2) ∂P/∂φ,
    // over the film force.
    double frictionVariable = 0;
    // The pressure in the middle plane at every column (where a ring groove holds the middle plane: along
    // the row of the highest film pressure), and the column angles (from the load direction).
    std::vector<double> middlePlane;
    std::vector<double> angles;
};

FilmResult Summarise(const ReynoldsSolver& solver);

// The pressure field over the whole width: for every column the axial + 1 nodes from Z = −1 to Z = 1
// (both ends at 0), node (i, k) at i · (axial + 1) + k; a mirrored solve is mirrored back.
std::vector<double> WholeField(const ReynoldsSolver& solver);
// The Z of those nodes.
std::vector<double> FieldZ(const FilmGrid& grid);

// The angle brought into 0 .. 2π.
double Positive(double angle);

}  // namespace trb::film
