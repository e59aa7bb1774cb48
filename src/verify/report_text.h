#pragma once

#include <string>
#include <vector>

#include "verify/comparison.h"

// The verification as text in fixed columns: what the report pages and the command line print.
namespace trb::verify {

// A value as the tables print it: six significant digits, "-" where there is none.
std::string ValueText(const std::optional<double>& value);
// The deviation to three significant digits: a relative one in per cent with its sign, an absolute
// one in the quantity's unit.
std::string DeviationText(const Comparison& c);
std::string ToleranceText(const Comparison& c);
// "item  program  reference  deviation  tolerance  ok|FAIL" in one line.
std::string ComparisonLine(const Comparison& c);

// The lines of a table in fixed columns, a header line first; item texts longer than their column
// are cut with "~".
inline constexpr int kItemColumn = 50;
std::vector<std::string> TableLines(const ComparisonTable& table);
std::vector<std::string> FigureLines(const FigureTable& table);

// The lines of a text wrapped at `width` characters between words.
std::vector<std::string> Wrapped(const std::vector<std::string>& paragraph, std::size_t width);

}  // namespace trb::verify
