#include "graphics/hatching.h"

#include <algorithm>
#include <cmath>

#include "core/messages.h"
#include "graphics/driver.h"
#include "graphics/view.h"

namespace trb::graphics {

namespace {

// More lines than any drawing needs: a distance this small against the boundary is an input
// error, not a hatching.
constexpr real kMaxHatchLines = 100000;

}  // namespace

std::vector<Segment> HatchLines(std::vector<Point> boundary, real angleDegrees, real distance,
                                core::RunStatus& status, bool& abort) {
    std::vector<Segment> lines;
    if (boundary.size() > kMaxHatchPoints) {
        status.AddMessage(core::kMsgHatchLineCount);
        return lines;
    }
    if (boundary.size() < 3 || angleDegrees == 0) return lines;
    if (boundary.back().x != boundary.front().x || boundary.back().y != boundary.front().y) {
        boundary.push_back(boundary.front());
    }
    // Position of a point across the lines (c) and along them (t).
    // Exact at right angles, so that lines through vertices stay exact.
    const real ca = CosDeg(angleDegrees), sa = SinDeg(angleDegrees);
    const auto across = [&](Point p) { return p.y * ca - p.x * sa; };
    const auto along = [&](Point p) { return p.x * ca + p.y * sa; };
    real cmin = across(boundary.front()), cmax = cmin;
    for (const Point& p : boundary) {
        cmin = std::min(cmin, across(p));
        cmax = std::max(cmax, across(p));
    }
    const real step = distance != 0 ? std::fabs(distance) : (cmax - cmin) * 0.1L;
    if (step <= 0 || (cmax - cmin) / step > kMaxHatchLines) {
        if (step > 0) status.AddMessage(core::kMsgHatchFailed);
        return lines;
    }
    std::vector<Point> hits;
    for (int k = 1;; ++k) {
        const real c = cmin + static_cast<real>(k) * step;
        if (c >= cmax - 1e-12L * (cmax - cmin)) break;
        hits.clear();
        for (std::size_t i = 1; i < boundary.size(); ++i) {
            const Point p = boundary[i - 1], q = boundary[i];
            const real cp = across(p), cq = across(q);
            // Half-open: the lower end of a side belongs to it, the upper one does not.
            if (!((cp <= c && c < cq) || (cq <= c && c < cp))) continue;
            const real u = (c - cp) / (cq - cp);
            hits.push_back({p.x + u * (q.x - p.x), p.y + u * (q.y - p.y)});
        }
        if (hits.size() > kMaxHatchCrossings) {
            status.AddMessage(core::kMsgHatchIntersection);
            abort = true;
            return lines;
        }
        std::sort(hits.begin(), hits.end(), [&](Point l, Point r) { return along(l) < along(r); });
        for (std::size_t i = 0; i + 1 < hits.size(); i += 2) {
            if (along(hits[i + 1]) - along(hits[i]) > 1e-12L) lines.push_back({hits[i], hits[i + 1]});
        }
    }
    return lines;
}

void Hatching::HatchRectangle(real angle, real distance, real x1, real y1, real x2, real y2) {
    if (distance == 0) {
        distance = static_cast<real>(RoundPixel(0.2L * std::max(std::fabs(x2 - x1), std::fabs(y2 - y1))));
    }
    points_ = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    overflow_ = false;
    Hatch(angle, distance);
}

void Hatching::HatchPolygonBegin(int flags) {
    flags_ = flags;
    points_.clear();
    previousPhi_ = 0;
    overflow_ = false;
    driver_.CadPolylineBegin(flags);
}

void Hatching::AddPoint(Point p) {
    if (points_.size() >= kMaxHatchPoints) {
        driver_.Status().AddMessage(core::kMsgHatchFailed);
        overflow_ = true;
        return;
    }
    points_.push_back(p);
}

void Hatching::AddArcPoints(real phi, Point from, Point to) {
    const auto arc = GetArcCenter(phi, from, to, driver_.Status(), true);
    if (!arc) {
        AddPoint(to);
        return;
    }
    const int n = std::max(3, RoundPixel(std::fabs(RadToDeg(phi)) / 15));
    // The arc's first point is the previous vertex, already in the table.
    for (int k = 1; k <= n; ++k) {
        const real angle = arc->start + static_cast<real>(k) * phi / static_cast<real>(n);
        AddPoint(
            {arc->centre.x + arc->radius * std::cos(angle), arc->centre.y + arc->radius * std::sin(angle)});
    }
}

void Hatching::HatchPolygonVertex(real phi, real x, real y) {
    driver_.CadVertex(phi, x, y);
    if (points_.empty() || previousPhi_ == 0) {
        AddPoint({x, y});
    } else {
        AddArcPoints(previousPhi_, points_.back(), {x, y});
    }
    previousPhi_ = phi;
}

void Hatching::HatchPolygonEnd(real angle, real distance) {
    driver_.CadPolylineEnd();
    // A closed polygon whose last side is an arc: the arc back to the first point.
    if ((flags_ & 1) != 0 && previousPhi_ != 0 && points_.size() >= 2) {
        AddArcPoints(previousPhi_, points_.back(), points_.front());
    }
    if (overflow_) {
        driver_.Status().AddMessage(core::kMsgHatchLineCount);
        return;
    }
    Hatch(angle, distance);
}

void Hatching::Hatch(real angle, real distance) {
    if (points_.empty()) return;
    if (points_.size() > kMaxHatchPoints) {
        driver_.Status().AddMessage(core::kMsgHatchLineCount);
        return;
    }
    if (mode_ == 1) driver_.CadColor(5);
    if (mode_ == 0 || mode_ == 1) {
        driver_.CadPolylineBegin(0);
        for (const Point& p : points_) driver_.CadVertex(0, p.x, p.y);
        const Point first = points_.front(), last = points_.back();
        if (last.x != first.x || last.y != first.y) driver_.CadVertex(0, first.x, first.y);
        driver_.CadPolylineEnd();
    }
    if (angle == 0) return;
    const std::vector<Segment> lines =
        HatchLines(points_, angle, distance, driver_.Status(), driver_.Abort());
    if (mode_ == 1 || mode_ == 2) driver_.CadColor(3);
    for (const Segment& s : lines) driver_.CadLine(s.a.x, s.a.y, s.b.x, s.b.y);
}

}  // namespace trb::graphics
