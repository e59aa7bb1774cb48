#pragma once

#include <vector>

// The lubricant film of a full 360° cylindrical journal bearing, solved from the Reynolds equation beside
// the DIN run (it never changes the DIN run's results).
//
// Model. Rigid, aligned bearing and journal, isoviscous Newtonian lubricant, laminar flow, the film at
// the mean clearance. On the developed bore surface, with φ the angle round the bore and Z = 2z/B the
// axial position (Z = ±1 at the bearing ends), the dimensionless Reynolds equation is
//
//     ∂/∂φ (H³ ∂P/∂φ) + (D/B)² ∂/∂Z (H³ ∂P/∂Z) = 6 ∂H/∂φ + 12 ∂H/∂τ,
//
//     P = p ψ² / (η ω),   H = h / C = 1 − X cos φ − Y sin φ,   τ = ω t,
//
// with p the film pressure, ψ = C/R the relative clearance, η the viscosity, ω the effective angular speed
// (the sum of the journal's and the bore's, so the wedge term uses their mean surface speed), C the radial
// clearance and (X, Y) = (x, y)/C the journal centre. Boundaries: P = 0 (ambient) at both ends Z = ±1;
// supply areas held at their pressure; an optional axial film-start line at P = 0; and Reynolds
// (Swift–Stieber) cavitation: P ≥ 0 everywhere, the equation holding where P > 0 and its residual
// (left side minus right side, with the sign that makes the operator positive) ≥ 0 where P = 0. That is a
// linear complementarity problem, solved exactly on the grid.
//
// Frame. Angles are measured from the load direction x, counted in the direction of the effective
// rotation; y is a quarter turn further. The journal centre sits at ε (cos β, sin β): β, the attitude
// angle, is where the film is thinnest; the widest gap is at β + 180°.
//
//                            180° (opposite the load)
//                         .---------.
//                      .'             '.
//               270°  |        O ------|---> y (90°)      rotation: from x towards y
//                      '.      |      .'
//                         '----+----'
//                              v
//                       x: the load F (0°)
//
// Forces. The film force on the journal, in units of D B η ω / ψ² (so that its size at equilibrium is
// the Sommerfeld number So = F ψ² / (D B η ω)), is f = −¼ ∬ P (cos φ, sin φ) dφ dZ over the whole film.
// At equilibrium f + (So, 0) = 0.
//
// Numbers in this library are doubles: the discretisation error of a film solution is of the order of
// 1e-4, far above double rounding, and the sparse factorisation is several times faster in double.
namespace trb::film {

// Cells round the bore and intervals across the whole width. The axial count is a multiple of 4: the film
// is symmetric about the middle plane (every supply area is centred on it), so one half is solved and
// mirrored, and each half has an even number of intervals for Simpson's rule.
struct GridSize {
    int circumferential = 0;
    int axial = 0;
};

// The grid the case solves on: So and β change by less than 0.2 % and 0.1° on a grid twice as fine
// (pinned by the grid convergence test).
inline constexpr GridSize kDefaultGrid{216, 20};

// An area of the bore held at a fixed pressure: a hole, pocket or groove, centred on the middle plane.
// A cell belongs to it when its centre lies inside; an area smaller than a cell takes the cell nearest
// to its centre, so no feature vanishes on a coarse grid.
struct SupplyArea {
    enum class Shape { Rectangle, Ellipse };
    Shape shape = Shape::Rectangle;
    double centre = 0;     // angle of its centre, rad (load frame)
    double halfAngle = 0;  // half its circumferential extent, rad (π or more: the whole circumference)
    double halfWidth = 0;  // half its axial extent in Z (1: the whole width)
    double pressure = 0;   // dimensionless pressure P
};

// Where the film starts at P = 0 besides the supply areas: nowhere, on an axial line at a fixed angle
// (a bearing without pressure lubrication), or on the line at the widest gap, which moves with the
// journal (the configuration of Raimondi and Boyd's tables).
struct FilmStart {
    enum class Kind { None, LineAtAngle, LineAtWidestGap };
    Kind kind = Kind::None;
    double angle = 0;  // rad, for LineAtAngle
};

// One film problem in dimensionless form.
struct FilmProblem {
    double widthRatio = 1;  // B/D
    GridSize grid = kDefaultGrid;
    std::vector<SupplyArea> areas;
    FilmStart start;
    // Solve both halves of the width instead of mirroring one (for the symmetry check).
    bool fullWidth = false;
};

}  // namespace trb::film
