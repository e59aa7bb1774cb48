#pragma once

namespace trb::graphics {

// A point on a canvas in whole pixels or printer dots, y downward.
struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

}  // namespace trb::graphics
