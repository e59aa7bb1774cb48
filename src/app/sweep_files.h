#pragma once

#include <string>

#include "app/sweep_film.h"
#include "core/operating_sweep.h"

// The files of a command-line sweep: one row per point and clearance.
namespace trb::app {

// Comma-separated values with a heading line: "clearance" ("min", "mean", "max"), the swept field
// under its JSON key ("ns" or "f"), every result of the record under its JSON key (21 significant
// digits; empty for a failed run and for a value that is not a number) and "failed" ("true" or
// "false"). With films, the film columns (SweepFilmColumns) follow "failed".
std::string SweepCsv(const core::OperatingSweep& sweep, const SweepFilms* films = nullptr);

// The same rows as a JSON object: "quantity" (the swept key), "from", "to", "steps" and "rows", each
// row with the members of the CSV (null where the CSV is empty; "stable", "film_failed" as booleans),
// with films also "film_reason" (null for a solved film), and the run's "messages".
std::string SweepJson(const core::OperatingSweep& sweep, const SweepFilms* films = nullptr);

}  // namespace trb::app
