#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/lubricant.h"  // ViscosityAt, the viscosity-temperature function
#include "core/real.h"
#include "core/run_status.h"
#include "core/supply_feature.h"

namespace trb::core {

// The characteristic functions of the plain bearing calculation. b is the width ratio B/D, eps the
// relative eccentricity, so the Sommerfeld number.

// Sommerfeld number of a full bearing at eccentricity eps (undefined at eps = 1).
real SommerfeldOfEps(real eps, real b);

// The width-ratio part of the Sommerfeld number, which the eccentricity search keeps for all its steps.
struct SommerfeldShape {
    real b2 = 0;
    real a1 = 0;
    real a2 = 0;
};
SommerfeldShape SommerfeldShapeOf(real b);

// Relative eccentricity whose Sommerfeld number is within 0.001 of `so`, found by bisection on
// [0.01, 1]; 0 after 800 steps without success (then "Fehler : Iter ep from So" is reported).
real EpsOfSommerfeld(real so, real b, RunStatus& status);

// The Sommerfeld numbers at the first bisection points of that search for one width ratio, each
// calculated at its first use. Every search passes the same first points, so the thousands of runs
// of one bearing that a threshold search makes calculate them once; a search gives the same
// eccentricity with the memo as without.
class SommerfeldMemo {
  public:
    // The points kept: the first levels of the bisection. Point 1 is the first; 2n and 2n + 1 are
    // the points that follow n into the lower and the upper half.
    static constexpr std::size_t kPoints = std::size_t{1} << 14;

    // Ready for the width ratio b, whose shape it gives: what was kept for another one is forgotten.
    const SommerfeldShape& UseWidthRatio(real b);

    // The Sommerfeld number kept at point `node` (below kPoints), or nothing yet.
    std::optional<real> Find(std::size_t node) const {
        const real so = numbers_[node];
        if (std::isnan(so)) return std::nullopt;
        return so;
    }
    void Keep(std::size_t node, real so) { numbers_[node] = so; }

  private:
    real widthRatio_ = 0;
    SommerfeldShape shape_;
    std::vector<real> numbers_;  // not a number where none is kept
};

real EpsOfSommerfeld(real so, real b, RunStatus& status, SommerfeldMemo& memo);

// Relative friction coefficient mu/psi.
real FrictionCharacteristic(real so, real b);

// The same with the factors that depend on b only calculated once, for the many steps of one run.
struct FrictionShape {
    std::array<real, 5> k{};  // the factor of lg(so)^i
};
FrictionShape FrictionShapeOf(real b);
real FrictionCharacteristic(real so, const FrictionShape& shape);

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

// The same with the part that does not depend on eps calculated once, for the many steps of one run:
// a hole's shape factor times ln(B/dH). The other features calculate theirs at each step (a pocket's
// size warnings belong to the step).
struct SupplyShape {
    real hole = 0;
};
SupplyShape SupplyShapeOf(const SupplyGeometry& supply);
real SupplyPressureFlowCharacteristic(const SupplyGeometry& supply, const SupplyShape& shape, real eps,
                                      real previous, RunStatus& status);

// x placed in its class: x + offset rounded to the nearest integer, halves to the even neighbour.
long RoundToClass(real x, real offset);

// Proposed lubrication hole diameter (also used for the groove width) for a bore diameter d, mm.
real HoleDiameterProposal(real d);

// Proposed pocket width for a size x (the bore diameter), mm.
real PocketWidthProposal(real x);

}  // namespace trb::core
