#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/iso286.h"
#include "core/iso286_rules.h"

namespace trb::core::iso286 {

// The place of a nominal size in the three range schemes. whole is the whole part of
// |N - 0.001|, which all size limits of the positions are compared with.
struct SizeRanges {
    int whole = 0;
    int main = 0;
    int i = 0;
    int ii = 0;
};
// Nothing at or above 3150.001 mm.
std::optional<SizeRanges> FindSizeRanges(real nominal);

enum class Issue : std::uint8_t {
    None,
    Hint,             // deviations computed, the grade lies outside the usual ones
    Grade,            // grade not defined for the position
    Above500,         // position not defined above 500 mm
    SizeLimit,        // outside the position's other size limit
    UndefinedRange,   // nominal size outside all ranges
    UnknownPosition,  // not a position letter
    UnknownCommand,   // step command with a list character other than w and B
};

// The result of one zone computation, without any text built yet.
struct Outcome {
    ToleranceZone zone;
    Issue issue = Issue::None;
    std::string_view position;  // the position computed (the one a step command selected)
    const PositionRule* rule = nullptr;
    int grade = 0;
};

// The zone of a non-empty position text (or step command) and grade at the nominal size;
// updates the step indices. Does not allocate.
Outcome Evaluate(ToleranceSteps& steps, std::string_view position, int grade, real nominal);

// The message of an outcome, empty when there is none.
std::string MessageText(const Outcome& outcome);

}  // namespace trb::core::iso286
