#include <algorithm>
#include <cmath>
#include <string>

#include "graphics/driver.h"
#include "graphics/vektor.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

constexpr std::string_view kPlusMinus = "\xF1";  // "±" in code page 850
// Where the upper of two deviations stands (in symbol scales above the lower one's 0.5): the
// deviation texts are 2.5 high, so the lower one's top is at 3.0.
constexpr real kStackedUpper = 4.25L;

real Length(std::string_view text) {
    return static_cast<real>(text.size());
}

// A deviation as it is written beside the nominal size: negative as given, positive with "+",
// zero not at all.
std::string SignedDeviation(std::string_view text) {
    const real value = text::TextToReal(text);
    if (value == 0) return {};
    if (value < 0 || text.starts_with('+')) return std::string(text);
    return "+" + std::string(text);
}

}  // namespace

void Driver::CadArrow(real angle, real x, real y) {
    const real l = 3.5L * symbolScale_;
    CadSolid(x, y, x + l * CosDeg(angle + 10), y + l * SinDeg(angle + 10), x + l * CosDeg(angle - 10),
             y + l * SinDeg(angle - 10), x + l * CosDeg(angle), y + l * SinDeg(angle));
    CadLine(x, y, x + l * CosDeg(angle), y + l * SinDeg(angle));
}

// Writes the deviations beside a nominal size. `along` is the position along the dimension
// line, `base` the dimension line itself; offsets go up (horizontal) or left (vertical). Two
// deviations are stacked one and a half text heights apart, so that they never touch.
void Driver::ToleranceTexts(std::string_view upper, std::string_view lower, real along, real base,
                            bool vertical) {
    const real s = symbolScale_;
    const auto put = [&](std::string_view text, real offset) {
        if (vertical) {
            CadText(text, base - offset, along);
        } else {
            CadText(text, along, base + offset);
        }
    };
    if (upper.empty() && lower.empty()) return;
    if (upper.empty()) {
        put(lower, 0.5L * s);
        return;
    }
    if (lower.empty()) {
        put(upper, 2.5L * s);
        return;
    }
    const real u = text::TextToReal(upper), l = text::TextToReal(lower);
    if (u != -l || u == 0) {
        put(SignedDeviation(lower), 0.5L * s);
        put(SignedDeviation(upper), kStackedUpper * s);
    } else {
        put(std::string(kPlusMinus) + std::string(upper), 1.25L * s);
    }
}

void Driver::CadDimHorizontal(std::string_view text, std::string_view upper, std::string_view lower, real x1,
                              real x2, real y) {
    const real s = symbolScale_;
    if (x1 > x2) std::swap(x1, x2);
    // Short dimensions get their arrows outside.
    if (s > 0 && (x2 - x1) / s <= 10) std::swap(x1, x2);
    const real w0 = Screen() ? settings_.screenTextWidthFactor : settings_.cadTextWidthFactor;
    CadTextStyle(2, 0, 3.5L * s, 2.5L * s);
    const real t = (std::max(Length(upper), Length(lower)) + 1) * 1.8L * style_.widthFactor * s * 1.1L;
    const real g = Length(text) * 2.5L * w0 * s * 1.2L + t;
    const real xt = (x1 + x2) / 2 - g / 2;
    CadText(text, xt, y + s);
    CadTextStyle(2, 0, 2.5L * s, 1.8L * s);
    const real xt2 = (Length(text) + 1) * 2.5L * style_.widthFactor * s * 1.2L + xt;
    ToleranceTexts(upper, lower, xt2, y, false);
    CadLine(x1, y, x2, y);
    CadArrow(0, x1, y);
    CadArrow(180, x2, y);
}

void Driver::CadDimVertical(std::string_view text, std::string_view upper, std::string_view lower, real y1,
                            real y2, real x) {
    const real s = symbolScale_;
    if (y1 > y2) std::swap(y1, y2);
    if (s > 0 && (y2 - y1) / s <= 10) std::swap(y1, y2);
    const real w0 = Screen() ? settings_.screenTextWidthFactor : settings_.cadTextWidthFactor;
    CadTextStyle(2, 90, 3.5L * s, 2.5L * s);
    const real t = (std::max(Length(upper), Length(lower)) + 1) * 1.8L * style_.widthFactor * s * 1.1L;
    const real g = Length(text) * 2.5L * w0 * s * 1.2L + t;
    const real yt = (y1 + y2) / 2 - g / 2;
    CadText(text, x - s, yt);
    CadTextStyle(2, 90, 2.5L * s, 1.8L * s);
    const real yt2 = (Length(text) + 1) * 2.5L * style_.widthFactor * s * 1.2L + yt;
    ToleranceTexts(upper, lower, yt2, x, true);
    CadLine(x, y1, x, y2);
    CadArrow(90, x, y1);
    CadArrow(270, x, y2);
}

void Driver::CadDimHorizontalExt(std::string_view text, std::string_view upper, std::string_view lower,
                                 real xa, real ya, real xb, real yb, real y) {
    const real s = symbolScale_;
    CadColor(3);
    CadLine(xa, ya, xa, y < ya ? y - s : y + s);
    CadLine(xb, yb, xb, y < yb ? y - s : y + s);
    CadDimHorizontal(text, upper, lower, xa, xb, y);
}

void Driver::CadDimVerticalExt(std::string_view text, std::string_view upper, std::string_view lower, real xa,
                               real ya, real xb, real yb, real x) {
    const real s = symbolScale_;
    CadColor(3);
    CadLine(xa, ya, x < xa ? x - s : x + s, ya);
    CadLine(xb, yb, x < xb ? x - s : x + s, yb);
    CadDimVertical(text, upper, lower, ya, yb, x);
}

}  // namespace trb::graphics
