#include "graphics/view.h"

#include <algorithm>
#include <cmath>

#include "graphics/vektor.h"

namespace trb::graphics {

int RoundPixel(real value) {
    // The default floating-point environment rounds halves to even.
    return static_cast<int>(std::llrint(value));
}

bool View::SetScale(real px1, real py1, real px2, real py2) {
    if (px1 == px2 || py1 == py2) return false;
    zoom = {px1, py1, px2, py2};
    const real vw = static_cast<real>(right - left);
    const real vh = static_cast<real>(bottom - top);
    wx1 = (px1 - static_cast<real>(left)) / vw * (xmax - xmin) + xmin;
    wx2 = (px2 - static_cast<real>(left)) / vw * (xmax - xmin) + xmin;
    wy1 = (py1 - static_cast<real>(top)) / vh * (ymax - ymin) + ymin;
    wy2 = (py2 - static_cast<real>(top)) / vh * (ymax - ymin) + ymin;
    sx = vw / (wx2 - wx1);
    sy = vh / (wy2 - wy1);
    // Screen pixels are square: one scale, the smaller one, keeps round things round.
    if (aspect) sx = sy = std::min(sx, sy);
    return true;
}

bool View::ShowWorld(real x1, real y1, real x2, real y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const real vw = static_cast<real>(right - left);
    const real vh = static_cast<real>(bottom - top);
    if (!(x2 > x1) || !(y2 > y1) || vw == 0 || vh == 0 || xmax == xmin || ymax == ymin) return false;
    if (aspect) {
        // Widen the narrower direction about the centre to the viewport's shape.
        const real scale = std::min(vw / (x2 - x1), vh / (y2 - y1));
        const real cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
        x1 = cx - vw / scale / 2;
        x2 = cx + vw / scale / 2;
        y1 = cy - vh / scale / 2;
        y2 = cy + vh / scale / 2;
    }
    const auto px = [&](real x) { return (x - xmin) / (xmax - xmin) * vw + static_cast<real>(left); };
    const auto py = [&](real y) { return (y - ymin) / (ymax - ymin) * vh + static_cast<real>(top); };
    return SetScale(px(x1), py(y1), px(x2), py(y2));
}

TextOrigin TextReferencePoint(real x, real y, real h, real angleDegrees) {
    if (angleDegrees == 0) return {x, y + 0.75L * h};
    return {x - 0.7L * h * SinDeg(angleDegrees), y + 0.75L * h * CosDeg(angleDegrees)};
}

bool KeyZoom(const ZoomRect& z, int key, real panFraction, real zoomFactor, ZoomRect& result) {
    const real zw = z.x2 - z.x1;
    const real zh = z.y2 - z.y1;
    const int dx = RoundPixel(panFraction * zw);
    const int dy = RoundPixel(panFraction * zh);
    const int dy5 = RoundPixel(5 * panFraction * zh);
    result = z;
    switch (key) {
        case keys::kPageUp:
            result.y1 -= dy5;
            result.y2 -= dy5;
            return true;
        case keys::kPageDown:
            result.y1 += dy5;
            result.y2 += dy5;
            return true;
        case keys::kLeft:
            result.x1 += dx;
            result.x2 += dx;
            return true;
        case keys::kUp:
            result.y1 -= dy;
            result.y2 -= dy;
            return true;
        case keys::kRight:
            result.x1 -= dx;
            result.x2 -= dx;
            return true;
        case keys::kDown:
            result.y1 += dy;
            result.y2 += dy;
            return true;
        case keys::kAdd:
        case keys::kSubtract: {
            if (zoomFactor <= 0) return false;
            const real f = key == keys::kAdd ? 1 / zoomFactor : zoomFactor;
            const int hx = RoundPixel(zw * f) / 2;  // integer division truncates toward zero
            const int hy = RoundPixel(zh * f) / 2;
            const real cx = std::trunc((z.x1 + z.x2) / 2);
            const real cy = std::trunc((z.y1 + z.y2) / 2);
            result = {cx - hx, cy - hy, cx + hx, cy + hy};
            return true;
        }
        default:
            return false;
    }
}

}  // namespace trb::graphics
