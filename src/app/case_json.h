#pragma once

#include <string>
#include <vector>

#include "core/clearance_range.h"
#include "core/real.h"
#include "core/record.h"
#include "core/run_status.h"
#include "core/thresholds.h"
#include "film/case_film.h"

namespace trb::app {

// The names of the record's fields in declaration order, as the JSON file spells its keys.
const std::vector<std::string>& RecordFieldNames();

// One JSON object: every field of the record under its own name (reals with 21 significant digits,
// texts in UTF-8), "messages" (the message list in order) and "failed" (the calculation-failed flag).
// With a clearance range, "clearance_range" follows: "min", "mean" and "max", each holding that run's
// results, messages and failed flag under the same names. With thresholds, "thresholds" follows
// (see ThresholdsJson); with a film, "film" comes last (see FilmJson).
std::string CaseJson(const core::TRBrecord& record, const core::RunStatus& status,
                     const core::ClearanceRange* range = nullptr,
                     const core::Thresholds* thresholds = nullptr, const film::CaseFilm* film = nullptr);

// Whether two records hold the same case: every input field equal (reals as numbers), whatever
// their results.
bool SameInputs(const core::TRBrecord& a, const core::TRBrecord& b);

// The results of the record (the fields a calculation run writes) in record order, by name.
struct ResultField {
    const char* name;
    real value;
};
std::vector<ResultField> RecordResults(const core::TRBrecord& record);

// A real as the JSON files hold it: 21 significant digits, "null" when it has no value.
std::string JsonNumber(real x);
// A code page 850 text as a JSON string in UTF-8.
std::string JsonString(std::string_view oem);

}  // namespace trb::app
