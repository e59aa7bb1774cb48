#include "app/case_json.h"

#include <variant>

#include "app/film_json.h"
#include "app/json_text.h"
#include "app/thresholds_json.h"
#include "core/record_fields.h"
#include "text/cp850.h"

namespace trb::app {

// A code page 850 text as a JSON string.
std::string JsonString(std::string_view oem) {
    return JsonText(text::OemToUtf8(oem));
}

namespace {

using core::RecordField;
using core::RecordMember;
using core::TRBrecord;

std::string FieldValue(const TRBrecord& record, const RecordMember& member) {
    return std::visit(
        [&](auto pointer) -> std::string {
            const auto& value = record.*pointer;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, real>) {
                return JsonNumber(value);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return JsonString(value);
            } else if constexpr (std::is_same_v<T, bool>) {
                return value ? "true" : "false";
            } else {
                return std::to_string(value);
            }
        },
        member);
}

// The members of one object, each on a line of its own after `indent`: the fields (all of them, or
// only the results), the messages and the failed flag.
void AppendMembers(std::string& out, const TRBrecord& record, const core::RunStatus& status,
                   std::string_view indent, bool resultsOnly) {
    for (const RecordField& field : core::RecordFields()) {
        if (resultsOnly && !field.result) continue;
        out += indent;
        out += '"';
        out += field.name;
        out += "\": " + FieldValue(record, field.member) + ",\n";
    }
    out += indent;
    out += "\"messages\": [";
    for (int i = 1; i <= status.MessageCount(); ++i) {
        out += (i > 1 ? ", " : "") + JsonString(status.Message(i));
    }
    out += "],\n";
    out += indent;
    out += "\"failed\": ";
    out += status.calculationFailed ? "true" : "false";
}

}  // namespace

const std::vector<std::string>& RecordFieldNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const RecordField& field : core::RecordFields()) list.emplace_back(field.name);
        return list;
    }();
    return names;
}

bool SameInputs(const core::TRBrecord& a, const core::TRBrecord& b) {
    for (const RecordField& field : core::RecordFields()) {
        if (field.result) continue;
        const bool same = std::visit([&](auto pointer) { return a.*pointer == b.*pointer; }, field.member);
        if (!same) return false;
    }
    return true;
}

std::vector<ResultField> RecordResults(const core::TRBrecord& record) {
    std::vector<ResultField> results;
    for (const RecordField& field : core::RecordFields()) {
        if (!field.result) continue;
        if (const auto* member = std::get_if<real TRBrecord::*>(&field.member)) {
            results.push_back({field.name.data(), record.**member});
        }
    }
    return results;
}

std::string CaseJson(const core::TRBrecord& record, const core::RunStatus& status,
                     const core::ClearanceRange* range, const core::Thresholds* thresholds,
                     const film::CaseFilm* film) {
    std::string out = "{\n";
    AppendMembers(out, record, status, "  ", false);
    if (range != nullptr) {
        out += ",\n  \"clearance_range\": {";
        for (core::Clearance clearance : core::kClearances) {
            const core::CaseRun& run = range->At(clearance);
            out += clearance == core::Clearance::Smallest ? "\n" : ",\n";
            out += "    \"";
            out += core::ClearanceKey(clearance);
            out += "\": {\n";
            AppendMembers(out, run.record, run.status, "      ", true);
            out += "\n    }";
        }
        out += "\n  }";
    }
    if (thresholds != nullptr) out += ",\n  \"thresholds\": " + ThresholdsJson(*thresholds, "  ");
    if (film != nullptr) out += ",\n  \"film\": " + FilmJson(*film, "  ");
    out += "\n}\n";
    return out;
}

}  // namespace trb::app
