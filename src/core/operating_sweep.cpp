#include "core/operating_sweep.h"

#include <cmath>
#include <thread>

namespace trb::core {

std::string_view SweptKey(SweptQuantity quantity) {
    return quantity == SweptQuantity::Load ? "f" : "ns";
}

SweepRangeFault CheckSweepRange(const SweepRange& range) {
    if (!std::isfinite(range.from) || !std::isfinite(range.to)) return SweepRangeFault::NotFinite;
    if (range.from == range.to) return SweepRangeFault::Empty;
    if (range.from > range.to) return SweepRangeFault::Reversed;
    if (range.steps <= 0) return SweepRangeFault::NoSteps;
    if (range.steps > kMaxSweepSteps) return SweepRangeFault::TooManySteps;
    return SweepRangeFault::None;
}

std::string_view SweepRangeFaultText(SweepRangeFault fault) {
    switch (fault) {
        case SweepRangeFault::NotFinite:
            return "Bereich: keine Zahl";
        case SweepRangeFault::Empty:
            return "Bereich leer: von = bis";
        case SweepRangeFault::Reversed:
            return "Bereich verkehrt: von > bis";
        case SweepRangeFault::NoSteps:
            return "Schrittzahl: mindestens 1";
        case SweepRangeFault::TooManySteps:
            static_assert(kMaxSweepSteps == 10000, "the text names the limit");
            return "Schrittzahl: h\x94"
                   "chstens 10000";
        case SweepRangeFault::None:
            break;
    }
    return {};
}

real SweepValue(const SweepRange& range, int i) {
    if (i >= range.steps) return range.to;
    return range.from + (range.to - range.from) * i / range.steps;
}

void SetSweptValue(TRBrecord& record, SweptQuantity quantity, real value) {
    if (quantity == SweptQuantity::Load) {
        record.f = value;
    } else {
        record.ns = value;
    }
}

real SweptValue(const TRBrecord& record, SweptQuantity quantity) {
    return quantity == SweptQuantity::Load ? record.f : record.ns;
}

bool PointFailed(const CaseRun& run) {
    if (run.Failed()) return true;
    const TRBrecord& r = run.record;
    for (real v : {r.so, r.epsilon, r.h0, r.mu, r.p0, r.q, r.teff, r.t2}) {
        if (!std::isfinite(v)) return true;
    }
    return false;
}

namespace {

// From this many runs on, a second thread calculates the upper half of the points: the runs are
// independent, so the results are the same whichever thread makes them.
constexpr std::size_t kRunsForTwoThreads = 96;

void RunPoints(const std::array<TRBrecord, kClearanceCount>& cases, const SweepRange& range,
               std::vector<SweepPoint>& points, std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
        SweepPoint& point = points[i];
        point.value = SweepValue(range, static_cast<int>(i));
        for (Clearance clearance : kClearances) {
            CaseRun& run = point.runs[Index(clearance)];
            run.record = cases[Index(clearance)];
            SetSweptValue(run.record, range.quantity, point.value);
            Calculate(run);
        }
    }
}

}  // namespace

OperatingSweep RunOperatingSweep(const TRBrecord& record, const SweepRange& range) {
    OperatingSweep sweep;
    sweep.range = range;
    if (CheckSweepRange(range) != SweepRangeFault::None) return sweep;
    std::array<TRBrecord, kClearanceCount> cases;
    for (Clearance clearance : kClearances) cases[Index(clearance)] = WithClearance(record, clearance);

    const std::size_t count = static_cast<std::size_t>(range.steps) + 1;
    sweep.points.resize(count);
    if (count * kClearanceCount >= kRunsForTwoThreads && std::thread::hardware_concurrency() > 1) {
        const std::size_t half = count / 2;
        std::jthread upper([&] { RunPoints(cases, range, sweep.points, half, count); });
        RunPoints(cases, range, sweep.points, 0, half);
    } else {
        RunPoints(cases, range, sweep.points, 0, count);
    }
    return sweep;
}

}  // namespace trb::core
