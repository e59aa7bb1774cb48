#include "film/film_fault.h"

namespace trb::film {

std::string_view FilmFaultText(FilmFault fault) {
    switch (fault) {
        case FilmFault::None:
            return "";
        case FilmFault::DinRunFailed:
            return "the DIN calculation failed, so there is no operating state to solve the film at";
        case FilmFault::BadInput:
            return "an input of the film is zero, negative or not a number";
        case FilmFault::WidthRatioOutOfRange:
            return "the width ratio B/D is outside the range the film solution covers";
        case FilmFault::GridTooCoarse:
            return "the grid has too few cells for the film";
        case FilmFault::GridAxialCount:
            return "the axial cell count of the grid must be a multiple of 4";
        case FilmFault::GridTooLarge:
            return "the grid needs more memory than this machine has";
        case FilmFault::OutOfMemory:
            return "memory ran out while solving the film";
        case FilmFault::SupplyLargerThanBearing:
            return "the lubricant supply feature is larger than the bearing";
        case FilmFault::NoFreeFilm:
            return "the supply areas cover the whole bearing and leave no film";
        case FilmFault::SupplyPressureTooHigh:
            return "the supply pressure is above the film's own pressure: the film is not hydrodynamic";
        case FilmFault::EccentricityTooLarge:
            return "the journal would run at a relative eccentricity above the film solution's limit";
        case FilmFault::NoEquilibrium:
            return "no journal position balances the load";
        case FilmFault::NotConverged:
            return "the cavitation zone of the film was not found within the step limit";
        case FilmFault::NotFinite:
            return "a film result came out not finite";
        case FilmFault::Cancelled:
            return "the film solution was cancelled";
    }
    return "";
}

}  // namespace trb::film
