#pragma once

#include "core/record.h"
#include "film/case_film.h"

namespace trb::film {

// The rotor's mass parameter M̄ = m C ω² / F for a rotor whose weight is the load, m = F/g on each
// bearing: M̄ = C ω² / g (C the radial clearance in m).
real RotorMassParameter(const core::TRBrecord& record);

// Searches the shaft speed at which the rotor of the case starts to whirl (Lund's linear criterion):
// from the case's own shaft speed it steps by 25 % upwards while the rotor is stable, or downwards
// while it is not, within a twentieth and twenty times that speed, and halves the last step until the
// crossing is known to 0.02 %. Every speed is the ordinary DIN run of the case at that speed (heat
// balance included) and its film; a speed whose run or film fails ends the search in that direction.
// `fault` receives Cancelled when the progress hook cancels.
OnsetSpeed FindOnsetSpeed(const core::TRBrecord& record, GridSize grid, const Progress& progress,
                          FilmFault& fault);

}  // namespace trb::film
