#include "graphics/palette.h"

#include <array>

namespace trb::graphics {

Rgb PaletteColor(int n) {
    static constexpr std::array<Rgb, 16> kPalette{{
        {0, 0, 128},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {128, 0, 128},
        {128, 0, 0},
        {192, 192, 192},
        {176, 176, 176},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
        {0, 0, 0},
    }};
    if (n < 1 || n > kMaxColor) return {};
    return kPalette[static_cast<std::size_t>(n - 1)];
}

Rgb GreyOf(Rgb color) {
    const int grey = (299 * color.red + 587 * color.green + 114 * color.blue + 500) / 1000;
    return {grey, grey, grey};
}

Rgb PaperColor(int n) {
    static constexpr std::array<Rgb, 16> kOnPaper{{
        {0, 0, 128},    // navy
        {0, 128, 0},    // green
        {0, 128, 128},  // cyan
        {192, 0, 0},    // red
        {128, 0, 128},  // purple
        {128, 0, 0},    // maroon
        {96, 96, 96},   // silver
        {80, 80, 80},   // grey
        {0, 0, 255},    // blue
        {0, 128, 0},    // green
        {0, 128, 128},  // cyan
        {192, 0, 0},    // red
        {160, 0, 160},  // magenta
        {112, 112, 0},  // yellow
        {0, 0, 0},      // white
        {0, 0, 0},      // black
    }};
    if (n < 1 || n > kMaxColor) return {};
    return kOnPaper[static_cast<std::size_t>(n - 1)];
}

int GetColorTurbo(int cadColor) {
    int c = cadColor;
    if (c > 15) c = c % 16 + 1;
    switch (c) {
        case 0:
            return 0;
        case 1:
            return 12;
        case 2:
            return 14;
        case 3:
            return 10;
        case 4:
            return 11;
        case 5:
            return 9;
        case 6:
            return 13;
        case 7:
            return 15;
        default:
            return c - 7;
    }
}

int LineStyleFromName(std::string_view name) {
    if (name == "DOTTED" || name == "PUNKT") return 1;
    if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") return 2;
    if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") return 3;
    return 0;
}

PenStyle PenStyleOf(int style) {
    switch (style) {
        case 1:
            return PenStyle::Dotted;
        case 2:
            return PenStyle::DashDot;
        case 3:
            return PenStyle::Dashed;
        default:
            return PenStyle::Solid;
    }
}

}  // namespace trb::graphics
