#pragma once

#include <string>

// The separator lines of text printouts in the four styles of "Mode für Textausdruck":
// 1 ASCII, 2 code page 850 box drawing, 3 blank, 4 compact (no separator lines at all).
namespace trb::report {

enum class Rule { Thin, Double, BoxTop, BoxSeparator, BoxBottom };

inline constexpr int kRuleWidth = 70;

// Styles outside 1..4 count as style 1.
int NormalisedLineStyle(int style);
// The 70-character rule (code page 850), or the no-line marker in style 4.
std::string RuleText(int style, Rule rule);
// The frame character of the header box.
char FrameChar(int style);

}  // namespace trb::report
