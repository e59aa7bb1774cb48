#pragma once

#include "core/characteristic.h"
#include "core/record.h"
#include "core/run_status.h"

namespace trb::core {

// Calculates the operating state of the case in `record` and writes every result back into it.
// Empties the message list first; every finding goes into `status` (a fatal one also sets
// `status.calculationFailed`). `abort` is set by most fatal errors and never cleared here; when it is
// already set on entry, the temperature iteration leaves after its first step and the final stage is
// skipped. Returns the number of temperature iteration steps made (0 when an input check stopped the run).
int RunCalculation(TRBrecord& record, RunStatus& status, bool& abort);

// What the runs of one search over one bearing share to be faster, none of them different: the
// Sommerfeld numbers of the eccentricity search's first bisection points, and that a temperature
// iteration which comes back to a state it had before is left at once (it would only go round that
// cycle up to the step limit; the last of those steps is made directly).
struct RunMemo {
    SommerfeldMemo sommerfeld;
};

// The same run with the same record, messages, flags and step count, made faster by the memo.
// Searches that make thousands of runs use it; far from the design point many of them never settle.
int RunCalculation(TRBrecord& record, RunStatus& status, bool& abort, RunMemo& memo);

// One step of the temperature iteration: the operating state at the current temperature estimate and
// the relaxed new estimate (t2 with pressure lubrication, tb with convection).
void OperatingPoint(TRBrecord& record, RunStatus& status, bool& abort);

// The most iteration steps a run makes before it reports "Fehler : Iteration T" (the step counter
// leaves the loop once it exceeds this).
inline constexpr int kMaxTemperatureSteps = 100;

}  // namespace trb::core
