#pragma once

#include <string>

#include "film/film_fault.h"
#include "graphics/drawing_data.h"

namespace trb::graphics {

class Driver;

// Why a film has no result, in the calculation language (code page 850).
const std::string& FilmFaultReason(const text::LanguageTexts& texts, film::FilmFault fault);

// The lower right of the pressure-distribution sheet: the DIN values beside the film's with the
// deviation, the eight coefficients (N/µm, N·s/µm and Lund's dimensionless form) in the load frame
// with the rotor's stability and the onset speed when it was searched, and, at the lower left, the
// grid and where the film starts. A film without a result shows the DIN column alone.
void DrawFilmTables(Driver& driver, const DrawingData& data, const film::CaseFilm& film);

}  // namespace trb::graphics
