#pragma once

#include "graphics/drawing_data.h"
#include "graphics/vektor.h"

namespace trb::film {
struct CaseFilm;
}

namespace trb::graphics {

class Driver;

// The pressure-distribution sheet (landscape, 297 by 210): the lubricant film of the case from its
// Reynolds solution. Left, the middle-plane pressure round the bore as a polar diagram over the
// bearing outline with the load direction, the rotation, the journal centre, h0 and p max; right, the
// developed bore surface as a colour map with contour lines, the supply feature (or the film-start
// line) drawn in, and its legend; below it the DIN values beside the film's with their deviation, the
// eight coefficients with the rotor's stability, the grid and where the film starts. A film without a
// result shows why; a film still being solved (no film yet) says so.
inline constexpr Rect kFilmSheet{0, 0, 297, 210};

// The sheet's entities into an opened driver (limits and tables are the caller's).
void DrawFilmSheet(Driver& driver, const DrawingData& data, const film::CaseFilm* film);

}  // namespace trb::graphics
