#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "core/real.h"

// Where a row of calculation runs along one input passes from one side of a limit to the other,
// refined by further runs. Written for the threshold search; nothing in it knows the bearing.
namespace trb::core {

// The limits a point is checked against.
inline constexpr std::size_t kLimitCount = 2;

// One run: its input value, whether its results count, and on which side of each limit it lies.
struct SearchPoint {
    real value = 0;
    bool counts = false;
    std::array<bool, kLimitCount> within{};
};

using PointRun = std::function<SearchPoint(real value)>;

// A bracket is refined until its width is at most this share of the larger of its ends' magnitudes.
inline constexpr real kCrossingTolerance = 1e-6L;

// The crossings of each limit along `points` (in the order of their values, rising or falling),
// ascending: wherever two points that count, with none that counts between them, lie on different
// sides, the bracket between them is bisected with `run` until it is narrow enough, and its middle
// is the crossing. A bisection point that does not count is replaced by the first that counts of the
// bracket's quarter points and then its eighth points, nearest the middle first. When none of them
// counts (or the bracket holds no number between its ends) the refinement ends, and the bracket
// reached gives the crossing only if no point of the row lies inside it: a change of sides across
// points that do not count, which the refinement cannot narrow to between two neighbours of the row,
// is no crossing (no operating state shows where the limit is passed).
std::array<std::vector<real>, kLimitCount> CrossingsAlong(std::span<const SearchPoint> points,
                                                          const PointRun& run);

}  // namespace trb::core
