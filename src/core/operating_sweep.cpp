#include "core/operating_sweep.h"

#include <cmath>

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

OperatingSweep RunOperatingSweep(const TRBrecord& record, const SweepRange& range) {
    OperatingSweep sweep;
    sweep.range = range;
    if (CheckSweepRange(range) != SweepRangeFault::None) return sweep;
    std::array<TRBrecord, kClearanceCount> cases;
    for (Clearance clearance : kClearances) cases[Index(clearance)] = WithClearance(record, clearance);

    sweep.points.resize(static_cast<std::size_t>(range.steps) + 1);
    for (int i = 0; i <= range.steps; ++i) {
        SweepPoint& point = sweep.points[static_cast<std::size_t>(i)];
        point.value = SweepValue(range, i);
        for (Clearance clearance : kClearances) {
            CaseRun& run = point.runs[Index(clearance)];
            run.record = cases[Index(clearance)];
            SetSweptValue(run.record, range.quantity, point.value);
            Calculate(run);
        }
    }
    return sweep;
}

}  // namespace trb::core
