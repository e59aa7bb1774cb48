#include "verify/report_text.h"

#include <algorithm>
#include <cmath>

#include "text/format.h"

namespace trb::verify {

namespace {

constexpr int kValueColumn = 12;
constexpr int kDeviationColumn = 12;
constexpr int kToleranceColumn = 10;
constexpr int kMarkColumn = 5;

std::string Fit(const std::string& s, int width) {
    if (static_cast<int>(s.size()) <= width) return text::PadRight(s, width);
    return s.substr(0, static_cast<std::size_t>(width - 1)) + "~";
}

// Right-aligned, with at least one blank before it so that neighbouring columns never touch.
std::string Right(const std::string& s, int width) {
    if (static_cast<int>(s.size()) >= width) return " " + s;
    return std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

// x to `digits` significant digits: fixed-point from 0.001 on, below that as mantissa and power of
// ten ("1.61E-4"), so that a small deviation neither vanishes into "0" nor fills its column.
std::string Significant(double x, int digits) {
    if (x == 0) return "0";
    const int e = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    if (e >= -3) return text::FormatDecimals(static_cast<real>(x), std::max(0, digits - 1 - e), {});
    const double mantissa = x / std::pow(10.0, e);
    return text::FormatDecimals(static_cast<real>(mantissa), digits - 1, {}) + "E" + text::IntText(e);
}

std::string Signed(double x, int digits) {
    // Whole numbers (the micrometres of a tolerance class) as they are.
    const std::string body = x == std::round(x) && std::fabs(x) < 1e9
                                 ? text::IntText(static_cast<long long>(x))
                                 : Significant(x, digits);
    return (x > 0 ? "+" : "") + body;
}

// "0.0050" -> "0.005", "5.0E-8" -> "5E-8".
std::string WithoutTrailingZeros(std::string s) {
    const std::size_t point = s.find('.');
    if (point == std::string::npos) return s;
    const std::size_t exponent = std::min(s.find('E'), s.size());
    std::size_t end = exponent;
    while (end > point + 1 && s[end - 1] == '0') --end;
    if (end == point + 1) --end;
    return s.substr(0, end) + s.substr(exponent);
}

}  // namespace

std::string ValueText(const std::optional<double>& value) {
    if (!value) return "-";
    if (!std::isfinite(*value)) return "none";
    if (*value != 0 && std::fabs(*value) < 0.001) return Significant(*value, 6);
    return text::FormatLong(static_cast<real>(*value), {});
}

std::string DeviationText(const Comparison& c) {
    const std::optional<double> d = c.Deviation();
    if (!d) return "-";
    if (c.kind == ToleranceKind::Relative) return (*d > 0 ? "+" : "") + Significant(*d * 100, 3) + " %";
    return Signed(*d, 3);
}

std::string ToleranceText(const Comparison& c) {
    if (c.kind == ToleranceKind::Relative) {
        if (c.tolerance == 0) return "equal";
        return WithoutTrailingZeros(Significant(c.tolerance * 100, 2)) + " %";
    }
    return c.tolerance == 0 ? "exact" : WithoutTrailingZeros(Significant(c.tolerance, 2));
}

std::string ComparisonLine(const Comparison& c) {
    return Fit(c.item, kItemColumn) + Right(ValueText(c.program), kValueColumn) +
           Right(ValueText(c.reference), kValueColumn) + Right(DeviationText(c), kDeviationColumn) +
           Right(ToleranceText(c), kToleranceColumn) + Right(c.Passed() ? "ok" : "FAIL", kMarkColumn);
}

std::vector<std::string> TableLines(const ComparisonTable& table) {
    std::vector<std::string> lines;
    const std::string unit = table.unit.empty() ? "" : " [" + table.unit + "]";
    lines.push_back(Fit("compared" + unit, kItemColumn) + Right("program", kValueColumn) +
                    Right("reference", kValueColumn) + Right("deviation", kDeviationColumn) +
                    Right("tolerance", kToleranceColumn) + Right("pass", kMarkColumn));
    lines.push_back(std::string(lines.front().size(), '-'));
    for (const Comparison& c : table.rows) lines.push_back(ComparisonLine(c));
    return lines;
}

std::vector<std::string> FigureLines(const FigureTable& table) {
    std::vector<std::size_t> widths(table.columns.size());
    for (std::size_t i = 0; i < table.columns.size(); ++i) widths[i] = table.columns[i].size();
    for (const auto& row : table.rows) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    const auto line = [&widths](const std::vector<std::string>& cells) {
        std::string s;
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const std::string cell = i < cells.size() ? cells[i] : "";
            // Names left, figures right.
            s += i < 2 ? text::PadRight(cell, static_cast<int>(widths[i]))
                       : text::PadLeft(cell, static_cast<int>(widths[i]));
            s += "  ";
        }
        return s;
    };
    std::vector<std::string> lines{line(table.columns)};
    for (const auto& row : table.rows) lines.push_back(line(row));
    return lines;
}

std::vector<std::string> Wrapped(const std::vector<std::string>& paragraph, std::size_t width) {
    std::vector<std::string> lines;
    for (const std::string& text : paragraph) {
        // Lines after the first of a paragraph are indented by two.
        std::string rest = text;
        std::string indent;
        while (indent.size() + rest.size() > width) {
            const std::size_t room = width - indent.size();
            std::size_t cut = rest.rfind(' ', room);
            if (cut == std::string::npos || cut == 0) cut = room;
            lines.push_back(indent + rest.substr(0, cut));
            rest = text::TrimText(rest.substr(cut));
            indent = "  ";
        }
        lines.push_back(indent + rest);
    }
    return lines;
}

}  // namespace trb::verify
