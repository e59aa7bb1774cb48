#include "core/clearance_range.h"

#include "core/calculation.h"

namespace trb::core {

std::string_view ClearanceKey(Clearance clearance) {
    switch (clearance) {
        case Clearance::Smallest:
            return "min";
        case Clearance::Largest:
            return "max";
        case Clearance::Mean:
            break;
    }
    return "mean";
}

TRBrecord WithClearance(const TRBrecord& record, Clearance clearance) {
    TRBrecord limited = record;
    if (clearance == Clearance::Smallest) {
        limited.dbmax = record.dbmin;
        limited.dsmin = record.dsmax;
    } else if (clearance == Clearance::Largest) {
        limited.dbmin = record.dbmax;
        limited.dsmax = record.dsmin;
    }
    return limited;
}

void Calculate(CaseRun& run) {
    bool abort = false;
    run.steps = RunCalculation(run.record, run.status, abort);
}

ClearanceRange RunClearanceRange(const TRBrecord& record) {
    ClearanceRange range;
    for (Clearance clearance : kClearances) {
        CaseRun& run = range.runs[Index(clearance)];
        run.record = WithClearance(record, clearance);
        Calculate(run);
    }
    return range;
}

namespace {

// The clearance whose value ranks first by `before` among the runs that did not fail.
template <typename Value, typename Before>
std::optional<Clearance> Extreme(const ClearanceRange& range, Value value, Before before) {
    std::optional<Clearance> best;
    for (Clearance clearance : kClearances) {
        const CaseRun& run = range.At(clearance);
        if (run.Failed()) continue;
        if (!best || before(value(run.record), value(range.At(*best).record))) best = clearance;
    }
    return best;
}

}  // namespace

std::optional<Clearance> GoverningFilm(const ClearanceRange& range) {
    return Extreme(
        range, [](const TRBrecord& r) { return r.h0; }, [](real a, real b) { return a < b; });
}

std::optional<Clearance> GoverningTemperature(const ClearanceRange& range) {
    return Extreme(
        range, [](const TRBrecord& r) { return r.teff; }, [](real a, real b) { return a > b; });
}

}  // namespace trb::core
