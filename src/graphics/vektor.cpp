#include "graphics/vektor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "core/messages.h"

namespace trb::graphics {

namespace {

constexpr real kBetweenTolerance = 1e-12L;

}  // namespace

real DegToRad(real degrees) {
    return degrees * std::numbers::pi_v<real> / 180.0L;
}
real RadToDeg(real radians) {
    return radians * 180.0L / std::numbers::pi_v<real>;
}

namespace {

// The number of quarter turns when the angle is a whole multiple of 90°, else -1.
int QuarterTurns(real degrees) {
    const real q = degrees / 90;
    if (q != std::round(q) || std::fabs(q) > 1e9L) return -1;
    return static_cast<int>(((std::llround(q) % 4) + 4) % 4);
}

}  // namespace

real CosDeg(real degrees) {
    switch (QuarterTurns(degrees)) {
        case 0:
            return 1;
        case 1:
        case 3:
            return 0;
        case 2:
            return -1;
        default:
            return std::cos(DegToRad(degrees));
    }
}

real SinDeg(real degrees) {
    switch (QuarterTurns(degrees)) {
        case 1:
            return 1;
        case 0:
        case 2:
            return 0;
        case 3:
            return -1;
        default:
            return std::sin(DegToRad(degrees));
    }
}

real Determinant(real a, real b, real c, real d) {
    return a * d - b * c;
}

std::optional<Point> SolveLinear(real a1, real b1, real c1, real a2, real b2, real c2) {
    const real det = Determinant(a1, b1, a2, b2);
    if (det == 0) return std::nullopt;
    return Point{Determinant(c1, b1, c2, b2) / det, Determinant(a1, c1, a2, c2) / det};
}

std::optional<Point> IntersectLines(Point p1, Point p2, Point q1, Point q2) {
    // Each line as a·x + b·y = c with (a, b) normal to its direction.
    const real a1 = p2.y - p1.y, b1 = p1.x - p2.x;
    const real a2 = q2.y - q1.y, b2 = q1.x - q2.x;
    return SolveLinear(a1, b1, a1 * p1.x + b1 * p1.y, a2, b2, a2 * q1.x + b2 * q1.y);
}

bool Between(real v, real a, real b) {
    const real lo = std::min(a, b), hi = std::max(a, b);
    return v >= lo - kBetweenTolerance && v <= hi + kBetweenTolerance;
}

std::optional<Point> IntersectSegments(Point p1, Point p2, Point q1, Point q2) {
    const auto p = IntersectLines(p1, p2, q1, q2);
    if (!p) return std::nullopt;
    if (Between(p->x, p1.x, p2.x) && Between(p->y, p1.y, p2.y) && Between(p->x, q1.x, q2.x) &&
        Between(p->y, q1.y, q2.y)) {
        return p;
    }
    return std::nullopt;
}

bool PointInRectangle(Point p, const Rect& r) {
    return Between(p.x, r.x1, r.x2) && Between(p.y, r.y1, r.y2);
}

std::optional<Segment> ClipSegment(const Segment& s, const Rect& r) {
    // Parametric clipping: the segment is s.a + t·(s.b − s.a) for 0 <= t <= 1; each side of
    // the rectangle narrows the range [t0, t1] from the side where the segment enters or leaves.
    // Ends on the boundary and passes through corners need no special case.
    const real xmin = std::min(r.x1, r.x2), xmax = std::max(r.x1, r.x2);
    const real ymin = std::min(r.y1, r.y2), ymax = std::max(r.y1, r.y2);
    const real dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    struct Side {
        real p;  // rate at which the segment approaches the outside of this side
        real q;  // distance of s.a from this side, positive inside
        bool vertical;
        real edge;
    };
    const Side sides[4] = {{-dx, s.a.x - xmin, true, xmin},
                           {dx, xmax - s.a.x, true, xmax},
                           {-dy, s.a.y - ymin, false, ymin},
                           {dy, ymax - s.a.y, false, ymax}};
    real t0 = 0, t1 = 1;
    const Side* entry = nullptr;
    const Side* exit = nullptr;
    for (const Side& side : sides) {
        if (side.p == 0) {
            // Parallel to this side: entirely outside or entirely within its half-plane.
            if (side.q < -kBetweenTolerance) return std::nullopt;
            continue;
        }
        const real t = side.q / side.p;
        if (side.p < 0 && t > t0) {
            t0 = t;
            entry = &side;
        } else if (side.p > 0 && t < t1) {
            t1 = t;
            exit = &side;
        }
    }
    if (t0 > t1) return std::nullopt;
    // Points cut at a side lie exactly on it; uncut ends stay as they were.
    const auto at = [&](real t, const Side* cut) {
        Point p{s.a.x + t * dx, s.a.y + t * dy};
        if (cut != nullptr) (cut->vertical ? p.x : p.y) = cut->edge;
        return p;
    };
    return Segment{entry != nullptr ? at(t0, entry) : s.a, exit != nullptr ? at(t1, exit) : s.b};
}

std::optional<ArcGeometry> GetArcCenter(real phi, Point p1, Point p2, core::RunStatus& status,
                                        bool keepStart) {
    const real halfSin = std::sin(phi / 2);
    if (std::fabs(halfSin) < 1e-15L) {
        status.AddMessage(core::MsgArcAngle(phi));
        return std::nullopt;
    }
    const real dx = p2.x - p1.x, dy = p2.y - p1.y;
    const real chord = std::hypot(dx, dy);
    const Point middle{(p1.x + p2.x) / 2, (p1.y + p2.y) / 2};
    const real h = std::fabs(std::sin(phi)) > 1e-15L ? (chord / 2) / std::tan(phi / 2) : 0;
    ArcGeometry arc;
    arc.radius = std::fabs((chord / 2) / halfSin);
    if (chord != 0) {
        // Left of p1→p2 for positive h.
        arc.centre = {middle.x - h * dy / chord, middle.y + h * dx / chord};
    } else {
        status.AddMessage(core::kMsgArcThroughEqualPoints);
        arc.centre = middle;
    }
    arc.start = std::atan2(p1.y - arc.centre.y, p1.x - arc.centre.x);
    arc.end = std::atan2(p2.y - arc.centre.y, p2.x - arc.centre.x);
    if (phi < 0 && !keepStart) std::swap(arc.start, arc.end);
    return arc;
}

}  // namespace trb::graphics
