#include "config/settings.h"

#include <cmath>

namespace trb::config {

ConfigSettings::ConfigSettings() {
    static constexpr int kLayerColours[6] = {1, 2, 2, 2, 3, 1};
    static constexpr int kLayerThickness[6] = {3, 1, 1, 1, 2, 3};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        layers[i].name = std::to_string(i);
        layers[i].colour = kLayerColours[i];
        layers[i].thickness = kLayerThickness[i];
    }
    for (std::size_t i = 0; i < colourLayers.size(); ++i) {
        colourLayers[i].colour = static_cast<int>(i) + 1;
        colourLayers[i].thickness = 1;
    }
    // The 3D view angles: -15°, 90°, 210°, held in radians.
    const real degree = std::acos(-1.0L) / 180;
    view3D = {-15 * degree, 90 * degree, 210 * degree};
}

const std::array<std::string_view, 16>& ColourNames() {
    static constexpr std::array<std::string_view, 16> kNames = {
        "rot",     "gelb",        "gr\x81n",        "cyan",        "blau",       "magenta",
        "wei\xE1", "dunkel blau", "dunkel gr\x81n", "dunkel cyan", "dunkel rot", "dunkel magenta",
        "braun",   "hell grau",   "dunkel grau",    "schwarz",
    };
    return kNames;
}

}  // namespace trb::config
