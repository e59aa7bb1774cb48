#include "graphics/film_map.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trb::graphics {

namespace {

// Where a value lies between two others, 0..1.
double Crossing(double a, double b, double level) {
    return a == b ? 0.5 : (level - a) / (b - a);
}

}  // namespace

NodeField ResampleRound(const std::vector<double>& angles, int rows, const std::vector<double>& values,
                        int columns) {
    NodeField out;
    const std::size_t n = angles.size();
    if (n < 2 || rows < 1 || columns < 1 || values.size() != n * static_cast<std::size_t>(rows)) return out;
    out.columns = columns + 1;
    out.rows = rows;
    out.values.resize(static_cast<std::size_t>(out.columns) * static_cast<std::size_t>(rows));
    const auto value = [&](std::size_t i, int k) {
        return values[i * static_cast<std::size_t>(rows) + static_cast<std::size_t>(k)];
    };
    for (int j = 0; j <= columns; ++j) {
        const double theta = 360.0 * j / columns;
        // The columns on either side, the one after the last being the first of the next turn.
        std::size_t after =
            static_cast<std::size_t>(std::upper_bound(angles.begin(), angles.end(), theta) - angles.begin());
        double a0 = 0, a1 = 0;
        std::size_t i0 = 0, i1 = 0;
        if (after == 0) {
            i0 = n - 1, i1 = 0;
            a0 = angles[n - 1] - 360, a1 = angles[0];
        } else if (after == n) {
            i0 = n - 1, i1 = 0;
            a0 = angles[n - 1], a1 = angles[0] + 360;
        } else {
            i0 = after - 1, i1 = after;
            a0 = angles[i0], a1 = angles[i1];
        }
        const double t = a1 > a0 ? (theta - a0) / (a1 - a0) : 0;
        for (int k = 0; k < rows; ++k) {
            out.values[static_cast<std::size_t>(j) * static_cast<std::size_t>(rows) +
                       static_cast<std::size_t>(k)] = (1 - t) * value(i0, k) + t * value(i1, k);
        }
    }
    return out;
}

Rgb RampColor(double fraction) {
    static constexpr std::array<Rgb, 5> kSteps{{
        {255, 255, 204},  // pale yellow
        {254, 204, 92},   // light orange
        {253, 141, 60},   // orange
        {227, 26, 28},    // red
        {128, 0, 38},     // dark red
    }};
    const double f = std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0) * (kSteps.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(f), kSteps.size() - 2);
    const double t = f - static_cast<double>(i);
    const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + t * (b - a))); };
    const Rgb& a = kSteps[i];
    const Rgb& b = kSteps[i + 1];
    return {mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)};
}

std::vector<GridSegment> ContourSegments(const NodeField& field, double level) {
    std::vector<GridSegment> segments;
    for (int i = 0; i + 1 < field.columns; ++i) {
        for (int k = 0; k + 1 < field.rows; ++k) {
            // Corners counter-clockwise from the lower left.
            const double v[4] = {field.At(i, k), field.At(i + 1, k), field.At(i + 1, k + 1),
                                 field.At(i, k + 1)};
            int index = 0;
            for (int c = 0; c < 4; ++c) {
                if (v[c] > level) index |= 1 << c;
            }
            if (index == 0 || index == 15) continue;
            // The crossing on edge e (from corner e to corner e + 1).
            const auto edge = [&](int e) -> std::array<double, 2> {
                const double t = Crossing(v[e], v[(e + 1) % 4], level);
                const double x = static_cast<double>(i), y = static_cast<double>(k);
                switch (e) {
                    case 0:
                        return {x + t, y};
                    case 1:
                        return {x + 1, y + t};
                    case 2:
                        return {x + 1 - t, y + 1};
                    default:
                        return {x, y + 1 - t};
                }
            };
            const auto add = [&](int e1, int e2) {
                const auto a = edge(e1), b = edge(e2);
                segments.push_back({a[0], a[1], b[0], b[1]});
            };
            // Every edge whose ends lie on both sides carries a crossing; two crossings make one line,
            // four (a saddle) two lines, paired by which side the cell's mean lies on.
            std::array<int, 4> crossed{};
            int count = 0;
            for (int e = 0; e < 4; ++e) {
                if (((index >> e) & 1) != ((index >> ((e + 1) % 4)) & 1))
                    crossed[static_cast<std::size_t>(count++)] = e;
            }
            if (count == 2) {
                add(crossed[0], crossed[1]);
            } else if (count == 4) {
                const bool centreHigh = (v[0] + v[1] + v[2] + v[3]) / 4 > level;
                const bool firstHigh = (index & 1) != 0;
                // With the mean on the side of corner 0, corner 0 and 2 are joined: the lines cut off
                // corners 1 and 3; else they cut off corners 0 and 2.
                if (centreHigh == firstHigh) {
                    add(0, 1);
                    add(2, 3);
                } else {
                    add(3, 0);
                    add(1, 2);
                }
            }
        }
    }
    return segments;
}

bool ClipLine(const Rect& area, real& x1, real& y1, real& x2, real& y2) {
    const real dx = x2 - x1, dy = y2 - y1;
    real t0 = 0, t1 = 1;
    const real p[4] = {-dx, dx, -dy, dy};
    const real q[4] = {x1 - area.x1, area.x2 - x1, y1 - area.y1, area.y2 - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const real t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const real ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

}  // namespace trb::graphics
