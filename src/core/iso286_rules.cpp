#include "core/iso286_rules.h"

#include <array>

namespace trb::core::iso286 {

namespace {

using F = Family;

constexpr Source Main(MainColumn c) {
    return {Scheme::Main, static_cast<int>(c)};
}
constexpr Source I(ColumnI c) {
    return {Scheme::I, static_cast<int>(c)};
}
constexpr Source II(ColumnII c) {
    return {Scheme::II, static_cast<int>(c)};
}

constexpr SizeLimit kUpTo10{SizeRule::UpTo10, "1 bis 10 mm"};
constexpr SizeLimit kUpTo10WithGrade{SizeRule::UpTo10, "1 bis 10 mm", true};

// Shafts, in the order of the position list.
constexpr std::array<PositionRule, 28> kShaftRules = {{
    {.name = "a",
     .family = F::ShaftUpper,
     .source = I(ColumnI::a),
     .upTo500 = true,
     .hint = {9, 13},
     .hintText = "a9..a13"},
    {.name = "b",
     .family = F::ShaftUpper,
     .source = I(ColumnI::b),
     .upTo500 = true,
     .hint = {8, 13},
     .hintText = "b8..b13"},
    {.name = "c",
     .family = F::ShaftUpper,
     .source = I(ColumnI::c),
     .upTo500 = true,
     .hint = {8, 12},
     .hintText = "c8..c12"},
    {.name = "cd",
     .family = F::ShaftUpper,
     .source = Main(MainColumn::cd),
     .size = kUpTo10,
     .hint = {5, 10},
     .hintText = "cd 5 .. cd 10"},
    {.name = "d",
     .family = F::ShaftUpper,
     .source = Main(MainColumn::d),
     .hint = {5, 13},
     .hintText = "d5..d13"},
    {.name = "e",
     .family = F::ShaftUpper,
     .source = Main(MainColumn::e),
     .hint = {5, 10},
     .hintText = "e5..e10"},
    {.name = "ef",
     .family = F::ShaftUpper,
     .source = Main(MainColumn::ef),
     .size = kUpTo10,
     .hint = {3, 10},
     .hintText = "ef 3 .. ef 10"},
    {.name = "f",
     .family = F::ShaftUpper,
     .source = Main(MainColumn::f),
     .hint = {3, 10},
     .hintText = "f3..f10"},
    {.name = "fg",
     .family = F::ShaftUpper,
     .source = Main(MainColumn::fg),
     .size = kUpTo10,
     .hint = {3, 10},
     .hintText = "fg 3 .. fg 10"},
    {.name = "g",
     .family = F::ShaftUpper,
     .source = Main(MainColumn::g),
     .hint = {3, 10},
     .hintText = "g3..g10"},
    {.name = "h", .family = F::ShaftZero},
    {.name = "j", .family = F::ShaftJ, .grades = {5, 8}, .upTo500 = true},
    {.name = "js", .family = F::Symmetric},
    {.name = "k", .family = F::ShaftK, .source = Main(MainColumn::k)},
    {.name = "m",
     .family = F::ShaftLower,
     .source = Main(MainColumn::m),
     .hint = {3, 9},
     .hintText = "m3..m9"},
    {.name = "n",
     .family = F::ShaftLower,
     .source = Main(MainColumn::n),
     .hint = {3, 9},
     .hintText = "n3..n9"},
    {.name = "p",
     .family = F::ShaftLower,
     .source = Main(MainColumn::p),
     .hint = {3, 10},
     .hintText = "p3..p10"},
    {.name = "r", .family = F::ShaftLower, .source = I(ColumnI::r), .hint = {3, 10}, .hintText = "r3..r10"},
    {.name = "s", .family = F::ShaftLower, .source = I(ColumnI::s), .hint = {3, 10}, .hintText = "s3..s10"},
    {.name = "t",
     .family = F::ShaftLower,
     .source = II(ColumnII::t),
     .size = {SizeRule::Above24, "> 24 mm"},
     .hint = {5, 9},
     .hintText = "t5..t9"},
    {.name = "u", .family = F::ShaftLower, .source = II(ColumnII::u), .hint = {5, 9}, .hintText = "u5..u9"},
    {.name = "v",
     .family = F::ShaftLower,
     .source = II(ColumnII::v),
     .upTo500 = true,
     .size = {SizeRule::Above14, "> 14 bis 500 mm"},
     .hint = {5, 8},
     .hintText = "v5..v8"},
    {.name = "x",
     .family = F::ShaftLower,
     .source = II(ColumnII::x),
     .upTo500 = true,
     .hint = {5, 11},
     .hintText = "x5..x11"},
    {.name = "y",
     .family = F::ShaftLower,
     .source = II(ColumnII::y),
     .upTo500 = true,
     .size = {SizeRule::Above18, "> 18 bis 500 mm"},
     .hint = {5, 10},
     .hintText = "y5..y10"},
    {.name = "z",
     .family = F::ShaftLower,
     .source = II(ColumnII::z),
     .upTo500 = true,
     .hint = {6, 11},
     .hintText = "z6..z11"},
    {.name = "za", .family = F::ShaftLower, .source = II(ColumnII::za), .grades = {6, 11}, .upTo500 = true},
    {.name = "zb", .family = F::ShaftLower, .source = II(ColumnII::zb), .grades = {7, 11}, .upTo500 = true},
    {.name = "zc", .family = F::ShaftLower, .source = II(ColumnII::zc), .grades = {7, 11}, .upTo500 = true},
}};

// Holes, in the order of the position list. K..U continue above 500 mm with grades 1..18 and
// ES = -magnitude; the grades given here are those up to 500 mm.
constexpr std::array<PositionRule, 28> kHoleRules = {{
    {.name = "A", .family = F::HoleLower, .source = I(ColumnI::a), .grades = {9, 13}, .upTo500 = true},
    {.name = "B", .family = F::HoleLower, .source = I(ColumnI::b), .grades = {8, 13}, .upTo500 = true},
    {.name = "C", .family = F::HoleLower, .source = I(ColumnI::c), .grades = {8, 13}, .upTo500 = true},
    {.name = "CD",
     .family = F::HoleLower,
     .source = Main(MainColumn::cd),
     .grades = {6, 10},
     .size = kUpTo10},
    {.name = "D", .family = F::HoleLower, .source = Main(MainColumn::d), .grades = {6, 13}},
    {.name = "E", .family = F::HoleLower, .source = Main(MainColumn::e), .grades = {5, 10}},
    {.name = "EF",
     .family = F::HoleLower,
     .source = Main(MainColumn::ef),
     .grades = {3, 10},
     .size = kUpTo10WithGrade},
    {.name = "F", .family = F::HoleLower, .source = Main(MainColumn::f), .grades = {3, 10}},
    {.name = "FG",
     .family = F::HoleLower,
     .source = Main(MainColumn::fg),
     .grades = {3, 10},
     .size = kUpTo10WithGrade},
    {.name = "G", .family = F::HoleLower, .source = Main(MainColumn::g), .grades = {3, 10}},
    {.name = "H", .family = F::HoleZero},
    {.name = "J", .family = F::HoleJ, .grades = {6, 8}, .upTo500 = true},
    {.name = "JS", .family = F::Symmetric},
    {.name = "K",
     .family = F::HoleUpper,
     .source = Main(MainColumn::k),
     .grades = {3, 18},
     .deltaUpTo = 8,
     .beyond = BeyondDelta::Zero},
    {.name = "M", .family = F::HoleUpper, .source = Main(MainColumn::m), .grades = {3, 18}, .deltaUpTo = 8},
    {.name = "N",
     .family = F::HoleUpper,
     .source = Main(MainColumn::n),
     .grades = {3, 11},
     .deltaUpTo = 8,
     .beyond = BeyondDelta::NRule},
    {.name = "P", .family = F::HoleUpper, .source = Main(MainColumn::p), .grades = {3, 18}, .deltaUpTo = 7},
    {.name = "R", .family = F::HoleUpper, .source = I(ColumnI::r), .grades = {3, 18}, .deltaUpTo = 7},
    {.name = "S", .family = F::HoleUpper, .source = I(ColumnI::s), .grades = {3, 18}, .deltaUpTo = 7},
    {.name = "T",
     .family = F::HoleUpper,
     .source = II(ColumnII::t),
     .grades = {3, 18},
     .size = {SizeRule::Above24, "> 24 mm", false, true},
     .deltaUpTo = 7},
    {.name = "U", .family = F::HoleUpper, .source = II(ColumnII::u), .grades = {3, 18}, .deltaUpTo = 7},
    {.name = "V",
     .family = F::HoleUpper,
     .source = II(ColumnII::v),
     .grades = {3, 18},
     .upTo500 = true,
     .size = {SizeRule::Above14, "> 14 mm", true, true},
     .deltaUpTo = 7},
    {.name = "X",
     .family = F::HoleUpper,
     .source = II(ColumnII::x),
     .grades = {3, 18},
     .upTo500 = true,
     .deltaUpTo = 7},
    {.name = "Y",
     .family = F::HoleUpper,
     .source = II(ColumnII::y),
     .grades = {3, 18},
     .upTo500 = true,
     .size = {SizeRule::Above18, "> 18 mm", true, true},
     .deltaUpTo = 7},
    {.name = "Z",
     .family = F::HoleUpper,
     .source = II(ColumnII::z),
     .grades = {3, 18},
     .upTo500 = true,
     .deltaUpTo = 7},
    {.name = "ZA",
     .family = F::HoleUpper,
     .source = II(ColumnII::za),
     .grades = {3, 18},
     .upTo500 = true,
     .deltaUpTo = 7},
    {.name = "ZB",
     .family = F::HoleUpper,
     .source = II(ColumnII::zb),
     .grades = {3, 18},
     .upTo500 = true,
     .deltaUpTo = 7},
    {.name = "ZC",
     .family = F::HoleUpper,
     .source = II(ColumnII::zc),
     .grades = {3, 18},
     .upTo500 = true,
     .deltaUpTo = 7},
}};

bool IsTwoLetterPosition(std::string_view p) {
    static constexpr std::array<std::string_view, 16> kTwoLetter = {
        "cd", "ef", "fg", "js", "is", "za", "zb", "zc", "CD", "EF", "FG", "JS", "IS", "ZA", "ZB", "ZC"};
    for (std::string_view t : kTwoLetter) {
        if (p == t) return true;
    }
    return false;
}

const PositionRule* FindIn(const std::array<PositionRule, 28>& rules, std::string_view name) {
    for (const PositionRule& rule : rules) {
        if (rule.name == name) return &rule;
    }
    return nullptr;
}

}  // namespace

const PositionRule* FindRule(std::string_view position) {
    if (position.empty()) return nullptr;
    if (position.size() > 2 || !IsTwoLetterPosition(position)) position = position.substr(0, 1);
    if (position == "is") position = "js";
    if (position == "IS") position = "JS";
    const bool hole = position[0] >= 'A' && position[0] <= 'Z';
    return FindIn(hole ? kHoleRules : kShaftRules, position);
}

std::string_view PositionAt(PositionList list, int index) {
    const auto& rules = list == PositionList::Holes ? kHoleRules : kShaftRules;
    return rules[static_cast<std::size_t>(index - 1)].name;
}

int PositionIndex(PositionList list, std::string_view position) {
    const auto& rules = list == PositionList::Holes ? kHoleRules : kShaftRules;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i].name == position) return static_cast<int>(i) + 1;
    }
    return 0;
}

int Magnitude(Source source, int mainRange, int rangeI, int rangeII) {
    const auto at = [](const auto& table, int row, int column) -> int {
        return table[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    };
    switch (source.scheme) {
        case Scheme::Main:
            return at(kMainDeviations, mainRange, source.column);
        case Scheme::I:
            return at(kDeviationsI, rangeI, source.column);
        case Scheme::II:
            return at(kDeviationsII, rangeII, source.column);
        case Scheme::None:
            break;
    }
    return kNone;
}

}  // namespace trb::core::iso286
