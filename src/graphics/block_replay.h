#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"
#include "core/run_status.h"
#include "graphics/driver_settings.h"
#include "graphics/graphics_window.h"

namespace trb::graphics {

class ScreenDevice;
struct BlockEntity;

// Placement of a block: origin, rotation (degrees) and scales.
struct BlockTransform {
    real ox = 0;
    real oy = 0;
    real angle = 0;
    real kx = 1;
    real ky = 1;

    // A point of the block placed.
    real X(real px, real py) const;
    real Y(real px, real py) const;
    // The placement of a block inserted into this one at (x, y) with its own angle and scales.
    BlockTransform Inner(real x, real y, real turn, real xscale, real yscale) const;
};

inline constexpr int kMaxBlockDepth = 4;

// Draws block files (DXF entity lists written by the screen device) onto the graphics window,
// nesting inserts up to four levels, each applying its own placement on top of the outer one.
class BlockReplay {
  public:
    BlockReplay(GraphicsWindow& window, ScreenDevice& screen, const DriverSettings& settings,
                core::RunStatus& status, bool& abort);

    // Replays block `name` placed by an insert at (x, y) with the given scales and angle,
    // starting from the identity placement.
    void Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y);

    // The pen number of a layer name: the standard layer whose name it is, else the number.
    int PenOfLayer(std::string_view layer) const;

  private:
    void Place(std::string_view name, real xscale, real yscale, real angle, real x, real y, int penAfter);
    void Draw(const std::vector<BlockEntity>& entities);
    // Draws the polyline starting at entities[first]; returns the index of its SEQEND.
    std::size_t DrawPolyline(const std::vector<BlockEntity>& entities, std::size_t first);

    GraphicsWindow& window_;
    ScreenDevice& screen_;
    const DriverSettings& settings_;
    core::RunStatus& status_;
    bool& abort_;
    BlockTransform t_;
    int depth_ = 0;
};

}  // namespace trb::graphics
