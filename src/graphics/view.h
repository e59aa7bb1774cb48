#pragma once

#include "core/real.h"

namespace trb::graphics {

// Rounding used for every pixel value: to the nearest integer, halves to even.
int RoundPixel(real value);

// Zoom rectangle in pixels of the viewport, y counted upward. x1 < x2 and y1 < y2 are not required.
// The corners are not rounded to whole pixels, so that a deep zoom about the mouse stays where it
// was put.
struct ZoomRect {
    real x1 = 0;
    real y1 = 0;
    real x2 = 0;
    real y2 = 0;
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
    bool aspect = false;  // one scale for x and y (pixels are square)
    ZoomRect zoom{};
    real wx1 = 0;
    real wy1 = 0;
    real wx2 = 1;
    real wy2 = 1;
    real sx = 1;
    real sy = 1;

    // Sets the zoom rectangle and recomputes the shown world rectangle and the scales; a
    // rectangle of zero width or height changes nothing (returns false).
    bool SetScale(real px1, real py1, real px2, real py2);
    // Shows the world rectangle (x1, y1)-(x2, y2) in the viewport. With the aspect flag the
    // rectangle is first widened in one direction about its centre to the viewport's shape, so
    // that it fills the viewport with one scale. False for an empty rectangle.
    bool ShowWorld(real x1, real y1, real x2, real y2);
    // The world point under a pixel of the viewport.
    real WorldX(real px) const { return wx1 + (px - static_cast<real>(left)) / sx; }
    real WorldY(real py) const { return wy1 + (static_cast<real>(bottom) - py) / sy; }

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
