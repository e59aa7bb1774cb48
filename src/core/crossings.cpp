#include "core/crossings.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace trb::core {

namespace {

// The first point that counts among the bracket's middle, its quarter points and its eighth points,
// nearest the middle first; nothing when none counts or the bracket holds no further number.
std::optional<SearchPoint> SplitPoint(const SearchPoint& a, const SearchPoint& b, const PointRun& run) {
    static constexpr real kFractions[] = {0.5L, 0.25L, 0.75L, 0.375L, 0.625L, 0.125L, 0.875L};
    for (real fraction : kFractions) {
        const real value = a.value + (b.value - a.value) * fraction;
        if (value == a.value || value == b.value) return std::nullopt;
        SearchPoint point = run(value);
        if (point.counts) return point;
    }
    return std::nullopt;
}

bool NarrowEnough(const SearchPoint& a, const SearchPoint& b) {
    return std::fabs(b.value - a.value) <=
           kCrossingTolerance * std::max(std::fabs(a.value), std::fabs(b.value));
}

// The crossing of limit l between the points first and last of the row, which count and lie on
// different sides of it; the points between them do not count.
std::optional<real> Refine(std::span<const SearchPoint> row, std::size_t l, const PointRun& run) {
    SearchPoint a = row.front();
    SearchPoint b = row.back();
    while (!NarrowEnough(a, b)) {
        const std::optional<SearchPoint> split = SplitPoint(a, b, run);
        if (!split) {
            // Stopped early: the bracket gives the crossing only when it lies between two neighbours
            // of the row.
            const real low = std::min(a.value, b.value);
            const real high = std::max(a.value, b.value);
            for (const SearchPoint& between : row.subspan(1, row.size() - 2)) {
                if (between.value > low && between.value < high) return std::nullopt;
            }
            break;
        }
        (split->within[l] == a.within[l] ? a : b) = *split;
    }
    return a.value + (b.value - a.value) / 2;
}

}  // namespace

std::array<std::vector<real>, kLimitCount> CrossingsAlong(std::span<const SearchPoint> points,
                                                          const PointRun& run) {
    std::array<std::vector<real>, kLimitCount> crossings;
    for (std::size_t l = 0; l < kLimitCount; ++l) {
        std::optional<std::size_t> previous;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (!points[i].counts) continue;
            if (previous && points[*previous].within[l] != points[i].within[l]) {
                const std::optional<real> crossing =
                    Refine(points.subspan(*previous, i - *previous + 1), l, run);
                if (crossing) crossings[l].push_back(*crossing);
            }
            previous = i;
        }
        std::sort(crossings[l].begin(), crossings[l].end());
    }
    return crossings;
}

}  // namespace trb::core
