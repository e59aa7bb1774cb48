#pragma once

#include <optional>

#include "graphics/driver_settings.h"

namespace trb::graphics {

// How the screen draws with pen n outside block definitions: the line style and CAD colour it
// switches to (none: the current one stays) and its line width number.
struct PenLook {
    std::optional<int> lineStyle;
    std::optional<int> cadColor;
    int width = 1;
};

PenLook LookOfPen(int n, const DriverSettings& settings);

}  // namespace trb::graphics
