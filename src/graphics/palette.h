#pragma once

#include <string_view>

namespace trb::graphics {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The highest colour number the graphics window accepts.
inline constexpr int kMaxColor = 16;

// Colour numbers 1..16 of the graphics window. Colour 0 is the background colour and has no
// fixed value; numbers outside 1..16 give black.
Rgb PaletteColor(int n);

// The grey of the same brightness (ITU-R BT.601 weights), for black-and-white outputs.
Rgb GreyOf(Rgb color);

// Colour n as a pen on white paper: the palette's hue, dark enough to read on white (a contrast
// of at least 4.5 to 1); white and numbers outside 1..16 give black. The screen's light colours
// (green, cyan, yellow, grey) are made for its dark background.
Rgb PaperColor(int n);

// Turns a CAD colour number (0..255) into a colour number of the graphics window.
int GetColorTurbo(int cadColor);

// Line style numbers of the graphics window: 0 solid, 1 dotted, 2 dash-dot, 3 dashed.
enum class PenStyle { Solid = 0, Dotted = 1, DashDot = 2, Dashed = 3 };

// Line style number for a CAD line type name (English or German); unknown names are solid.
int LineStyleFromName(std::string_view name);
// The pen style a line style number replays as.
PenStyle PenStyleOf(int style);

}  // namespace trb::graphics
