#include "graphics/view.h"

#include <algorithm>
#include <cmath>

#include "graphics/vektor.h"

namespace trb::graphics {

int RoundPixel(real value) {
    // The default floating-point environment rounds halves to even.
    return static_cast<int>(std::llrint(value));
}

bool View::SetScale(int px1, int py1, int px2, int py2) {
    if (px1 == px2 || py1 == py2) return false;
    zoom = {px1, py1, px2, py2};
    const real vw = static_cast<real>(right - left);
    const real vh = static_cast<real>(bottom - top);
    wx1 = static_cast<real>(px1 - left) / vw * (xmax - xmin) + xmin;
    wx2 = static_cast<real>(px2 - left) / vw * (xmax - xmin) + xmin;
    wy1 = static_cast<real>(py1 - top) / vh * (ymax - ymin) + ymin;
    wy2 = static_cast<real>(py2 - top) / vh * (ymax - ymin) + ymin;
    sx = vw / (wx2 - wx1);
    sy = vh / (wy2 - wy1);
    if (aspect) {
        const real w = static_cast<real>(deviceWidth);
        const real h = static_cast<real>(deviceHeight);
        const real t = sy * 0.75L * w / h;
        if (sx >= t) {
            sx = t;
        } else {
            sy = sx / (w * 0.75L / h);
        }
    }
    return true;
}

TextOrigin TextReferencePoint(real x, real y, real h, real angleDegrees) {
    if (angleDegrees == 0) return {x, y + 0.75L * h};
    return {x - 0.7L * h * SinDeg(angleDegrees), y + 0.75L * h * CosDeg(angleDegrees)};
}

bool RubberBandZoom(const ZoomRect& z, int x0, int y0, int x1, int y1, int clientWidth, int clientHeight,
                    real k, ZoomRect& result) {
    if (x0 == x1 || y0 == y1 || clientWidth <= 0 || clientHeight <= 0) return false;
    const real cw = static_cast<real>(clientWidth);
    const real ch = static_cast<real>(clientHeight);
    const real zw = static_cast<real>(z.x2 - z.x1);
    const real zh = static_cast<real>(z.y2 - z.y1);
    const auto px = [&](int x) {
        return RoundPixel(static_cast<real>(x) / cw * zw * k + static_cast<real>(z.x1) * k);
    };
    const auto py = [&](int y) {
        return RoundPixel((ch - static_cast<real>(y)) / ch * zh + static_cast<real>(z.y1));
    };
    result = {px(std::min(x0, x1)), py(std::max(y0, y1)), px(std::max(x0, x1)), py(std::min(y0, y1))};
    return true;
}

bool KeyZoom(const ZoomRect& z, int key, real panFraction, real zoomFactor, ZoomRect& result) {
    const real zw = static_cast<real>(z.x2 - z.x1);
    const real zh = static_cast<real>(z.y2 - z.y1);
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
            const int cx = (z.x1 + z.x2) / 2;
            const int cy = (z.y1 + z.y2) / 2;
            result = {cx - hx, cy - hy, cx + hx, cy + hy};
            return true;
        }
        default:
            return false;
    }
}

}  // namespace trb::graphics
