#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/record.h"
#include "core/run_status.h"

namespace trb::core {

// The clearances a bearing built to its tolerances runs with: the smallest (bore at its smallest
// and shaft at its largest size), the mean of the case, and the largest.
enum class Clearance : int { Smallest = 0, Mean = 1, Largest = 2 };
inline constexpr std::size_t kClearanceCount = 3;
inline constexpr std::array<Clearance, kClearanceCount> kClearances = {Clearance::Smallest, Clearance::Mean,
                                                                       Clearance::Largest};

inline constexpr std::size_t Index(Clearance clearance) {
    return static_cast<std::size_t>(clearance);
}

// "min", "mean", "max": how files name the clearances.
std::string_view ClearanceKey(Clearance clearance);

// The case built to one clearance: for the smallest both bore limits at Dmin and both shaft limits at
// dmax, for the largest both bore limits at Dmax and both shaft limits at dmin. The mean clearance is
// the case as it is.
TRBrecord WithClearance(const TRBrecord& record, Clearance clearance);

// One complete calculation run of a case of its own: the case with its results, its messages and
// flags, and the number of temperature iteration steps made.
struct CaseRun {
    TRBrecord record;
    RunStatus status;
    int steps = 0;

    bool Failed() const { return status.calculationFailed; }
};

// Runs `run.record` as it stands, with a fresh message list and a clear abort flag.
void Calculate(CaseRun& run);

// The case run at its smallest, mean and largest clearance, each a full calculation with its own
// heat balance and messages. The mean run is the run of the case itself.
struct ClearanceRange {
    std::array<CaseRun, kClearanceCount> runs;

    const CaseRun& At(Clearance clearance) const { return runs[Index(clearance)]; }
};

ClearanceRange RunClearanceRange(const TRBrecord& record);

// The run that governs a check: the thinnest film, and the hottest lubricant film (the effective
// temperature; the outlet temperature rises with it). Failed runs take no part; nothing when every
// run failed.
std::optional<Clearance> GoverningFilm(const ClearanceRange& range);
std::optional<Clearance> GoverningTemperature(const ClearanceRange& range);

}  // namespace trb::core
