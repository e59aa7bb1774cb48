#pragma once

#include "core/record.h"
#include "film/film_fault.h"
#include "film/film_problem.h"

namespace trb::film {

// Where the film of a case starts: with pressure lubrication, the supply feature's area on the bore
// held at the supply pressure `supplyPressure` (dimensionless); without it, an axial line at P = 0
// opposite the load. Angles in the load frame: "opposite the load" is 180°, "90° to the load" 270° (a
// quarter turn before the load, so the oil is carried into the loaded zone), the two-sided codes 90°
// and 270°, the partial groove from 180° + φa to 180° + φe. Holes are circles of diameter dh, pockets
// squares of side bp, grooves bands of width bg, all centred on the middle plane; the ring groove runs
// round the whole bore and parts the film into two lands.
FilmFault CaseFilmStart(const core::TRBrecord& record, double supplyPressure, FilmProblem& problem);

}  // namespace trb::film
