#include <algorithm>
#include <cmath>

#include "text/format.h"

// Unit-aware display and parsing: values stay metric inside the program; the English unit
// system converts at display and parse time only.
namespace trb::text {

namespace {
real ToInch(real mm) {
    return mm * kMmToInch;
}
real ToPsi(real mpa) {
    return mpa * kMpaToPsi;
}
real ToFahrenheit(real celsius) {
    return celsius * kFahrenheitPerCelsius + 32;
}
bool Plain(const FormatOptions& options) {
    return options.specialCharacters == 1;
}
// Lengths in inches are some 25 times smaller numbers than in mm: a film thickness of a few µm
// needs more decimals than its mm text to keep four significant digits.
constexpr int kInchDigits = 4;
// SignificantLayout gives one digit more from 1 on than below it.
Layout InchLayout(real inch) {
    return SignificantLayout(inch, std::fabs(inch) < 1 ? kInchDigits : kInchDigits - 1);
}
int InchDecimals(real inch, int decimals) {
    if (inch == 0 || !std::isfinite(inch)) return decimals;
    return std::max(decimals, InchLayout(inch).decimals);
}
}  // namespace

bool EnglishUnits(const FormatOptions& options) {
    return options.units == 1;
}

std::string FormatLengthInch4(real mm, const FormatOptions& options) {
    return EnglishUnits(options) ? FormatDecimals(ToInch(mm), 4, options) : FormatShort(mm, options);
}

std::string FormatLengthShort(real mm, const FormatOptions& options) {
    if (!EnglishUnits(options)) return FormatShort(mm, options);
    const real inch = ToInch(mm);
    if (!std::isfinite(inch) || !(std::fabs(inch) >= 0.00001L)) return "0";
    const Layout layout = InchLayout(inch);
    return FormatFixed(inch, layout.integerDigits, layout.decimals, options);
}

std::string FormatLengthFixed(real mm, int width, int decimals, const FormatOptions& options) {
    if (!EnglishUnits(options)) return FormatFixed(mm, width, decimals, options);
    const real inch = ToInch(mm);
    return FormatFixed(inch, std::max(width - 1, 1), InchDecimals(inch, decimals + 1), options);
}

std::string FormatLengthDecimals(real mm, int decimals, const FormatOptions& options) {
    if (!EnglishUnits(options)) return FormatDecimals(mm, decimals, options);
    const real inch = ToInch(mm);
    return FormatDecimals(inch, InchDecimals(inch, decimals + 1), options);
}

std::string FormatLengthLong(real mm, const FormatOptions& options) {
    if (!EnglishUnits(options)) return FormatLong(mm, options);
    const real inch = ToInch(mm);
    return FormatDecimals(inch, InchDecimals(inch, 4), options);
}

std::string FormatPressureFixed(real mpa, int width, int decimals, const FormatOptions& options) {
    if (!EnglishUnits(options)) return FormatFixed(mpa, width, decimals, options);
    return FormatFixed(ToPsi(mpa), width + 2, std::max(0, decimals - 2), options);
}

std::string FormatPressureShort(real mpa, const FormatOptions& options) {
    return FormatShort(EnglishUnits(options) ? ToPsi(mpa) : mpa, options);
}

std::string FormatForceShort(real newton, const FormatOptions& options) {
    return FormatShort(ForceValue(newton, options), options);
}

real ForceValue(real newton, const FormatOptions& options) {
    return EnglishUnits(options) ? newton * kNewtonToLbf : newton;
}

std::string FormatTemperatureFixed(real celsius, int width, int decimals, const FormatOptions& options) {
    return FormatFixed(EnglishUnits(options) ? ToFahrenheit(celsius) : celsius, width, decimals, options);
}

std::string FormatTemperatureShort(real celsius, const FormatOptions& options) {
    return FormatShort(EnglishUnits(options) ? ToFahrenheit(celsius) : celsius, options);
}

std::string FormatRoughnessFixed(real micrometre, int width, int decimals, const FormatOptions& options) {
    if (!EnglishUnits(options)) return FormatFixed(micrometre, width, decimals, options);
    return FormatFixed(micrometre * kMicrometreToMicroinch, std::max(width - 1, 1), decimals + 1, options);
}

std::string FormatRoughnessShort(real micrometre, const FormatOptions& options) {
    return FormatShort(EnglishUnits(options) ? micrometre * kMicrometreToMicroinch : micrometre, options);
}

std::string FormatAreaShort(real squareMetre, const FormatOptions& options) {
    if (!EnglishUnits(options)) return FormatShort(squareMetre, options);
    return FormatShort(squareMetre * 1000000 * kMm2ToInch2, options);
}

real ParseLength(std::string_view s, const FormatOptions& options) {
    const real value = TextToReal(s);
    return EnglishUnits(options) ? value * kInchToMm : value;
}

real ParseForce(std::string_view s, const FormatOptions& options) {
    const real value = TextToReal(s);
    return EnglishUnits(options) ? value * kLbfToNewton : value;
}

real ParseTemperature(std::string_view s, const FormatOptions& options) {
    const real value = TextToReal(s);
    return EnglishUnits(options) ? (value - 32) * kCelsiusPerFahrenheit : value;
}

real ParsePressure(std::string_view s, const FormatOptions& options) {
    const real value = TextToReal(s);
    return EnglishUnits(options) ? value * kPsiToMpa : value;
}

real ParseArea(std::string_view s, const FormatOptions& options) {
    const real value = TextToReal(s);
    return EnglishUnits(options) ? value * kInch2ToMm2 * 0.000001L : value;
}

real ParseRoughness(std::string_view s, const FormatOptions& options) {
    const real value = TextToReal(s);
    return EnglishUnits(options) ? value * kMicroinchToMicrometre : value;
}

// Labels in code page 850: 0xFD "²", 0xE6 "µ", 0xF8 "°".
std::string LengthUnit(const FormatOptions& options) {
    return EnglishUnits(options) ? "in" : "mm";
}

std::string PressureUnit(const FormatOptions& options) {
    return EnglishUnits(options) ? "psi" : "MPa";
}

std::string ForceUnit(const FormatOptions& options) {
    return EnglishUnits(options) ? "lbf" : "N";
}

std::string TemperatureUnit(const FormatOptions& options) {
    if (Plain(options)) return EnglishUnits(options) ? " F" : " C";
    return EnglishUnits(options) ? "\xF8"
                                   "F"
                                 : "\xF8"
                                   "C";
}

std::string RoughnessUnit(const FormatOptions& options) {
    if (Plain(options)) return EnglishUnits(options) ? "uin" : "um";
    return EnglishUnits(options) ? "\xE6"
                                   "in"
                                 : "\xE6"
                                   "m";
}

std::string AreaUnit(const FormatOptions& options) {
    if (Plain(options)) return EnglishUnits(options) ? "in2" : "m2";
    return EnglishUnits(options) ? "in\xFD" : "m\xFD";
}

std::string ViscosityUnit(const FormatOptions& options) {
    return Plain(options) ? "mm2/s" : "mm\xFD/s";
}

std::string AngleUnit(const FormatOptions& options) {
    return Plain(options) ? "deg" : "\xF8";
}

}  // namespace trb::text
