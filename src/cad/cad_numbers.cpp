#include "cad/cad_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "text/format.h"

namespace trb::cad {

std::string FixedText(real value, int decimals, char point) {
    decimals = std::clamp(decimals, 0, 32);
    if (!std::isfinite(value)) value = 0;
    std::array<char, 128> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (error != std::errc()) return "0";  // beyond 1e90: not a drawing coordinate
    std::string text(buffer.data(), end);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    if (point != '.') std::replace(text.begin(), text.end(), '.', point);
    return text;
}

std::string CompactText(real value, const text::FormatOptions& options) {
    text::FormatOptions withPoint = options;
    withPoint.decimalSeparator = 1;
    return text::TrimText(text::FormatShort(value, withPoint));
}

bool IsFullTurn(real phi1, real phi2) {
    constexpr real kTolerance = 1e-5L;
    const auto near = [](real a, real b) { return std::fabs(a - b) <= kTolerance; };
    return near(phi1, phi2) || (near(phi1, 0) && near(phi2, 360)) || (near(phi1, 360) && near(phi2, 0));
}

}  // namespace trb::cad
