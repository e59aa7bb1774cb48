#pragma once

#include "core/lubricant.h"  // ViscosityAt, the viscosity-temperature function
#include "core/real.h"
#include "core/run_status.h"
#include "core/supply_feature.h"

namespace trb::core {

// The characteristic functions of the plain bearing calculation. b is the width ratio B/D, eps the
// relative eccentricity, so the Sommerfeld number.

// Sommerfeld number of a full bearing at eccentricity eps (undefined at eps = 1).
real SommerfeldOfEps(real eps, real b);

// Relative eccentricity whose Sommerfeld number is within 0.001 of `so`, found by bisection on
// [0.01, 1]; 0 after 800 steps without success (then "Fehler : Iter ep from So" is reported).
real EpsOfSommerfeld(real so, real b, RunStatus& status);

// Relative friction coefficient mu/psi.
real FrictionCharacteristic(real so, real b);

// Flow characteristic Q1* of the flow driven by the bearing's own pressure build-up.
real OwnPressureFlowCharacteristic(real eps, real b);

// Geometry of the lubricant supply feature, in mm and degrees.
struct SupplyGeometry {
    int zufuhr = 0;     // supply feature code 1..8
    real width = 0;     // bearing width B
    real diameter = 0;  // bore nominal diameter D
    real dh = 0;        // hole diameter
    real bg = 0;        // groove width
    real bp = 0;        // pocket width
    real phia = 0;      // start angle of a partial groove
    real phie = 0;      // end angle of a partial groove
};

// Flow characteristic Q2* of the flow driven by the supply pressure. A code outside 1..8 returns
// `previous` unchanged. Pockets narrower than 5 % or wider than 70 % of B add a warning to `status`.
real SupplyPressureFlowCharacteristic(const SupplyGeometry& supply, real eps, real previous,
                                      RunStatus& status);

// x placed in its class: x + offset rounded to the nearest integer, halves to the even neighbour.
long RoundToClass(real x, real offset);

// Proposed lubrication hole diameter (also used for the groove width) for a bore diameter d, mm.
real HoleDiameterProposal(real d);

// Proposed pocket width for a size x (the bore diameter), mm.
real PocketWidthProposal(real x);

}  // namespace trb::core
