#include "gui/window/logo.h"

#include "graphics/graphics_window.h"

namespace trb::gui {

namespace {

struct Quad {
    real x1, y1, x2, y2, x3, y3, x4, y4;
};

// A bearing ring (two half shells) above three bars of the maker's mark.
constexpr Quad kShells[] = {
    {4, 14, 8, 14, 11, 23, 8, 25},
    {8, 25, 11, 23, 18.45L, 27, 18.45L, 30},
    {18.45L, 30, 18.45L, 27, 26, 23, 29, 25},
    {29, 25, 26, 23, 29, 14, 33, 14},
};
constexpr Quad kBars[] = {
    {4, 10, 33, 10, 33, 8, 4, 8},
    {7, 6, 30, 6, 30, 4, 7, 4},
    {11, 2, 26, 2, 26, 0.5L, 11, 0.5L},
};

void Draw(graphics::GraphicsWindow& window, const Quad& q) {
    window.Solid(q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4);
}

}  // namespace

void DrawMakerLogo(graphics::GraphicsWindow& window, bool& abort) {
    window.SetWindow(true, false, 0.1L, 0.05L, 0.95L, 0.95L, 0, 0, 36.9L, 32, abort);
    window.SetColor(1);
    for (const Quad& q : kShells) Draw(window, q);
    window.SetColor(4);
    for (const Quad& q : kBars) Draw(window, q);
    window.SetColor(1);
    window.circle(18.45L, 17, 5);
    window.ClearViewPort();
}

}  // namespace trb::gui
