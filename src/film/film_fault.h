#pragma once

#include <functional>
#include <string_view>

namespace trb::film {

// Why a film has no result. Every call that can fail says which; a film with a fault carries no
// numbers at all.
enum class FilmFault {
    None,
    DinRunFailed,             // the DIN run failed: there is no effective state to solve at
    BadInput,                 // an input is zero, negative or not a number
    WidthRatioOutOfRange,     // B/D outside kMinWidthRatio .. kMaxWidthRatio
    GridTooCoarse,            // fewer cells than the film needs
    GridAxialCount,           // the axial cell count must be a multiple of 4
    GridTooLarge,             // the grid needs more memory than the machine has
    OutOfMemory,              // memory ran out during the solve
    SupplyLargerThanBearing,  // a supply feature does not fit on the bore
    NoFreeFilm,               // the supply areas leave no film to solve
    SupplyPressureTooHigh,    // the supply pressure is above the film's own pressure: no hydrodynamic film
    EccentricityTooLarge,     // the equilibrium lies at ε > kMaxEccentricity: the film is too thin to solve
    NoEquilibrium,            // no position balances the load
    NotConverged,             // the cavitation zone was not found within the step limit
    NotFinite,                // a result came out not finite
    Cancelled,                // the caller cancelled the solve
};

// What the fault means, in English (the "reason" of a JSON file); empty for None.
std::string_view FilmFaultText(FilmFault fault);

// Told how far a long solve has come (0 .. 1); returns false to cancel it.
using Progress = std::function<bool(double done)>;

}  // namespace trb::film
