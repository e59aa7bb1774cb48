#include "text/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace trb::text {

namespace {

real PowerOfTen(int e) {
    return std::pow(10.0L, static_cast<real>(e));
}

// floor(log10 v) for v > 0, corrected at exact powers of ten.
int DecimalExponent(real v) {
    int e = static_cast<int>(std::floor(std::log10(v)));
    if (PowerOfTen(e + 1) <= v) ++e;
    if (PowerOfTen(e) > v) --e;
    return e;
}

// Decimal text of |x| rounded half away from zero to `decimals` decimals (no sign).
std::string FixedDigits(real magnitude, int decimals) {
    const real scaled = std::round(magnitude * PowerOfTen(decimals));
    if (scaled < 1e18L) {
        auto digits = std::to_string(static_cast<unsigned long long>(scaled));
        if (decimals == 0) return digits;
        const auto d = static_cast<std::size_t>(decimals);
        if (digits.size() <= d) digits.insert(0, d + 1 - digits.size(), '0');
        digits.insert(digits.size() - d, ".");
        return digits;
    }
    // Huge magnitudes: printf, with a decimal comma of a foreign C locale turned back.
    const int n = std::snprintf(nullptr, 0, "%.*Lf", decimals, magnitude);
    if (n <= 0) return "0";
    std::string text(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*Lf", decimals, magnitude);
    text.resize(static_cast<std::size_t>(n));
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Pad(std::string text, int width, bool left) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        const auto fill = static_cast<std::size_t>(width) - text.size();
        if (left)
            text.insert(0, fill, ' ');
        else
            text.append(fill, ' ');
    }
    return text;
}

}  // namespace

Layout SignificantLayout(real x, int n) {
    real v = std::fabs(x);
    if (x == 0 || !std::isfinite(x)) v = 0.5L;
    const int e = DecimalExponent(v);
    Layout layout;
    if (e >= n) {
        layout.integerDigits = e + 1;
        layout.decimals = 0;
        return layout;
    }
    if (e < 0) {
        layout.integerDigits = 0;
        layout.decimals = n + (-e) - 1;
    } else {
        layout.integerDigits = e + 1;
        layout.decimals = n - e;
    }
    // Drop trailing zeros of the rounded digits.
    real k = std::round(v * PowerOfTen(layout.decimals + 1));
    while (layout.decimals > 0 && k >= 1) {
        k = std::floor(k / 10);
        if (std::fmod(k, 10.0L) != 0) break;
        --layout.decimals;
    }
    return layout;
}

std::string FormatFixed(real x, int width, int decimals, const FormatOptions& options) {
    if (!std::isfinite(x)) x = 0;
    if (std::fabs(x) < 0.00000001L) x = 0;
    if (options.decimals != 3) decimals = std::clamp(decimals + options.decimals - 3, 0, 10);
    decimals = std::clamp(decimals, 0, 30);
    std::string text = FixedDigits(std::fabs(x), decimals);
    if (x < 0 && text.find_first_not_of("0.") != std::string::npos) text.insert(0, "-");
    text = Pad(std::move(text), decimals > 0 ? width + decimals + 1 : width, true);
    if (options.decimalSeparator == 2) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string FormatShort(real x, const FormatOptions& options) {
    if (!std::isfinite(x) || !(std::fabs(x) >= 0.00001L)) return "0";
    const Layout l = SignificantLayout(x, 3);
    return FormatFixed(x, l.integerDigits, l.decimals, options);
}

std::string FormatLong(real x, const FormatOptions& options) {
    if (!std::isfinite(x) || !(std::fabs(x) >= 0.00001L)) return "0";
    const Layout l = SignificantLayout(x, 6);
    return FormatFixed(x, l.integerDigits, l.decimals, options);
}

std::string FormatRight(real x, int width, const FormatOptions& options) {
    if (!(std::fabs(x) >= 0.000001L)) return Pad("0", width, true);
    const Layout l = SignificantLayout(x, 3);
    return FormatFixed(x, width - l.decimals - (l.decimals > 0 ? 1 : 0), l.decimals, options);
}

std::string FormatDecimals(real x, int decimals, const FormatOptions& options) {
    return FormatFixed(x, SignificantLayout(x, 3).integerDigits, decimals, options);
}

std::string FormatAuto(real x, const FormatOptions& options) {
    if (!std::isfinite(x) || std::fabs(x) < 1e-12L) return FormatShort(0, options);
    const real magnitude = std::fabs(x);
    if (magnitude < 0.00001L || magnitude >= 10000) return FormatEngineering(x, options);
    return FormatShort(x, options);
}

std::string FormatEngineering(real x, const FormatOptions& options) {
    if (!std::isfinite(x) || x == 0) return FormatShort(0, options);
    const int e = DecimalExponent(std::fabs(x));
    const int r = e % 3;  // remainder with the sign of e
    real mantissa = 0;
    if (e >= 4)
        mantissa = x / PowerOfTen(e - r);
    else if (e < -2)
        mantissa = x * PowerOfTen(r - e);
    else
        return FormatShort(x, options);
    return FormatShort(mantissa, options) + "E" + IntText((e / 3) * 3);
}

std::string FormatExponent(real x, const FormatOptions& options) {
    if (!std::isfinite(x)) x = 0;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    if (options.decimalSeparator == 2) std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string IntText(long long n) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::string(buffer, result.ptr);
}

std::string IntTextZeros(long long n, int width) {
    std::string digits = IntText(n < 0 ? -n : n);
    const int signWidth = n < 0 ? 1 : 0;
    if (static_cast<int>(digits.size()) + signWidth < width)
        digits.insert(0, static_cast<std::size_t>(width - signWidth) - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}

std::string IntTextBlanks(long long n, int width) {
    return Pad(IntText(n), width, true);
}

std::string PadRight(std::string_view s, int width) {
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    return Pad(std::string(s.substr(0, w)), width, false);
}

std::string PadLeft(std::string_view s, int width) {
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    return Pad(TrimText(s).substr(0, w), width, true);
}

std::string TrimText(std::string_view s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && IsBlank(s[begin])) ++begin;
    while (end > begin && IsBlank(s[end - 1])) --end;
    return std::string(s.substr(begin, end - begin));
}

std::string RemoveBlanks(std::string_view s) {
    std::string text;
    for (char c : s)
        if (c != ' ') text += c;
    return text;
}

std::string ShortenMiddle(std::string_view s, int maxLength) {
    constexpr std::string_view kGap = " ... ";
    if (maxLength < 0 || s.size() <= static_cast<std::size_t>(maxLength)) return std::string(s);
    if (static_cast<std::size_t>(maxLength) <= kGap.size() + 1)
        return std::string(s.substr(0, static_cast<std::size_t>(maxLength)));
    const std::size_t keep = static_cast<std::size_t>(maxLength) - kGap.size();
    const std::size_t head = keep / 2;
    const std::size_t tail = keep - head;
    return std::string(s.substr(0, head)) + std::string(kGap) + std::string(s.substr(s.size() - tail));
}

bool ParseReal(std::string_view s, real& value) {
    std::string text = TrimText(s);
    const auto comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
    std::string_view view = text;
    if (!view.empty() && view.front() == '+') view.remove_prefix(1);
    if (view.empty() || view.front() == '+') return false;
    // Only plain decimal numbers: no "inf", "nan" or hexadecimal forms.
    if (view.find_first_not_of("0123456789.-eE+") != std::string_view::npos) return false;
    real parsed = 0;
    const auto result =
        std::from_chars(view.data(), view.data() + view.size(), parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != view.data() + view.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool ParseInt(std::string_view s, long long& value) {
    const std::string text = TrimText(s);
    std::string_view view = text;
    if (!view.empty() && view.front() == '+') view.remove_prefix(1);
    if (view.empty() || view.front() == '+') return false;
    long long parsed = 0;
    const auto result = std::from_chars(view.data(), view.data() + view.size(), parsed);
    if (result.ec != std::errc() || result.ptr != view.data() + view.size()) return false;
    value = parsed;
    return true;
}

real TextToReal(std::string_view s) {
    real value = 0;
    return ParseReal(s, value) ? value : 0;
}

long long TextToInt(std::string_view s) {
    long long value = 0;
    return ParseInt(s, value) ? value : 0;
}

SplitResult SplitText(std::string_view s, char separator, int maxLength) {
    SplitResult result;
    const auto limit = static_cast<std::size_t>(std::max(maxLength, 1));
    while (!s.empty()) {
        std::size_t length = s.size();
        if (s.size() > limit) {
            const auto p = s.substr(0, limit).rfind(separator);
            length = p == std::string_view::npos ? limit : p + 1;
        }
        result.pieces.emplace_back(s.substr(0, length));
        result.longest = std::max(result.longest, static_cast<int>(length));
        s.remove_prefix(length);
    }
    return result;
}

std::string SpreadsheetNumber(std::string_view s, const FormatOptions& options) {
    std::string text(s);
    if (options.spreadsheetSeparator == 1)
        std::replace(text.begin(), text.end(), ',', '.');
    else
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string DateText(int year, int month, int day, const FormatOptions& options) {
    const std::string y = IntText(year);
    const std::string m = IntTextZeros(month, 2);
    const std::string d = IntTextZeros(day, 2);
    switch (options.dateCode) {
        case 1:
            return d + "." + m + "." + y;
        case 2:
            return m + "/" + d + "/" + y;
        case 4:
            return d + "/" + m + "/" + y;
        default:
            return y + "/" + m + "/" + d;
    }
}

namespace {
std::tm Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}
}  // namespace

std::string DateText(const FormatOptions& options) {
    const std::tm now = Now();
    return DateText(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, options);
}

std::string TimeText(int hours, int minutes) {
    return IntText(hours) + ":" + IntTextZeros(minutes, 2);
}

std::string TimeText() {
    const std::tm now = Now();
    return TimeText(now.tm_hour, now.tm_min);
}

std::string AddBackslash(std::string_view folder) {
    std::string text = TrimText(folder);
    if (text.empty()) return text;
    // Linux folder names may end in any character ("." for the current folder, "-", "ß"), so
    // the separator is appended unless one is already there; there are no drive prefixes.
    if (text.back() != '/') text += '/';
    return text;
}

std::string FolderOfPath(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string NameOfPath(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderWithoutBackslash(std::string_view folder) {
    std::string text = TrimText(folder);
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace trb::text
