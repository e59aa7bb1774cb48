#include "app/thresholds_json.h"

#include "app/json_text.h"

namespace trb::app {

namespace {

std::string NumberList(const std::vector<real>& values) {
    std::string list = "[";
    for (std::size_t i = 0; i < values.size(); ++i) list += (i > 0 ? ", " : "") + JsonNumber(values[i]);
    return list + "]";
}

void AppendClearance(std::string& out, const core::ClearanceThresholds& at, const std::string& indent) {
    for (core::ThresholdInput input : core::kThresholdInputs) {
        for (core::ThresholdLimit limit : core::kThresholdLimits) {
            out += indent + "\"";
            out += core::ThresholdInputKey(input);
            out += "_";
            out += core::ThresholdLimitKey(limit);
            out += "\": " + NumberList(at.At(input, limit)) + ",\n";
        }
    }
    out += indent + "\"load_plim\": " + JsonNumber(at.loadAtPlim);
}

}  // namespace

std::string ThresholdsJson(const core::Thresholds& thresholds, std::string_view indent) {
    const std::string outer(indent);
    const std::string inner = outer + "  ";
    std::string out = "{";
    for (core::Clearance clearance : core::kClearances) {
        out += clearance == core::Clearance::Smallest ? "\n" : ",\n";
        out += inner + "\"";
        out += core::ClearanceKey(clearance);
        out += "\": {\n";
        AppendClearance(out, thresholds.At(clearance), inner + "  ");
        out += "\n" + inner + "}";
    }
    return out + "\n" + outer + "}";
}

}  // namespace trb::app
