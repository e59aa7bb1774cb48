#include "core/iso286_zones.h"

#include <algorithm>
#include <cmath>

namespace trb::core::iso286 {

namespace {

// Decimal sizes such as 3.001 mm are not exact in binary; the truncation below must not let
// 3.001 - 0.001 fall just short of 3.
constexpr real kRepresentationSlack = 1e-9L;

template <std::size_t N>
int RangeIndex(const std::array<int, N>& limits, int whole) {
    return static_cast<int>(std::upper_bound(limits.begin(), limits.end(), whole) - limits.begin());
}

bool HoldsSize(SizeRule rule, int whole) {
    switch (rule) {
        case SizeRule::None:
            return true;
        case SizeRule::UpTo10:
            return whole < 10;
        case SizeRule::Above14:
            return whole >= 14;
        case SizeRule::Above18:
            return whole >= 18;
        case SizeRule::Above24:
            return whole >= 24;
    }
    return true;
}

real StandardTolerance(int mainRange, int grade) {
    return kStandardTolerances[static_cast<std::size_t>(mainRange)][static_cast<std::size_t>(grade - 1)];
}

real JUpper(int mainRange, int column) {
    return kJUpperDeviations[static_cast<std::size_t>(mainRange)][static_cast<std::size_t>(column)];
}

// Upper deviation of the holes K..ZC.
real HoleUpperDeviation(const PositionRule& rule, int grade, const SizeRanges& r, real magnitude) {
    if (r.whole >= 500) return -magnitude;
    if (grade <= rule.deltaUpTo) {
        for (const SpecialUpperDeviation& special : kSpecialUpperDeviations) {
            if (special.hole == rule.name[0] && rule.name.size() == 1 && special.grade == grade &&
                special.mainRange == r.main) {
                return special.es;
            }
        }
        return -magnitude + kDelta[static_cast<std::size_t>(r.main)][static_cast<std::size_t>(grade - 3)];
    }
    switch (rule.beyond) {
        case BeyondDelta::Magnitude:
            return -magnitude;
        case BeyondDelta::Zero:
            return 0;
        case BeyondDelta::NRule:
            return r.main == 0 ? -4 : 0;
    }
    return -magnitude;
}

ToleranceZone Zone(const PositionRule& rule, int grade, const SizeRanges& r, real magnitude) {
    const real it = StandardTolerance(r.main, grade);
    switch (rule.family) {
        case Family::ShaftUpper:
            return {-magnitude - it, -magnitude};
        case Family::ShaftZero:
            return {-it, 0};
        case Family::ShaftJ: {
            const real es = JUpper(r.main, grade - 5);
            return {es - it, es};
        }
        case Family::Symmetric:
            return {-it / 2, it / 2};
        case Family::ShaftK: {
            const real ei = grade >= 4 && grade <= 7 ? magnitude : 0;
            return {ei, ei + it};
        }
        case Family::ShaftLower:
        case Family::HoleLower:
            return {magnitude, magnitude + it};
        case Family::HoleZero:
            return {0, it};
        case Family::HoleJ: {
            const real es = JUpper(r.main, 4 + grade - 6);
            return {es - it, es};
        }
        case Family::HoleUpper: {
            const real es = HoleUpperDeviation(rule, grade, r, magnitude);
            return {es - it, es};
        }
    }
    return {};
}

// Applies a step command; returns the selected position, or empty for a bad list character.
std::string_view Step(ToleranceSteps& steps, std::string_view command) {
    const char list = command.size() > 1 ? command[1] : '\0';
    if (list != 'w' && list != 'B') return {};
    const PositionList which = list == 'w' ? PositionList::Shafts : PositionList::Holes;
    int& index = which == PositionList::Shafts ? steps.shaft : steps.hole;
    index = std::clamp(index + (command[0] == '<' ? -1 : 1), 1, kPositionCount);
    return PositionAt(which, index);
}

void RememberPosition(ToleranceSteps& steps, std::string_view position) {
    if (const int i = PositionIndex(PositionList::Shafts, position)) steps.shaft = i;
    if (const int i = PositionIndex(PositionList::Holes, position)) steps.hole = i;
}

// The first refusal or hint of the rule at this grade and size, in the order the checks run.
Issue Check(const PositionRule& rule, int grade, const SizeRanges& r) {
    const bool above500 = r.whole >= 500;
    if (rule.upTo500 && above500) return Issue::Above500;
    if (rule.size.beforeGrades && !HoldsSize(rule.size.rule, r.whole)) return Issue::SizeLimit;
    // The holes K..U take every grade above 500 mm.
    const Grades grades = rule.family == Family::HoleUpper && above500 ? Grades{} : rule.grades;
    if (!grades.Contain(grade)) return Issue::Grade;
    if (!HoldsSize(rule.size.rule, r.whole)) return Issue::SizeLimit;
    if (!rule.hint.Contain(grade)) return Issue::Hint;
    return Issue::None;
}

}  // namespace

std::optional<SizeRanges> FindSizeRanges(real nominal) {
    const real shifted = std::fabs(nominal - 0.001L) + kRepresentationSlack;
    if (!(shifted < kMainRangeLimits.back())) return std::nullopt;  // also NaN
    SizeRanges r;
    r.whole = static_cast<int>(shifted);
    r.main = RangeIndex(kMainRangeLimits, r.whole);
    r.i = RangeIndex(kRangeLimitsI, r.whole);
    r.ii = RangeIndex(kRangeLimitsII, r.whole);
    return r;
}

Outcome Evaluate(ToleranceSteps& steps, std::string_view position, int grade, real nominal) {
    Outcome out;
    out.position = position;
    out.grade = grade;
    if (!position.empty() && (position[0] == '<' || position[0] == '>')) {
        out.position = Step(steps, position);
        if (out.position.empty()) {
            out.position = position;
            out.issue = Issue::UnknownCommand;
            return out;
        }
    } else {
        RememberPosition(steps, position);
    }
    const std::optional<SizeRanges> ranges = FindSizeRanges(nominal);
    if (!ranges) {
        out.issue = Issue::UndefinedRange;
        return out;
    }
    out.rule = FindRule(out.position);
    if (out.rule == nullptr) {
        out.issue = Issue::UnknownPosition;
        return out;
    }
    out.issue = Check(*out.rule, grade, *ranges);
    if (out.issue != Issue::None && out.issue != Issue::Hint) return out;

    int magnitude = 0;
    if (out.rule->source.scheme != Scheme::None) {
        magnitude = Magnitude(out.rule->source, ranges->main, ranges->i, ranges->ii);
        if (magnitude == kNone) {  // the tables and the rules disagree; refuse rather than guess
            out.issue = Issue::UndefinedRange;
            return out;
        }
    }
    out.zone = Zone(*out.rule, grade, *ranges, magnitude);
    return out;
}

std::string MessageText(const Outcome& out) {
    const std::string grade = std::to_string(out.grade);
    std::string name = out.rule != nullptr ? std::string(out.rule->name) : std::string(out.position);
    switch (out.issue) {
        case Issue::None:
            return {};
        case Issue::Hint:
            return std::string(out.rule->hintText);
        case Issue::Grade:
            return "Toleranzgrad " + grade + " nicht definiert f\x81r Lage " + name;
        case Issue::Above500:
            return "d>500 nicht definiert f\x81r Lage " + name;
        case Issue::SizeLimit: {
            if (out.rule->size.withGrade) name += " " + grade;
            return name + " ist nur im Bereich " + std::string(out.rule->size.text) + " definiert";
        }
        case Issue::UndefinedRange:
            return "Undefinierter Nennmassbereich";
        case Issue::UnknownPosition:
            return "unbekannte Toleranzlage";
        case Issue::UnknownCommand:
            return "unknown command character !";
    }
    return {};
}

}  // namespace trb::core::iso286
