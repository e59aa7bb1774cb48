#include "core/thresholds.h"

#include <cmath>

#include "core/calculation.h"
#include "core/messages.h"
#include "core/utilmath.h"

namespace trb::core {

std::string_view ThresholdInputKey(ThresholdInput input) {
    switch (input) {
        case ThresholdInput::Load:
            return "load";
        case ThresholdInput::ShaftSpeed:
            return "speed";
        case ThresholdInput::Temperature:
            break;
    }
    return "temperature";
}

std::string_view ThresholdLimitKey(ThresholdLimit limit) {
    return limit == ThresholdLimit::Film ? "h0lim" : "tlim";
}

real ThresholdInputValue(const TRBrecord& record, ThresholdInput input) {
    switch (input) {
        case ThresholdInput::Load:
            return record.f;
        case ThresholdInput::ShaftSpeed:
            return record.ns;
        case ThresholdInput::Temperature:
            break;
    }
    return record.druckschmierung ? record.t1 : record.ta;
}

void SetThresholdInput(TRBrecord& record, ThresholdInput input, real value) {
    switch (input) {
        case ThresholdInput::Load:
            record.f = value;
            return;
        case ThresholdInput::ShaftSpeed:
            record.ns = value;
            return;
        case ThresholdInput::Temperature:
            break;
    }
    (record.druckschmierung ? record.t1 : record.ta) = value;
}

bool ThresholdInputIsLogarithmic(ThresholdInput input) {
    return input != ThresholdInput::Temperature;
}

real ThresholdRunValue(real x, ThresholdInput input, int i) {
    const int fromCase = i - kThresholdCaseRun;
    if (!ThresholdInputIsLogarithmic(input)) return x + static_cast<real>(fromCase) * 100 / kThresholdCaseRun;
    return x * Pow10(static_cast<real>(3 * fromCase) / kThresholdCaseRun);
}

real LimitMargin(const TRBrecord& record, ThresholdLimit limit) {
    if (limit == ThresholdLimit::Film) return record.h0 - record.h0lim;
    return record.tblim - (record.druckschmierung ? record.teff : record.tbnew);
}

bool RunCounts(const RunStatus& status, int steps) {
    if (status.calculationFailed || steps > kMaxTemperatureSteps) return false;
    for (int i = 1; i <= status.MessageCount(); ++i) {
        const std::string& message = status.Message(i);
        if (message == kMsgTemperatureIteration || message == kMsgEccentricitySearch) return false;
    }
    return true;
}

namespace {

// One run of the case at one clearance with one input changed, as the crossing search sees it.
SearchPoint RunWith(const TRBrecord& base, ThresholdInput input, real value, RunMemo& memo) {
    TRBrecord record = base;
    SetThresholdInput(record, input, value);
    RunStatus status;
    bool abort = false;
    const int steps = RunCalculation(record, status, abort, memo);
    SearchPoint point{value, RunCounts(status, steps), {}};
    for (ThresholdLimit limit : kThresholdLimits) {
        const real margin = LimitMargin(record, limit);
        if (std::isnan(margin)) point.counts = false;
        point.within[Index(limit)] = margin >= 0;
    }
    return point;
}

// The crossings of every limit along one input, and the case's own run (the middle one).
void SearchInput(const TRBrecord& base, ThresholdInput input, RunMemo& memo, ClearanceThresholds& out) {
    const real x = ThresholdInputValue(base, input);
    if (!std::isfinite(x)) return;
    // A logarithmic range around no load or no speed at all is that one point.
    if (ThresholdInputIsLogarithmic(input) && x == 0) return;
    const PointRun run = [&](real value) { return RunWith(base, input, value, memo); };
    std::array<SearchPoint, kThresholdSteps + 1> points;
    for (int i = 0; i <= kThresholdSteps; ++i)
        points[static_cast<std::size_t>(i)] = run(ThresholdRunValue(x, input, i));
    const SearchPoint& own = points[kThresholdCaseRun];
    out.caseCounts = own.counts;
    out.caseWithin = own.within;
    out.crossings[Index(input)] = CrossingsAlong(points, run);
}

}  // namespace

Thresholds FindThresholds(const TRBrecord& record, const ThresholdProgress& progress) {
    Thresholds thresholds;
    RunMemo memo;  // every run has the same width ratio
    int done = 0;
    for (Clearance clearance : kClearances) {
        const TRBrecord base = WithClearance(record, clearance);
        ClearanceThresholds& at = thresholds.clearances[Index(clearance)];
        at.loadAtPlim = record.plim * record.b * record.db;
        for (ThresholdInput input : kThresholdInputs) {
            SearchInput(base, input, memo, at);
            ++done;
            if (progress && !progress(done)) {
                thresholds.complete = false;
                return thresholds;
            }
        }
    }
    return thresholds;
}

std::optional<Clearance> GoverningClearance(const Thresholds& thresholds, ThresholdInput input,
                                            ThresholdLimit limit, real x) {
    const auto distance = [&](real crossing) {
        if (!ThresholdInputIsLogarithmic(input)) return std::fabs(crossing - x);
        return std::fabs(std::log(crossing / x));
    };
    std::optional<Clearance> governing;
    real nearest = 0;
    for (Clearance clearance : kClearances) {
        for (real crossing : thresholds.At(clearance).At(input, limit)) {
            const real d = distance(crossing);
            if (!governing || d < nearest) {
                governing = clearance;
                nearest = d;
            }
        }
    }
    return governing;
}

}  // namespace trb::core
