#include "app/sweep_files.h"

#include <cmath>
#include <string_view>

#include "app/case_json.h"
#include "app/json_text.h"

namespace trb::app {

namespace {

// Calls `row` for every point and clearance in file order, with the film of that row when there are
// films.
template <typename Row>
void ForEachRow(const core::OperatingSweep& sweep, const SweepFilms* films, Row row) {
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const core::SweepPoint& point = sweep.points[i];
        for (core::Clearance clearance : core::kClearances) {
            row(point, clearance, point.At(clearance),
                films ? &(*films)[i][core::Index(clearance)] : nullptr);
        }
    }
}

// A result of a run as the files hold it: nothing for a failed run.
std::string ResultText(real value, bool failed) {
    if (failed || !std::isfinite(value)) return {};
    return JsonNumber(value);
}

}  // namespace

std::string SweepCsv(const core::OperatingSweep& sweep, const SweepFilms* films) {
    const core::SweptQuantity quantity = sweep.range.quantity;
    std::string out = "clearance,";
    out += core::SweptKey(quantity);
    for (const ResultField& field : RecordResults(core::TRBrecord{})) {
        out += ',';
        out += field.name;
    }
    out += ",failed";
    if (films != nullptr) {
        for (const std::string& column : SweepFilmColumns()) out += ',' + column;
    }
    out += '\n';
    ForEachRow(sweep, films,
               [&](const core::SweepPoint& point, core::Clearance clearance, const core::CaseRun& run,
                   const SweepFilmRow* film) {
                   const bool failed = core::PointFailed(run);
                   out += core::ClearanceKey(clearance);
                   out += ',' + JsonNumber(point.value);
                   for (const ResultField& field : RecordResults(run.record)) {
                       out += ',' + ResultText(field.value, failed);
                   }
                   out += failed ? ",true" : ",false";
                   if (film != nullptr) {
                       for (const std::string& value : SweepFilmValues(*film)) out += ',' + value;
                   }
                   out += '\n';
               });
    return out;
}

std::string SweepJson(const core::OperatingSweep& sweep, const SweepFilms* films) {
    const core::SweepRange& range = sweep.range;
    const std::string key(core::SweptKey(range.quantity));
    std::string out = "{\n  \"quantity\": \"" + key + "\",\n";
    out += "  \"from\": " + JsonNumber(range.from) + ",\n";
    out += "  \"to\": " + JsonNumber(range.to) + ",\n";
    out += "  \"steps\": " + std::to_string(range.steps) + ",\n";
    out += "  \"rows\": [";
    bool first = true;
    ForEachRow(sweep, films,
               [&](const core::SweepPoint& point, core::Clearance clearance, const core::CaseRun& run,
                   const SweepFilmRow* film) {
                   const bool failed = core::PointFailed(run);
                   out += first ? "\n    {" : ",\n    {";
                   first = false;
                   out += "\"clearance\": \"";
                   out += core::ClearanceKey(clearance);
                   out += "\", \"" + key + "\": " + JsonNumber(point.value);
                   for (const ResultField& field : RecordResults(run.record)) {
                       const std::string value = ResultText(field.value, failed);
                       out += ", \"";
                       out += field.name;
                       out += "\": " + (value.empty() ? std::string("null") : value);
                   }
                   out += ", \"failed\": ";
                   out += failed ? "true" : "false";
                   if (film != nullptr) {
                       const std::vector<std::string> values = SweepFilmValues(*film);
                       for (std::size_t c = 0; c < values.size(); ++c) {
                           const std::string& column = SweepFilmColumns()[c];
                           out += ", \"" + column + "\": " + (values[c].empty() ? "null" : values[c]);
                       }
                       out += ", \"film_reason\": ";
                       out += film->fault == film::FilmFault::None
                                  ? "null"
                                  : JsonText(film::FilmFaultText(film->fault));
                   }
                   out += ", \"messages\": [";
                   for (int i = 1; i <= run.status.MessageCount(); ++i) {
                       out += (i > 1 ? ", " : "") + JsonString(run.status.Message(i));
                   }
                   out += "]}";
               });
    out += "\n  ]\n}\n";
    return out;
}

}  // namespace trb::app
