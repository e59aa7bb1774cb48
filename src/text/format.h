#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"
#include "text/format_options.h"

// Number and text formatting used by every dialog, report, drawing and file of the program.
// Numbers are written locale-independently; the settings in FormatOptions decide the number
// of decimals, the decimal separator (for display) and the unit system. Texts are stored
// code page 850 bytes; the unit labels below are code page 850 as well.
namespace trb::text {

// Integer digits and decimals that show a number with n significant digits.
struct Layout {
    int integerDigits = 0;
    int decimals = 0;
};

Layout SignificantLayout(real x, int n);

// Fixed-point text of x with `decimals` decimals (shifted by the decimals setting minus 3),
// right-aligned and at least `width` characters (width + decimals + 1 with a decimal point).
std::string FormatFixed(real x, int width, int decimals, const FormatOptions& options);
// Three significant decimals without trailing zeros; "0" for magnitudes below 0.00001.
std::string FormatShort(real x, const FormatOptions& options);
// As FormatShort with six significant digits.
std::string FormatLong(real x, const FormatOptions& options);
// Short form aligned right in a field of `width` characters.
std::string FormatRight(real x, int width, const FormatOptions& options);
// Exactly `decimals` decimals (shifted by the decimals setting).
std::string FormatDecimals(real x, int decimals, const FormatOptions& options);
// Engineering notation for very small and large magnitudes, the short form otherwise.
std::string FormatAuto(real x, const FormatOptions& options);
// Mantissa, "E" and an exponent that is a multiple of 3 (12345 → "12.345E3").
std::string FormatEngineering(real x, const FormatOptions& options);
// Magnitudes from here on lie far beyond any value of a bearing (only a damaged file holds them):
// files keep them in exponent form, which reads back exactly and keeps the line short, where the
// fixed form could run to thousands of digits.
inline constexpr real kExponentFormFrom = 1e30L;
// The shortest exponent form that reads back as x ("3e+4486"), with the decimal separator.
std::string FormatExponent(real x, const FormatOptions& options);

std::string IntText(long long n);
std::string IntTextZeros(long long n, int width);   // leading zeros up to width
std::string IntTextBlanks(long long n, int width);  // leading blanks up to width

std::string PadRight(std::string_view s, int width);  // cut or filled on the right
std::string PadLeft(std::string_view s, int width);   // trimmed, then cut or filled on the left
std::string TrimText(std::string_view s);             // leading and trailing blanks removed
std::string RemoveBlanks(std::string_view s);         // every blank removed
// A text of more than maxLength characters keeps its beginning and its end around " ... ".
std::string ShortenMiddle(std::string_view s, int maxLength);

// The first "," counts as "."; surrounding blanks are ignored; anything that is not
// a complete number gives 0. Never depends on the C locale.
real TextToReal(std::string_view s);
// Whole numbers only; anything else (also out of range) gives 0.
long long TextToInt(std::string_view s);
// Strict variants for callers that must tell "0" from "not a number".
bool ParseReal(std::string_view s, real& value);
bool ParseInt(std::string_view s, long long& value);

struct SplitResult {
    std::vector<std::string> pieces;
    int longest = 0;
};
// Pieces of at most maxLength characters, broken after the last separator that fits.
SplitResult SplitText(std::string_view s, char separator, int maxLength);

// A formatted number for a spreadsheet: its decimal separator follows the spreadsheet setting.
std::string SpreadsheetNumber(std::string_view s, const FormatOptions& options);
// Date in the order of the "Date Code" setting, two-digit day and month.
std::string DateText(int year, int month, int day, const FormatOptions& options);
std::string DateText(const FormatOptions& options);  // today
std::string TimeText(int hours, int minutes);        // "9:05"
std::string TimeText();                              // now

// Folder join: trimmed, and "/" appended when the last character is a letter, a digit or
// one of "!" to ")", ";" to "@", "_", "`" (so not after "/", ":", "." or a blank).
std::string AddBackslash(std::string_view folder);
// The folder of a path with its final "/" ("" for a bare name), and the name after the last "/".
std::string FolderOfPath(std::string_view path);
std::string NameOfPath(std::string_view path);
// Trimmed and a final separator removed (the root "/" stays).
std::string FolderWithoutBackslash(std::string_view folder);

// ----- unit-aware display and parsing. Values are always metric inside the program. -----

inline constexpr real kMmToInch = 0.039370078740157480314L;
inline constexpr real kInchToMm = 25.4L;
inline constexpr real kNewtonToLbf = 0.22480902473348890118L;
inline constexpr real kLbfToNewton = 4.44822L;
inline constexpr real kMpaToPsi = 145.037L;
inline constexpr real kPsiToMpa = 0.006894792363327978L;
inline constexpr real kFahrenheitPerCelsius = 1.8L;
inline constexpr real kCelsiusPerFahrenheit = 0.55555555555555555556L;
inline constexpr real kMm2ToInch2 = 0.0015500031000062L;
inline constexpr real kInch2ToMm2 = 645.16L;
inline constexpr real kMicrometreToMicroinch = 39.370078740157480314L;
inline constexpr real kMicroinchToMicrometre = 0.0254L;

bool EnglishUnits(const FormatOptions& options);

std::string FormatLengthInch4(real mm, const FormatOptions& options);  // inches with 4 decimals
std::string FormatLengthShort(real mm, const FormatOptions& options);
std::string FormatLengthFixed(real mm, int width, int decimals, const FormatOptions& options);
std::string FormatLengthDecimals(real mm, int decimals, const FormatOptions& options);
std::string FormatLengthLong(real mm, const FormatOptions& options);
std::string FormatPressureFixed(real mpa, int width, int decimals, const FormatOptions& options);
std::string FormatPressureShort(real mpa, const FormatOptions& options);
std::string FormatForceShort(real newton, const FormatOptions& options);
real ForceValue(real newton, const FormatOptions& options);  // N or lbf, no text
std::string FormatTemperatureFixed(real celsius, int width, int decimals, const FormatOptions& options);
std::string FormatTemperatureShort(real celsius, const FormatOptions& options);
std::string FormatRoughnessFixed(real micrometre, int width, int decimals, const FormatOptions& options);
std::string FormatRoughnessShort(real micrometre, const FormatOptions& options);
std::string FormatAreaShort(real squareMetre, const FormatOptions& options);

real ParseLength(std::string_view s, const FormatOptions& options);       // to mm
real ParseForce(std::string_view s, const FormatOptions& options);        // to N
real ParseTemperature(std::string_view s, const FormatOptions& options);  // to °C
real ParsePressure(std::string_view s, const FormatOptions& options);     // to MPa
real ParseArea(std::string_view s, const FormatOptions& options);         // to m²
real ParseRoughness(std::string_view s, const FormatOptions& options);    // to µm

// Unit labels (code page 850; without special characters when that setting is 1).
std::string LengthUnit(const FormatOptions& options);
std::string PressureUnit(const FormatOptions& options);
std::string ForceUnit(const FormatOptions& options);
std::string TemperatureUnit(const FormatOptions& options);
std::string RoughnessUnit(const FormatOptions& options);
std::string AreaUnit(const FormatOptions& options);
std::string ViscosityUnit(const FormatOptions& options);
std::string AngleUnit(const FormatOptions& options);

}  // namespace trb::text
