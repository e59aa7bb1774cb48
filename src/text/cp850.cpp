#include "text/cp850.h"

#include <array>
#include <optional>

namespace trb::text {

namespace {

// Code page 850 bytes 128..255 as Unicode code points.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

// The line-drawing characters of code page 850 and their ASCII stand-ins.
char BoxStandIn(unsigned char c) {
    switch (c) {
        case 179:
        case 180:
        case 185:
        case 186:
        case 195:
        case 197:
        case 204:
            return '|';
        case 187:
        case 188:
        case 191:
        case 192:
        case 193:
        case 194:
        case 200:
        case 201:
        case 202:
        case 203:
        case 206:
        case 217:
        case 218:
            return '+';
        case 196:
        case 205:
            return '-';
        default:
            return 0;
    }
}

// Decodes one UTF-8 character at s[i]; advances i. Broken sequences give U+FFFD.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07u;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3Fu);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
    return c;
}

// The code page 850 byte of a code point, or nothing when the code page lacks it.
std::optional<char> OemByte(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    for (std::size_t k = 0; k < kUpperHalf.size(); ++k) {
        if (kUpperHalf[k] == c) return static_cast<char>(128 + k);
    }
    return std::nullopt;
}

}  // namespace

std::string OemToUtf8(std::string_view oem) {
    std::string out;
    out.reserve(oem.size() * 2);
    for (char c : oem) AppendUtf8(out, Cp850ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) AppendUtf8(out, NextCodePoint(text, i));
    return out;
}

std::string FileNameText(std::string_view name) {
    static constexpr char kHex[] = "0123456789abcdef";
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t start = i;
        const char32_t c = NextCodePoint(name, i);
        if (c == 0xFFFD && name.substr(start, i - start) != kReplacement) {
            // Only the first byte is told; decoding starts again after it.
            const auto byte = static_cast<unsigned char>(name[start]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
            i = start + 1;
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out.append(name.substr(start, i - start));
        }
    }
    return out;
}

char32_t Cp850ToUnicode(unsigned char c) {
    return c < 128 ? char32_t{c} : char32_t{kUpperHalf[c - 128u]};
}

std::string Transliterate(std::string_view oem) {
    std::string out;
    out.reserve(oem.size() + 8);
    for (char ch : oem) {
        switch (static_cast<unsigned char>(ch)) {
            case 129:
                out += "ue";
                break;
            case 130:
                out += "e";
                break;
            case 132:
                out += "ae";
                break;
            case 142:
                out += "Ae";
                break;
            case 148:
                out += "oe";
                break;
            case 153:
                out += "Oe";
                break;
            case 154:
                out += "Ue";
                break;
            case 160:
                out += "a";
                break;
            case 163:
                out += "u";
                break;
            case 164:
                out += "n";
                break;
            case 196:
            case 205:
                out += "-";
                break;
            case 225:
                out += "ss";
                break;
            case 230:
                out += "u";
                break;
            case 241:
                out += "+/-";
                break;
            case 248:
                out += "deg";
                break;
            case 253:
                out += "2";
                break;
            default:
                out += ch;
                break;
        }
    }
    return out;
}

std::string OemToDisplay(std::string_view oem, const FormatOptions& options) {
    if (oem.size() >= kDisplayTextLimit) return {};
    if (options.specialCharacters != 1) return OemToUtf8(oem);
    std::string plain = Transliterate(oem);
    for (char& c : plain)
        if (const char standIn = BoxStandIn(static_cast<unsigned char>(c))) c = standIn;
    return OemToUtf8(plain);
}

std::string OemToDisplayAll(std::string_view oem, const FormatOptions& options) {
    std::string display;
    while (oem.size() >= kDisplayTextLimit) {
        display += OemToDisplay(oem.substr(0, kDisplayTextLimit - 1), options);
        oem.remove_prefix(kDisplayTextLimit - 1);
    }
    return display + OemToDisplay(oem, options);
}

std::string DisplayToOem(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) out += OemByte(NextCodePoint(utf8, i)).value_or('?');
    return out;
}

std::optional<std::string> ExactOem(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char> byte = OemByte(NextCodePoint(utf8, i));
        if (!byte) return std::nullopt;
        out += *byte;
    }
    return out;
}

std::string OemToWindows1252(std::string_view oem) {
    std::string out;
    out.reserve(oem.size());
    for (char ch : oem) {
        const auto c = static_cast<unsigned char>(ch);
        const char32_t u = Cp850ToUnicode(c);
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += static_cast<char>(u);  // Latin-1 part of code page 1252
        } else if (u == 0x0192) {
            out += '\x83';  // ƒ
        } else if (const char standIn = BoxStandIn(c)) {
            out += standIn;
        } else {
            out += '?';
        }
    }
    return out;
}

std::string CadTextCode(std::string_view oem, const FormatOptions& options) {
    switch (options.cadTextMode) {
        case 2:
            return OemToWindows1252(oem);
        case 3:
            return Transliterate(oem);
        default:
            return std::string(oem);
    }
}

}  // namespace trb::text
