#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "core/clearance_range.h"
#include "core/crossings.h"
#include "core/record.h"
#include "core/run_status.h"

// How far a case is from its limits: the load, the shaft speed and the temperature at which the
// minimum film thickness reaches h0lim or the checked bearing temperature reaches tblim, for each
// clearance of the clearance range. Every value comes from ordinary calculation runs of the case
// (heat balance included) with one input changed; the runs and their results are not altered.
//
// The search, exactly, so that its results can be reproduced:
// - Clearances: the smallest, mean and largest of the clearance range (WithClearance).
// - Inputs, one at a time, everything else as in the case: the load f (N), the shaft speed ns (1/s),
//   and the temperature (°C): the inlet temperature t1 with pressure lubrication, the ambient
//   temperature ta when the heat goes off by convection.
// - Limits and margins: h0 − h0lim, and tblim minus the temperature the limit check compares with
//   tblim: teff with pressure lubrication ("Fehler : teff>tBlim !"), tbnew by convection ("Fehler :
//   tB>tBlim !", the bearing temperature of the last step). A run is within a limit when its margin
//   is 0 or more, exactly when the run does not report the limit's message.
// - Range: x/1000 to 1000·x for load and speed, evenly on a logarithmic scale, x − 100 K to x + 100 K
//   for the temperature, x being the case's own value; 400 equal steps, 401 runs, the middle one being
//   the case itself.
// - Runs that count: those that neither fail (a fatal finding) nor end unconverged. Unconverged are
//   the runs that report "Fehler : Iteration T" (the temperature iteration did not settle to 0.1 K
//   within its step limit: its last step is one point of a cycle, not a heat balance, and its results
//   jump from one run to the next; at -60 °C ambient h0 jumps between 0.003 and 0.035 mm) or "Fehler :
//   Iter ep from So" (the eccentricity search failed, so no eccentricity belongs to the Sommerfeld
//   number). A run whose margin is not a number does not count either.
// - Crossings: wherever two runs that count, with none that counts between them, lie on different
//   sides of a limit, the place where the side changes is refined by bisection until the bracket is
//   at most 1e-6 of the larger of its ends (relative, in the input's own unit) and its middle is the
//   crossing. A bisection point that does not count is replaced by the nearest of the bracket's
//   quarter and eighth points that counts; when none of them counts the refinement stops, and the
//   bracket reached is a crossing only if it lies between two neighbouring runs of the range (a
//   change of sides across a stretch of runs that do not count, which cannot be narrowed, locates no
//   limit: no operating state there shows where it is passed). See CrossingsAlong.
// - Result: per clearance, input and limit, every crossing in ascending order; empty when the limit
//   is not reached in the range (or the side never changes between runs that count). Two crossings
//   are a window, such as a speed band inside which the film is thick enough. Near a limit the
//   margin is not smooth: the eccentricity search settles to 0.001 of the Sommerfeld number, so h0
//   jumps by about 1e-6 mm from one eccentricity to the next and may pass h0lim back and forth
//   within a per mille of the input; the range's steps see that as one change of sides, and the
//   bisection finds one of its places.
// - Also the load at the admissible specific load: plim·B·D.

namespace trb::core {

// The inputs a search changes, one at a time.
enum class ThresholdInput : int { Load = 0, ShaftSpeed = 1, Temperature = 2 };
inline constexpr std::size_t kThresholdInputCount = 3;
inline constexpr std::array<ThresholdInput, kThresholdInputCount> kThresholdInputs = {
    ThresholdInput::Load, ThresholdInput::ShaftSpeed, ThresholdInput::Temperature};

// The limits: the smallest film thickness h0lim and the largest bearing temperature tblim.
enum class ThresholdLimit : int { Film = 0, Temperature = 1 };
inline constexpr std::size_t kThresholdLimitCount = kLimitCount;
inline constexpr std::array<ThresholdLimit, kThresholdLimitCount> kThresholdLimits = {
    ThresholdLimit::Film, ThresholdLimit::Temperature};

inline constexpr std::size_t Index(ThresholdInput input) {
    return static_cast<std::size_t>(input);
}
inline constexpr std::size_t Index(ThresholdLimit limit) {
    return static_cast<std::size_t>(limit);
}

// How files name them: "load", "speed", "temperature"; "h0lim", "tlim" ("load_h0lim" …).
std::string_view ThresholdInputKey(ThresholdInput input);
std::string_view ThresholdLimitKey(ThresholdLimit limit);

// The record field the input is: f, ns, and t1 with pressure lubrication or ta by convection.
real ThresholdInputValue(const TRBrecord& record, ThresholdInput input);
void SetThresholdInput(TRBrecord& record, ThresholdInput input, real value);

// Whether the input's range is logarithmic (load and speed) rather than even (temperature).
bool ThresholdInputIsLogarithmic(ThresholdInput input);

// Runs per search: steps + 1, the case itself at kThresholdCaseRun.
inline constexpr int kThresholdSteps = 400;
inline constexpr int kThresholdCaseRun = kThresholdSteps / 2;

// The input's value at run i (0..kThresholdSteps) of the search around the case's value x.
real ThresholdRunValue(real x, ThresholdInput input, int i);

// The margin of a finished run to a limit; 0 or more is within it.
real LimitMargin(const TRBrecord& record, ThresholdLimit limit);

// Whether a finished run counts: it did not fail and did not end unconverged.
bool RunCounts(const RunStatus& status, int steps);

// The thresholds at one clearance.
struct ClearanceThresholds {
    // crossings[input][limit], ascending.
    std::array<std::array<std::vector<real>, kThresholdLimitCount>, kThresholdInputCount> crossings;
    real loadAtPlim = 0;  // plim·B·D, N
    // The case's own run at this clearance: whether it counts and on which side of each limit.
    bool caseCounts = false;
    std::array<bool, kThresholdLimitCount> caseWithin{};

    const std::vector<real>& At(ThresholdInput input, ThresholdLimit limit) const {
        return crossings[Index(input)][Index(limit)];
    }
};

struct Thresholds {
    std::array<ClearanceThresholds, kClearanceCount> clearances;
    bool complete = true;  // false when the caller stopped the search

    const ClearanceThresholds& At(Clearance clearance) const { return clearances[Index(clearance)]; }
};

// Told after each of the kThresholdSearches searches (clearance × input) how many are done; answers
// whether to go on.
inline constexpr int kThresholdSearches = static_cast<int>(kClearanceCount * kThresholdInputCount);
using ThresholdProgress = std::function<bool(int done)>;

// Every threshold of the case at its three clearances.
Thresholds FindThresholds(const TRBrecord& record, const ThresholdProgress& progress = {});

// The clearance that reaches the limit first: the one with a crossing nearest the case's value x
// (by ratio for load and speed, by difference for the temperature); nothing when none has one.
std::optional<Clearance> GoverningClearance(const Thresholds& thresholds, ThresholdInput input,
                                            ThresholdLimit limit, real x);

}  // namespace trb::core
