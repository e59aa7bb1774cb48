#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"

namespace trb::graphics {

// Command codes of the display list.
enum class Cmd : int {
    MoveTo = 1,
    LineTo = 2,
    Circle = 3,
    Line = 4,
    Arc = 5,
    Text = 6,
    Solid = 7,
    Color = 8,
    TextStyle = 9,
    Window = 10,
    LineStyle = 11,
    LineWidth = 12,
    Sleep = 13,
    SolidColor = 14,  // red, green, blue of the solids that follow, until the next Color
};

// One entry of the display list. Fields are kept as numbers (the text form is produced on
// demand); integer commands hold their value in field 0. Only Text uses `text`.
struct DisplayCommand {
    int code = 0;
    std::array<real, 8> v{};
    std::string text;
};

// Number of numeric fields of a command code (0 for an unknown code).
int FieldCount(int code);
// True for the commands whose fields are integers (colour, style, width, pause; the viewport
// part of the window command is integer too).
bool IsIntegerField(int code, int index);

// The text form of a command: the code, ";", the fields separated by ";" (reals in general
// format with at most 8 significant digits, "." as decimal separator; integers plain), and for
// text commands the text itself, which runs to the end of the line.
std::string FormatCommand(const DisplayCommand& command);
// Reads the text form back. A code or field that does not parse reads as 0; the text of a text
// command is everything after the third ";".
DisplayCommand ParseCommand(std::string_view line);

// The ordered list of drawing commands the graphics window replays.
class DisplayList {
  public:
    void Clear() { commands_.clear(); }
    void Append(DisplayCommand command) { commands_.push_back(std::move(command)); }
    std::size_t Size() const { return commands_.size(); }
    bool Empty() const { return commands_.empty(); }
    const DisplayCommand& operator[](std::size_t i) const { return commands_[i]; }
    const std::vector<DisplayCommand>& Commands() const { return commands_; }
    // The window sets the viewport fields of its window commands anew when the device changes size.
    DisplayCommand& At(std::size_t i) { return commands_[i]; }

    // The whole list in its text form, one command per line.
    std::string Dump() const;

  private:
    std::vector<DisplayCommand> commands_;
};

}  // namespace trb::graphics
