#pragma once

#include <cstdint>
#include <string_view>

#include "core/iso286_tables.h"

namespace trb::core::iso286 {

// How a position turns its fundamental deviation and the standard tolerance into a zone.
enum class Family : std::uint8_t {
    ShaftUpper,  // a..g: es = -magnitude, ei = es - IT
    ShaftZero,   // h: es = 0
    ShaftJ,      // j: es from the j table
    Symmetric,   // js, JS: ±IT/2
    ShaftK,      // k: ei = magnitude for grades 4..7, else 0
    ShaftLower,  // m..zc: ei = +magnitude, es = ei + IT
    HoleLower,   // A..G: EI = +magnitude, ES = EI + IT
    HoleZero,    // H: EI = 0
    HoleJ,       // J: ES from the J table
    HoleUpper,   // K..ZC: ES = -magnitude (+Δ), EI = ES - IT
};

// Where the magnitude of a position comes from: a size-range scheme and a column of its table.
enum class Scheme : std::uint8_t { None, Main, I, II };
struct Source {
    Scheme scheme = Scheme::None;
    int column = 0;
};

// A size limit of the position besides the 500 mm one.
enum class SizeRule : std::uint8_t { None, UpTo10, Above14, Above18, Above24 };
struct SizeLimit {
    SizeRule rule = SizeRule::None;
    std::string_view text{};    // the range as the message states it ("> 14 bis 500 mm")
    bool withGrade = false;     // the message names the grade after the position
    bool beforeGrades = false;  // tested before the grades
};

struct Grades {
    int min = 1;
    int max = 18;
    bool Contain(int grade) const { return grade >= min && grade <= max; }
};

// Upper deviation of the holes K..ZC at grades above those that take Δ.
enum class BeyondDelta : std::uint8_t {
    Magnitude,  // ES = -magnitude
    Zero,       // ES = 0 (K)
    NRule,      // ES = -4 up to 3 mm, 0 above (N)
};

struct PositionRule {
    std::string_view name{};
    Family family = Family::ShaftZero;
    Source source{};
    Grades grades{};       // accepted grades (up to 500 mm for the holes K..U)
    bool upTo500 = false;  // refused above 500 mm
    SizeLimit size{};
    Grades hint{};  // shafts: grades outside give hintText as the message
    std::string_view hintText{};
    int deltaUpTo = 0;  // holes K..ZC up to 500 mm: Δ applies to grades 3..deltaUpTo
    BeyondDelta beyond = BeyondDelta::Magnitude;
};

// The rule of a position ("a", "cd", "JS" ...), nullptr for an unknown one. Positions other than
// the recognised two-letter ones count by their first letter; "is" and "IS" stand for js and JS.
const PositionRule* FindRule(std::string_view position);

// The position lists a, b, c, cd ... zc and A, B, C, CD ... ZC; index counted from 1.
enum class PositionList : std::uint8_t { Shafts, Holes };
inline constexpr int kPositionCount = 28;
std::string_view PositionAt(PositionList list, int index);
// The place of the position in the list, 0 when the list does not hold it.
int PositionIndex(PositionList list, std::string_view position);

// The fundamental deviation magnitude of the source in the given ranges (indices into the three
// range schemes), kNone where the standard gives none.
int Magnitude(Source source, int mainRange, int rangeI, int rangeII);

}  // namespace trb::core::iso286
