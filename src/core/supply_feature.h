#pragma once

#include <cstdint>

namespace trb::core {

// Lubricant supply feature codes of `zufuhr`.
enum SupplyFeature : std::uint16_t {
    kHoleOppositeLoad = 1,    // one hole, 180° to the load direction (uses dh)
    kHoleAt90 = 2,            // one hole, 90° to the load direction (dh)
    kTwoHolesAt90 = 3,        // two holes, ±90° to the load direction (dh)
    kRingGroove = 4,          // groove over the whole circumference (bg)
    kPartialGroove = 5,       // groove from phia to phie (bg, phia, phie)
    kPocketOppositeLoad = 6,  // one pocket, 180° to the load direction (bp)
    kPocketAt90 = 7,          // one pocket, 90° to the load direction (bp)
    kTwoPocketsAt90 = 8,      // two pockets, ±90° to the load direction (bp)
};

}  // namespace trb::core
