#include "app/json_text.h"

#include <charconv>
#include "core/representable.h"
#include "text/cp850.h"

namespace trb::app {

std::string JsonText(std::string_view utf8) {
    const std::string valid = text::ValidUtf8(utf8);
    std::string out = "\"";
    for (char c : valid) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(byte >> 4) & 0xF];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonNumber(real x) {
    if (!core::Representable(x)) return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 21);
    return std::string(buffer, result.ptr);
}

}  // namespace trb::app
