#pragma once

#include <string>
#include <string_view>

#include "film/case_film.h"

namespace trb::app {

// The "film" member of a case JSON file, the value only (an object on lines of its own after `indent`):
// the Reynolds film at the mean clearance beside the DIN run. Every member is always there; a film
// without a result has null in every number and its "reason" (null when it was solved). Numbers a
// double cannot hold are written as null, never as a number.
std::string FilmJson(const film::CaseFilm& film, std::string_view indent);

}  // namespace trb::app
