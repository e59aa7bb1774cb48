#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/format_options.h"

// Conversion between the stored code page 850 texts and display text (UTF-8), and the
// single-byte forms for CAD files.
namespace trb::text {

// Texts of this many characters or more do not convert for display (they give "").
inline constexpr std::size_t kDisplayTextLimit = 255;

// Code page 850 → UTF-8. With the special-characters setting 1 the text is transliterated
// first and box characters become "|", "+" and "-".
std::string OemToDisplay(std::string_view oem, const FormatOptions& options);
// As OemToDisplay for a text of any length, converted piecewise (message boxes, memos).
std::string OemToDisplayAll(std::string_view oem, const FormatOptions& options);
// UTF-8 → code page 850; characters that code page 850 lacks (and broken UTF-8) become "?".
std::string DisplayToOem(std::string_view utf8);
// Code page 850 → UTF-8, every character as it is, whatever the length.
std::string OemToUtf8(std::string_view oem);
// UTF-8 → code page 850 without loss: nothing when a character is missing from code page 850 or
// the UTF-8 is broken.
std::optional<std::string> ExactOem(std::string_view utf8);
// Umlauts and special characters spelled out in ASCII ("ü" → "ue", "°" → "deg", ...).
std::string Transliterate(std::string_view oem);
// Code page 850 → Windows code page 1252 single bytes; box characters become "|", "+", "-",
// characters that 1252 lacks become "?".
std::string OemToWindows1252(std::string_view oem);
// Text for CAD files by "CAD Text Mode": 1 unchanged, 2 Windows-1252, 3 transliterated.
std::string CadTextCode(std::string_view oem, const FormatOptions& options);

// The Unicode code point of one code page 850 byte.
char32_t Cp850ToUnicode(unsigned char c);

// Appends the UTF-8 encoding of one code point.
void AppendUtf8(std::string& out, char32_t c);

// The text with every broken UTF-8 sequence replaced by U+FFFD (file names are bytes that need not
// be UTF-8, but workbooks and JSON files must be).
std::string ValidUtf8(std::string_view text);

// A file name (bytes that need not be UTF-8) as UTF-8 text that keeps distinct names distinct: each
// byte that is not part of valid UTF-8 is written "\xNN" (two lower-case hex digits) and each
// backslash is doubled, so that the bytes can be told back from the text.
std::string FileNameText(std::string_view name);

}  // namespace trb::text
