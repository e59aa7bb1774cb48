#pragma once

#include "core/real.h"

namespace trb::graphics {

// Rounding used for every pixel value: to the nearest integer, halves to even.
int RoundPixel(real value);

// Zoom rectangle in pixels, y counted upward from the bottom edge. x1 < x2 and y1 < y2 are not
// required.
struct ZoomRect {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    friend bool operator==(const ZoomRect&, const ZoomRect&) = default;
};

// Viewport, world window, zoom rectangle and the scales that map world units to pixels.
struct View {
    int deviceWidth = 640;   // W
    int deviceHeight = 480;  // H
    int left = 0;
    int top = 0;
    int right = 1;
    int bottom = 1;
    real xmin = 0;
    real ymin = 0;
    real xmax = 1;
    real ymax = 1;
    bool aspect = false;
    ZoomRect zoom{};
    real wx1 = 0;
    real wy1 = 0;
    real wx2 = 1;
    real wy2 = 1;
    real sx = 1;
    real sy = 1;

    // Sets the zoom rectangle and recomputes the shown world rectangle and the scales; a
    // rectangle of zero width or height changes nothing (returns false).
    bool SetScale(int px1, int py1, int px2, int py2);

    // World to screen pixels.
    int X(real x) const { return RoundPixel((x - wx1) * sx) + left; }
    int Y(real y) const { return bottom - RoundPixel((y - wy1) * sy); }
    int LengthX(real l) const { return RoundPixel(l * sx); }
    int LengthY(real l) const { return RoundPixel(l * sy); }
};

// Where a text cell's top-left corner lies for a text whose baseline starts at (x, y), with
// height h in world units and the angle in degrees.
struct TextOrigin {
    real x = 0;
    real y = 0;
};
TextOrigin TextReferencePoint(real x, real y, real h, real angleDegrees);

// The zoom rectangle a rubber band from (x0, y0) to (x1, y1) in client pixels (y downward)
// selects; none when the band has no width or height. k is the aspect factor G when the aspect
// flag is set, else 1.
bool RubberBandZoom(const ZoomRect& current, int x0, int y0, int x1, int y1, int clientWidth,
                    int clientHeight, real k, ZoomRect& result);

// Virtual key codes the graphics window reacts to.
namespace keys {
inline constexpr int kEscape = 27;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kF5 = 116;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
}  // namespace keys

// The zoom rectangle after a pan or zoom key (pan fraction p, zoom factor f). Returns false for
// keys that are not pan or zoom keys (Esc and F5 reset the zoom instead and also return false).
bool KeyZoom(const ZoomRect& current, int key, real panFraction, real zoomFactor, ZoomRect& result);

}  // namespace trb::graphics
