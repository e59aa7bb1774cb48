#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/clearance_range.h"

namespace trb::core {

// The input an operating sweep varies.
enum class SweptQuantity : int { ShaftSpeed = 0, Load = 1 };

// The record field the quantity is, under its name in files: "ns" (1/s) or "f" (N).
std::string_view SweptKey(SweptQuantity quantity);

// The most steps a sweep may make.
inline constexpr int kMaxSweepSteps = 10000;

// A sweep from `from` to `to` in `steps` equal steps: steps + 1 points, both ends included.
struct SweepRange {
    SweptQuantity quantity = SweptQuantity::ShaftSpeed;
    real from = 0;
    real to = 0;
    int steps = 0;
};

// What is wrong with a sweep range.
enum class SweepRangeFault { None, NotFinite, Empty, Reversed, NoSteps, TooManySteps };

SweepRangeFault CheckSweepRange(const SweepRange& range);

// What the fault means, for the user (code page 850); empty for None.
std::string_view SweepRangeFaultText(SweepRangeFault fault);

// The value of point i (0..steps); the last point is `to` itself.
real SweepValue(const SweepRange& range, int i);

// The record with the swept field set to `value`.
void SetSweptValue(TRBrecord& record, SweptQuantity quantity, real value);
real SweptValue(const TRBrecord& record, SweptQuantity quantity);

// One point of a sweep: the swept value and the full run of the case with that value at each of
// the three clearances.
struct SweepPoint {
    real value = 0;
    std::array<CaseRun, kClearanceCount> runs;

    const CaseRun& At(Clearance clearance) const { return runs[Index(clearance)]; }
};

// Whether a point's run counts as failed: a fatal error stopped it, or one of the values the
// charts and tables show is not a number.
bool PointFailed(const CaseRun& run);

// The case swept over a checked range: every point is the ordinary calculation run of the case
// with the swept field set to the point's value, at the smallest, mean and largest clearance.
struct OperatingSweep {
    SweepRange range;
    std::vector<SweepPoint> points;
};

// Calculates the sweep; the range must pass CheckSweepRange (an unchecked range gives no points).
OperatingSweep RunOperatingSweep(const TRBrecord& record, const SweepRange& range);

}  // namespace trb::core
