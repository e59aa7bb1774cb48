#include "cad/cad_colors.h"

#include <array>
#include <cmath>

namespace trb::cad {

namespace {

// The colour of hue (degrees), saturation and value (0..1).
CadRgb FromHsv(double hue, double saturation, double value) {
    const double c = value * saturation;
    const double h = hue / 60;
    const double x = c * (1 - std::fabs(std::fmod(h, 2) - 1));
    double r = 0, g = 0, b = 0;
    if (h < 1) {
        r = c, g = x;
    } else if (h < 2) {
        r = x, g = c;
    } else if (h < 3) {
        g = c, b = x;
    } else if (h < 4) {
        g = x, b = c;
    } else if (h < 5) {
        r = x, b = c;
    } else {
        r = c, b = x;
    }
    const double m = value - c;
    const auto byte = [](double v) { return static_cast<int>(std::lround(v * 255)); };
    return {byte(r + m), byte(g + m), byte(b + m)};
}

}  // namespace

CadRgb CadColorRgb(int index) {
    static constexpr std::array<CadRgb, 10> kFirst{{{0, 0, 0},
                                                    {255, 0, 0},
                                                    {255, 255, 0},
                                                    {0, 255, 0},
                                                    {0, 255, 255},
                                                    {0, 0, 255},
                                                    {255, 0, 255},
                                                    {255, 255, 255},
                                                    {128, 128, 128},
                                                    {192, 192, 192}}};
    static constexpr std::array<int, 6> kGreys{51, 91, 132, 173, 214, 255};
    if (index < 1 || index > 255) return {};
    if (index < 10) return kFirst[static_cast<std::size_t>(index)];
    if (index >= 250) {
        const int g = kGreys[static_cast<std::size_t>(index - 250)];
        return {g, g, g};
    }
    // 24 hues 15° apart, each in five shades of full and of half saturation.
    static constexpr std::array<double, 5> kValues{1.0, 0.65, 0.5, 0.3, 0.15};
    const int hue = (index - 10) / 10;
    const int shade = (index - 10) % 10;
    return FromHsv(15.0 * hue, shade % 2 == 0 ? 1.0 : 0.5, kValues[static_cast<std::size_t>(shade / 2)]);
}

int NearestCadColor(int red, int green, int blue) {
    int best = 1;
    long bestDistance = -1;
    for (int i = 1; i <= 255; ++i) {
        if (i == 7) continue;
        const CadRgb c = CadColorRgb(i);
        const long dr = c.red - red, dg = c.green - green, db = c.blue - blue;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace trb::cad
