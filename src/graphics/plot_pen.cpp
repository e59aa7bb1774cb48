#include "graphics/plot_pen.h"

#include <algorithm>
#include <cmath>

#include "graphics/driver.h"

namespace trb::graphics {

namespace {

constexpr real kDash = 2;  // drawing units
constexpr real kGap = 1.2L;

}  // namespace

void PlotPen::LineTo(Point p) {
    const Segment whole{at_, p};
    at_ = p;
    const auto inside = ClipSegment(whole, area_);
    if (!inside) return;
    if (!dashed_) {
        driver_.CadLine(inside->a.x, inside->a.y, inside->b.x, inside->b.y);
        return;
    }
    Dashes(*inside);
}

void PlotPen::Dashes(const Segment& s) {
    const real dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const real length = std::hypot(dx, dy);
    if (!(length > 0)) return;
    real done = 0;
    while (done < length) {
        const bool drawing = phase_ < kDash;
        const real left = drawing ? kDash - phase_ : kDash + kGap - phase_;
        const real step = std::min(left, length - done);
        if (drawing) {
            const real t0 = done / length, t1 = (done + step) / length;
            driver_.CadLine(s.a.x + dx * t0, s.a.y + dy * t0, s.a.x + dx * t1, s.a.y + dy * t1);
        }
        done += step;
        phase_ = std::fmod(phase_ + step, kDash + kGap);
    }
}

}  // namespace trb::graphics
