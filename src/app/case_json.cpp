#include "app/case_json.h"

#include <variant>

#include "app/film_json.h"
#include "app/json_text.h"
#include "app/thresholds_json.h"
#include "text/cp850.h"

namespace trb::app {

namespace {

using core::TRBrecord;
using Member =
    std::variant<real TRBrecord::*, std::string TRBrecord::*, std::uint16_t TRBrecord::*, bool TRBrecord::*>;

struct Field {
    const char* name;
    Member member;
};

#define TRB_FIELD(name)         \
    Field {                     \
#name, &TRBrecord::name \
    }

const Field kFields[] = {
    // inputs
    TRB_FIELD(db),
    TRB_FIELD(dbmax),
    TRB_FIELD(dbmin),
    TRB_FIELD(rzb),
    TRB_FIELD(nb),
    TRB_FIELD(alpha1b),
    TRB_FIELD(b),
    TRB_FIELD(dh),
    TRB_FIELD(omega),
    TRB_FIELD(ds),
    TRB_FIELD(dsmax),
    TRB_FIELD(dsmin),
    TRB_FIELD(rzs),
    TRB_FIELD(ns),
    TRB_FIELD(alpha1s),
    TRB_FIELD(rho),
    TRB_FIELD(pe),
    TRB_FIELD(t1),
    TRB_FIELD(ta),
    TRB_FIELD(c),
    TRB_FIELD(f),
    TRB_FIELD(a),
    TRB_FIELD(k),
    TRB_FIELD(toldb),
    TRB_FIELD(tolds),
    TRB_FIELD(schmier),
    TRB_FIELD(druckschmierung),
    TRB_FIELD(zufuhr),
    TRB_FIELD(bg),
    TRB_FIELD(bp),
    TRB_FIELD(phia),
    TRB_FIELD(phie),
    TRB_FIELD(plim),
    TRB_FIELD(tblim),
    TRB_FIELD(h0lim),
    TRB_FIELD(de),
    TRB_FIELD(din1850rec),
    TRB_FIELD(bfactor),
    // results
    TRB_FIELD(ws),
    TRB_FIELD(wb),
    TRB_FIELD(weff),
    TRB_FIELD(us),
    TRB_FIELD(ub),
    TRB_FIELD(re),
    TRB_FIELD(relim),
    TRB_FIELD(dt20),
    TRB_FIELD(teff),
    TRB_FIELD(eta40),
    TRB_FIELD(nu40),
    TRB_FIELD(nueff),
    TRB_FIELD(etaeff),
    TRB_FIELD(seff),
    TRB_FIELD(smin),
    TRB_FIELD(smax),
    TRB_FIELD(s20),
    TRB_FIELD(s20min),
    TRB_FIELD(s20max),
    TRB_FIELD(psimin),
    TRB_FIELD(psimax),
    TRB_FIELD(psieff),
    TRB_FIELD(psim),
    TRB_FIELD(dpsi),
    TRB_FIELD(p),
    TRB_FIELD(epsilon),
    TRB_FIELD(e),
    TRB_FIELD(so),
    TRB_FIELD(h0),
    TRB_FIELD(mupsi),
    TRB_FIELD(mu),
    TRB_FIELD(p0),
    TRB_FIELD(pa),
    TRB_FIELD(t2),
    TRB_FIELD(t2new),
    TRB_FIELD(tb),
    TRB_FIELD(tbnew),
    TRB_FIELD(q1),
    TRB_FIELD(q1c),
    TRB_FIELD(q2),
    TRB_FIELD(q2c),
    TRB_FIELD(q),
    TRB_FIELD(pq),
    TRB_FIELD(eta20),
    TRB_FIELD(epstr20),
    TRB_FIELD(epstreff),
    TRB_FIELD(sotr20),
    TRB_FIELD(sotreff),
    TRB_FIELD(ntr20),
    TRB_FIELD(ntreff),
};

#undef TRB_FIELD

}  // namespace

// A code page 850 text as a JSON string.
std::string JsonString(std::string_view oem) {
    std::string utf8;
    for (char byte : oem) text::AppendUtf8(utf8, text::Cp850ToUnicode(static_cast<unsigned char>(byte)));
    return JsonText(utf8);
}

namespace {

std::string FieldValue(const TRBrecord& record, const Member& member) {
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

// The first result field: everything from here on is written by the calculation run.
constexpr std::string_view kFirstResultField = "ws";

bool IsResult(const Field& field) {
    static const std::ptrdiff_t first = [] {
        for (const Field& f : kFields) {
            if (f.name == kFirstResultField) return &f - kFields;
        }
        return std::ptrdiff_t{0};
    }();
    return &field - kFields >= first;
}

// The members of one object, each on a line of its own after `indent`: the fields (all of them, or
// only the results), the messages and the failed flag.
void AppendMembers(std::string& out, const TRBrecord& record, const core::RunStatus& status,
                   std::string_view indent, bool resultsOnly) {
    for (const Field& field : kFields) {
        if (resultsOnly && !IsResult(field)) continue;
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
        for (const Field& field : kFields) list.emplace_back(field.name);
        return list;
    }();
    return names;
}

bool SameInputs(const core::TRBrecord& a, const core::TRBrecord& b) {
    for (const Field& field : kFields) {
        if (IsResult(field)) continue;
        const bool same = std::visit([&](auto pointer) { return a.*pointer == b.*pointer; }, field.member);
        if (!same) return false;
    }
    return true;
}

std::vector<ResultField> RecordResults(const core::TRBrecord& record) {
    std::vector<ResultField> results;
    for (const Field& field : kFields) {
        if (!IsResult(field)) continue;
        if (const auto* member = std::get_if<real TRBrecord::*>(&field.member)) {
            results.push_back({field.name, record.**member});
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
