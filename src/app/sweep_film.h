#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/operating_sweep.h"
#include "film/case_film.h"

// The film columns a command-line sweep adds when asked ("/SWEEP:…:film"): the Reynolds film of every
// row's own run (its clearance, its heat balance) with the eight coefficients and the stability.
namespace trb::app {

struct SweepFilmRow {
    film::FilmFault fault = film::FilmFault::None;
    real eccentricity = 0;
    real attitudeAngle = 0;     // °
    film::Matrix2 stiffness{};  // N/m
    film::Matrix2 damping{};    // N·s/m
    film::DynamicCoefficients dimensionless;
    film::CaseStability stability;
};

using SweepFilms = std::vector<std::array<SweepFilmRow, core::kClearanceCount>>;

// The film of every point and clearance (on two threads when there are many).
SweepFilms SolveSweepFilms(const core::OperatingSweep& sweep);

// The names of the film columns in file order.
const std::vector<std::string>& SweepFilmColumns();

// The values of one row's film columns in that order, as the files hold numbers ("" where the film
// has none: a failed film, no whirl threshold), and its "film_failed" flag last.
std::vector<std::string> SweepFilmValues(const SweepFilmRow& row);

}  // namespace trb::app
