#include "tables/field_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "tables/dbf_error.h"

namespace trb::tables {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string_view TrimRight(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// True when a stored number reads exactly as FormatFixed would write it, right-aligned in its field
// (an optional "-", digits without leading zeros, exactly `decimals` places), or is blank. Such a
// field is its own text form, which spares reading and writing the number again.
bool IsCanonicalNumber(std::string_view raw, int decimals) {
    const auto first = raw.find_first_not_of(' ');
    if (first == std::string_view::npos) return true;
    if (raw.back() == ' ') return false;
    std::string_view digits = raw.substr(first);
    const bool negative = digits[0] == '-';
    if (negative) digits.remove_prefix(1);
    const std::size_t point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction)) return false;
    if (whole.size() > 1 && whole[0] == '0') return false;
    if (decimals == 0
            ? point != std::string_view::npos
            : (point == std::string_view::npos || fraction.size() != static_cast<std::size_t>(decimals)))
        return false;
    // Beyond 18 digits the value may not survive the round trip through a number.
    if (whole.size() + fraction.size() > 18) return false;
    // "-0.00" is written without its sign.
    if (negative && digits.find_first_not_of("0.") == std::string_view::npos) return false;
    return true;
}

}  // namespace

std::optional<real> ParseFieldNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 64) return std::nullopt;
    // The copy ends with a NUL: from_chars of a long double may look for the end of the digits
    // itself (libstdc++ hands the text to strtold) and read past the 64 characters otherwise.
    char copy[65];
    std::replace_copy(text.begin(), text.end(), copy, ',', '.');
    copy[text.size()] = '\0';
    const std::size_t start = (copy[0] == '+') ? 1 : 0;
    real value = 0;
    const char* end = copy + text.size();
    const auto result = std::from_chars(copy + start, end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatFixed(real value, int decimals) {
    char buffer[128];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "*";  // more digits than any field holds
    std::string text(buffer, result.ptr);
    // "-0.00" is written as "0.00".
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string FieldTextForm(const DbfField& field, std::string_view raw, char decimalCharacter) {
    switch (field.type) {
        case 'N':
        case 'F': {
            if (IsCanonicalNumber(raw, field.decimals)) {
                std::string text(raw);
                if (decimalCharacter != '.') std::replace(text.begin(), text.end(), '.', decimalCharacter);
                return text;
            }
            const auto value = ParseFieldNumber(raw);
            if (!value) return std::string(static_cast<std::size_t>(field.length), ' ');
            std::string text = FormatFixed(*value, field.decimals);
            if (text.size() > static_cast<std::size_t>(field.length)) text = std::string(TrimBlanks(raw));
            if (decimalCharacter != '.') std::replace(text.begin(), text.end(), '.', decimalCharacter);
            if (text.size() < static_cast<std::size_t>(field.length))
                text.insert(0, static_cast<std::size_t>(field.length) - text.size(), ' ');
            return text;
        }
        case 'L':
            return StoredLogicalIsTrue(raw) ? "T" : "F";
        default:
            return std::string(TrimRight(raw));
    }
}

bool StoredLogicalIsTrue(std::string_view raw) {
    if (raw.empty()) return false;
    const char c = raw[0];
    return c == 'T' || c == 't' || c == 'Y' || c == 'y' || c == 'J' || c == 'j';
}

std::string EncodeFieldNumber(const DbfField& field, real value) {
    if (field.type != 'N' && field.type != 'F') throw DbfError(DbfErrorCode::InvalidField, field.name);
    if (!std::isfinite(value)) throw DbfError(DbfErrorCode::OutOfRange, field.name);
    const std::string text = FormatFixed(value, field.decimals);
    const auto length = static_cast<std::size_t>(field.length);
    if (text.size() > length || text == "*") throw DbfError(DbfErrorCode::OutOfRange, field.name);
    return std::string(length - text.size(), ' ') + text;
}

std::string EncodeFieldText(const DbfField& field, std::string_view text) {
    const auto length = static_cast<std::size_t>(field.length);
    switch (field.type) {
        case 'N':
        case 'F': {
            if (TrimBlanks(text).empty()) return std::string(length, ' ');
            return EncodeFieldNumber(field, ParseFieldNumber(text).value_or(0));
        }
        case 'L':
            return StoredLogicalIsTrue(TrimBlanks(text)) ? "T" : "F";
        case 'D': {
            std::string date(TrimBlanks(text).substr(0, 8));
            date.resize(8, ' ');
            return date;
        }
        case 'C': {
            std::string stored(text.substr(0, length));
            stored.resize(length, ' ');
            return stored;
        }
        default:
            throw DbfError(DbfErrorCode::InvalidField, field.name);
    }
}

}  // namespace trb::tables
