#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trb::cad {

// Line layout of the fixed 80-column IGES format.
inline constexpr std::size_t kIgesDataColumns = 72;       // columns 1-72 before the section letter
inline constexpr std::size_t kIgesParameterColumns = 64;  // parameter text before the D pointer

// A text as an IGES Hollerith string ("4HFILE"); an empty text gives an empty (defaulted) field.
std::string Hollerith(std::string_view text);

// Cuts a parameter text into pieces of at most `width` characters. Cuts fall only after a
// parameter delimiter ("," or ";") outside Hollerith strings, so no number and no string is
// broken; a Hollerith string longer than a line continues on the next line without blanks.
std::vector<std::string> SplitParameterText(std::string_view text, std::size_t width);

// One line of a section: data padded to column 72, the section letter, the sequence number in
// seven digits.
std::string IgesLine(std::string_view data, char section, long number);
// One parameter data line: text padded to column 64, the D pointer right-aligned up to column
// 72, "P" and the sequence number.
std::string IgesParameterLine(std::string_view data, int dPointer, long number);

// The nine 8-character fields of a directory entry line, right-justified.
using DirectoryFields = std::array<std::string, 9>;
std::string DirectoryLine(const DirectoryFields& fields, long number);

// IGES colour number (0 none, 1 black, 2 red, 3 green, 4 blue, 5 yellow, 6 magenta, 7 cyan,
// 8 white) for a CAD colour number. Numbers above 15 fold as on screen ((n mod 16) + 1, again
// while above 15).
int IgesColor(int cadColor);

}  // namespace trb::cad
