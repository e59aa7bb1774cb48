#include "core/thresholds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calculation.h"
#include "core/messages.h"
#include "core/operating_sweep.h"

namespace trb::core {
namespace {

// A smaller bearing than the example: D = 80 mm (bore 80.000..80.030, shaft 79.940..79.960), B = 40 mm,
// ISO VG 46, 8 kN at 25 1/s, oil fed at 45 °C and 0.2 N/mm² through one hole opposite the load.
TRBrecord SmallBearing(bool pressureLubrication = true) {
    TRBrecord r;
    r.db = 80;
    r.ds = 80;
    r.dbmin = 80;
    r.dbmax = 80.03L;
    r.dsmin = 79.94L;
    r.dsmax = 79.96L;
    r.b = 40;
    r.de = 110;
    r.rzb = 1.5L;
    r.rzs = 0.8L;
    r.alpha1b = 18e-6L;
    r.alpha1s = 11.5e-6L;
    r.schmier = 9;  // ISO VG 46
    r.rho = 880;
    r.c = 1950;
    r.f = 8000;
    r.ns = 25;
    r.t1 = 45;
    r.pe = 0.2L;
    r.zufuhr = kHoleOppositeLoad;
    r.dh = 4;
    r.h0lim = 0.006L;
    r.tblim = 75;
    r.plim = 8;
    r.a = 0.12L;
    r.k = 15;
    r.ta = 30;
    r.druckschmierung = pressureLubrication;
    return r;
}

struct OneRun {
    TRBrecord record;
    RunStatus status;
    int steps = 0;

    bool Counts() const { return RunCounts(status, steps); }
    bool Within(ThresholdLimit limit) const { return LimitMargin(record, limit) >= 0; }
    bool Reports(std::string_view message) const {
        for (int i = 1; i <= status.MessageCount(); ++i) {
            if (status.Message(i) == message) return true;
        }
        return false;
    }
};

OneRun RunAt(const TRBrecord& record, Clearance clearance, ThresholdInput input, real value) {
    OneRun run;
    run.record = WithClearance(record, clearance);
    SetThresholdInput(run.record, input, value);
    bool abort = false;
    run.steps = RunCalculation(run.record, run.status, abort);
    return run;
}

std::string Where(Clearance clearance, ThresholdInput input, ThresholdLimit limit) {
    return std::string(ClearanceKey(clearance)) + " " + std::string(ThresholdInputKey(input)) + "_" +
           std::string(ThresholdLimitKey(limit));
}

// The runs a millionth and a half below and above a crossing count and lie on different sides.
void ExpectSidesChangeAt(const TRBrecord& record, Clearance clearance, ThresholdInput input,
                         ThresholdLimit limit, real crossing) {
    const real offset = 1.5e-6L * std::fabs(crossing);
    const OneRun below = RunAt(record, clearance, input, crossing - offset);
    const OneRun above = RunAt(record, clearance, input, crossing + offset);
    ASSERT_TRUE(below.Counts() && above.Counts()) << Where(clearance, input, limit);
    EXPECT_NE(below.Within(limit), above.Within(limit)) << Where(clearance, input, limit);
}

TEST(Thresholds, RangesRunFromAThousandthToAThousandfoldAndA100KelvinEitherSide) {
    const real x = 8000;
    EXPECT_EQ(ThresholdRunValue(x, ThresholdInput::Load, kThresholdCaseRun), x);
    EXPECT_NEAR(static_cast<double>(ThresholdRunValue(x, ThresholdInput::Load, 0)), 8.0, 1e-14);
    EXPECT_NEAR(static_cast<double>(ThresholdRunValue(x, ThresholdInput::ShaftSpeed, kThresholdSteps)), 8e6,
                1e-8);
    // Equal steps on the logarithmic scale: 400 of them make six decades.
    EXPECT_NEAR(static_cast<double>(ThresholdRunValue(x, ThresholdInput::Load, 201) / x),
                std::pow(10.0, 0.015), 1e-15);
    EXPECT_EQ(ThresholdRunValue(45, ThresholdInput::Temperature, 0), -55);
    EXPECT_EQ(ThresholdRunValue(45, ThresholdInput::Temperature, 1), -54.5L);
    EXPECT_EQ(ThresholdRunValue(45, ThresholdInput::Temperature, kThresholdSteps), 145);

    TRBrecord r = SmallBearing();
    SetThresholdInput(r, ThresholdInput::Temperature, 50);
    EXPECT_EQ(r.t1, 50);
    EXPECT_EQ(r.ta, 30);
    r.druckschmierung = false;
    EXPECT_EQ(ThresholdInputValue(r, ThresholdInput::Temperature), 30);
    SetThresholdInput(r, ThresholdInput::Temperature, 20);
    EXPECT_EQ(r.ta, 20);
    EXPECT_EQ(r.t1, 50);
}

TEST(Thresholds, MarginsAreTakenFromWhatTheLimitChecksCompare) {
    TRBrecord r;
    r.h0 = 0.008L;
    r.h0lim = 0.006L;
    r.tblim = 75;
    r.teff = 70;
    r.tb = 74;
    r.tbnew = 77;  // the check compares the last step's bearing temperature
    r.druckschmierung = true;
    EXPECT_EQ(LimitMargin(r, ThresholdLimit::Film), r.h0 - r.h0lim);
    EXPECT_EQ(LimitMargin(r, ThresholdLimit::Temperature), 5);
    r.druckschmierung = false;
    EXPECT_EQ(LimitMargin(r, ThresholdLimit::Temperature), -2);
}

TEST(Thresholds, RunsCountUnlessTheyFailOrDoNotSettle) {
    RunStatus status;
    status.AddMessage(kMsgFilmTooThin);
    status.AddMessage(kMsgFilmTooHot);
    EXPECT_TRUE(RunCounts(status, 7));
    EXPECT_FALSE(RunCounts(status, kMaxTemperatureSteps + 1));
    for (std::string_view unsettled : {kMsgTemperatureIteration, kMsgEccentricitySearch}) {
        RunStatus withIt = status;
        withIt.AddMessage(unsettled);
        EXPECT_FALSE(RunCounts(withIt, 7)) << unsettled;
    }
    status.calculationFailed = true;
    EXPECT_FALSE(RunCounts(status, 3));
}

// Pressure lubrication: more load, thinner film, one crossing of h0lim at each clearance, above the
// case's own load, and there the limit check's message appears.
TEST(Thresholds, LoadPassesTheFilmLimitOnceAtEachClearance) {
    const TRBrecord bearing = SmallBearing();
    const Thresholds thresholds = FindThresholds(bearing);
    EXPECT_TRUE(thresholds.complete);
    for (Clearance clearance : kClearances) {
        const ClearanceThresholds& at = thresholds.At(clearance);
        EXPECT_TRUE(at.caseCounts);
        EXPECT_TRUE(at.caseWithin[Index(ThresholdLimit::Film)]);
        EXPECT_EQ(at.loadAtPlim, 8 * 40 * 80);
        const std::vector<real>& load = at.At(ThresholdInput::Load, ThresholdLimit::Film);
        ASSERT_EQ(load.size(), 1u) << ClearanceKey(clearance);
        EXPECT_GT(load[0], 3 * bearing.f);
        EXPECT_LT(load[0], 4 * bearing.f);
        ExpectSidesChangeAt(bearing, clearance, ThresholdInput::Load, ThresholdLimit::Film, load[0]);
        EXPECT_FALSE(
            RunAt(bearing, clearance, ThresholdInput::Load, load[0] * 0.999L).Reports(kMsgFilmTooThin));
        EXPECT_TRUE(
            RunAt(bearing, clearance, ThresholdInput::Load, load[0] * 1.001L).Reports(kMsgFilmTooThin));
    }
}

// Every crossing of the load and the speed lies between the two points of an operating sweep around
// it whose runs lie on different sides; the temperature, which the sweeps do not vary, by single runs.
// The sweep steps by a millionth of the crossing, half a step off it: the margin is not smooth near a
// limit (the eccentricity search's Sommerfeld tolerance makes h0 jump by about 1e-6 mm), so a coarser
// sweep may see the sides change a little elsewhere.
TEST(Thresholds, CrossingsLieBetweenTheSweepPointsWhereTheSideChanges) {
    for (const bool pressure : {true, false}) {
        const TRBrecord bearing = SmallBearing(pressure);
        const Thresholds thresholds = FindThresholds(bearing);
        int checked = 0;
        for (Clearance clearance : kClearances) {
            for (ThresholdLimit limit : kThresholdLimits) {
                for (ThresholdInput input : kThresholdInputs) {
                    for (real crossing : thresholds.At(clearance).At(input, limit)) {
                        const std::string where = Where(clearance, input, limit);
                        std::vector<OneRun> points;
                        const real step = 1e-6L * std::fabs(crossing);
                        const real from = crossing - 10.5L * step;
                        if (input == ThresholdInput::Temperature) {
                            for (int i = 0; i <= 21; ++i)
                                points.push_back(RunAt(bearing, clearance, input, from + i * step));
                        } else {
                            const SweptQuantity quantity = input == ThresholdInput::Load
                                                               ? SweptQuantity::Load
                                                               : SweptQuantity::ShaftSpeed;
                            const OperatingSweep sweep =
                                RunOperatingSweep(bearing, {quantity, from, from + 21 * step, 21});
                            for (const SweepPoint& point : sweep.points) {
                                const CaseRun& run = point.At(clearance);
                                points.push_back({run.record, run.status, run.steps});
                            }
                        }
                        bool between = false;
                        for (std::size_t i = 1; i < points.size(); ++i) {
                            const OneRun& a = points[i - 1];
                            const OneRun& b = points[i];
                            if (!a.Counts() || !b.Counts() || a.Within(limit) == b.Within(limit)) continue;
                            const real low = ThresholdInputValue(a.record, input);
                            const real high = ThresholdInputValue(b.record, input);
                            between = between || (low < crossing && crossing < high);
                        }
                        EXPECT_TRUE(between) << where << " at " << static_cast<double>(crossing);
                        ++checked;
                    }
                }
            }
        }
        EXPECT_GE(checked, pressure ? 18 : 20);
    }
}

// By convection the checked temperature is the bearing's; the film is thick enough only inside a band
// of speeds, whose two ends are both crossings.
TEST(Thresholds, ConvectionHasASpeedWindowAndTheBearingTemperatureLimit) {
    const TRBrecord bearing = SmallBearing(false);
    const Thresholds thresholds = FindThresholds(bearing);
    const ClearanceThresholds& smallest = thresholds.At(Clearance::Smallest);
    const std::vector<real>& window = smallest.At(ThresholdInput::ShaftSpeed, ThresholdLimit::Film);
    ASSERT_EQ(window.size(), 2u);
    EXPECT_LT(window[0], bearing.ns);
    EXPECT_GT(window[1], bearing.ns);
    EXPECT_TRUE(smallest.caseWithin[Index(ThresholdLimit::Film)]);
    for (real end : window) {
        ExpectSidesChangeAt(bearing, Clearance::Smallest, ThresholdInput::ShaftSpeed, ThresholdLimit::Film,
                            end);
    }

    const std::vector<real>& hot = smallest.At(ThresholdInput::ShaftSpeed, ThresholdLimit::Temperature);
    ASSERT_EQ(hot.size(), 1u);
    const OneRun slower =
        RunAt(bearing, Clearance::Smallest, ThresholdInput::ShaftSpeed, hot[0] * (1 - 1.5e-6L));
    const OneRun faster =
        RunAt(bearing, Clearance::Smallest, ThresholdInput::ShaftSpeed, hot[0] * (1 + 1.5e-6L));
    EXPECT_FALSE(slower.Reports(kMsgBearingTooHot));
    EXPECT_TRUE(faster.Reports(kMsgBearingTooHot));
}

// At its largest clearance the bearing is beyond both limits already: the crossings lie below its load
// and below its ambient temperature.
TEST(Thresholds, ACaseBeyondItsLimitsHasItsCrossingsBelowItsOwnValues) {
    const TRBrecord bearing = SmallBearing(false);
    const ClearanceThresholds largest = FindThresholds(bearing).At(Clearance::Largest);
    EXPECT_TRUE(largest.caseCounts);
    EXPECT_FALSE(largest.caseWithin[Index(ThresholdLimit::Film)]);
    EXPECT_FALSE(largest.caseWithin[Index(ThresholdLimit::Temperature)]);
    const std::vector<real>& load = largest.At(ThresholdInput::Load, ThresholdLimit::Film);
    ASSERT_EQ(load.size(), 1u);
    EXPECT_LT(load[0], bearing.f);
    EXPECT_GT(load[0], 0.9L * bearing.f);
    const std::vector<real>& ambient = largest.At(ThresholdInput::Temperature, ThresholdLimit::Temperature);
    ASSERT_EQ(ambient.size(), 1u);
    EXPECT_LT(ambient[0], bearing.ta);
    ExpectSidesChangeAt(bearing, Clearance::Largest, ThresholdInput::Temperature, ThresholdLimit::Temperature,
                        ambient[0]);
}

// Far below its load the bearing's iteration mostly never settles; among those runs one settles beyond
// the temperature limit. Runs that do not count are no side of a limit, and a stretch of them locates
// no crossing: only the crossing at high load is found.
TEST(Thresholds, RunsThatDoNotCountAreNoSideOfALimit) {
    const TRBrecord bearing = SmallBearing();
    int uncounted = 0;
    bool hotAmongThem = false;
    for (int i = 0; i <= kThresholdSteps; ++i) {
        const OneRun run = RunAt(bearing, Clearance::Mean, ThresholdInput::Load,
                                 ThresholdRunValue(bearing.f, ThresholdInput::Load, i));
        if (!run.Counts()) {
            ++uncounted;
        } else if (run.record.f < 100 && !run.Within(ThresholdLimit::Temperature)) {
            hotAmongThem = true;
        }
    }
    EXPECT_GT(uncounted, 50);
    ASSERT_TRUE(hotAmongThem);

    const ClearanceThresholds mean = FindThresholds(bearing).At(Clearance::Mean);
    const std::vector<real>& hot = mean.At(ThresholdInput::Load, ThresholdLimit::Temperature);
    ASSERT_EQ(hot.size(), 1u);
    EXPECT_GT(hot[0], 100 * bearing.f);
    EXPECT_EQ(mean.At(ThresholdInput::Load, ThresholdLimit::Film).size(), 1u);
}

TEST(Thresholds, ALimitNeverReachedGivesNoCrossing) {
    TRBrecord bearing = SmallBearing();
    bearing.tblim = 400;
    const Thresholds thresholds = FindThresholds(bearing);
    for (Clearance clearance : kClearances) {
        for (ThresholdInput input : kThresholdInputs) {
            EXPECT_TRUE(thresholds.At(clearance).At(input, ThresholdLimit::Temperature).empty())
                << Where(clearance, input, ThresholdLimit::Temperature);
        }
        EXPECT_EQ(thresholds.At(clearance).At(ThresholdInput::Load, ThresholdLimit::Film).size(), 1u);
    }
}

TEST(Thresholds, ProgressCountsTheSearchesAndCanStopThem) {
    const TRBrecord bearing = SmallBearing();
    std::vector<int> told;
    const Thresholds stopped = FindThresholds(bearing, [&](int done) {
        told.push_back(done);
        return done < 4;
    });
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(stopped.complete);
    // The fourth search, the mean clearance's load, was made; the fifth, its speed, was not.
    EXPECT_EQ(stopped.At(Clearance::Mean).At(ThresholdInput::Load, ThresholdLimit::Film).size(), 1u);
    EXPECT_TRUE(stopped.At(Clearance::Mean).At(ThresholdInput::ShaftSpeed, ThresholdLimit::Film).empty());
    EXPECT_TRUE(stopped.At(Clearance::Largest).At(ThresholdInput::Load, ThresholdLimit::Film).empty());
}

TEST(Thresholds, AFailingCaseHasNoCrossingsAndALoadAtPlimAllTheSame) {
    TRBrecord bearing = SmallBearing();
    bearing.schmier = 0;  // no viscosity class: every run stops
    bearing.ds = 79.5L;   // the load at plim is taken with the bore's diameter
    const Thresholds thresholds = FindThresholds(bearing);
    for (Clearance clearance : kClearances) {
        const ClearanceThresholds& at = thresholds.At(clearance);
        EXPECT_FALSE(at.caseCounts);
        EXPECT_EQ(at.loadAtPlim, 25600);
        for (ThresholdInput input : kThresholdInputs) {
            for (ThresholdLimit limit : kThresholdLimits) EXPECT_TRUE(at.At(input, limit).empty());
        }
    }
}

TEST(Thresholds, TheGoverningClearanceHasTheCrossingNearestTheCase) {
    Thresholds thresholds;
    auto load = [&](Clearance c) -> std::vector<real>& {
        return thresholds.clearances[Index(c)]
            .crossings[Index(ThresholdInput::Load)][Index(ThresholdLimit::Film)];
    };
    EXPECT_FALSE(GoverningClearance(thresholds, ThresholdInput::Load, ThresholdLimit::Film, 36000));
    load(Clearance::Smallest) = {90000};
    load(Clearance::Mean) = {20000, 95000};  // 1.8 times below the case: nearer than 2.5 times above
    load(Clearance::Largest) = {};
    EXPECT_EQ(GoverningClearance(thresholds, ThresholdInput::Load, ThresholdLimit::Film, 36000),
              Clearance::Mean);
    load(Clearance::Mean) = {12000};  // 3 times below
    EXPECT_EQ(GoverningClearance(thresholds, ThresholdInput::Load, ThresholdLimit::Film, 36000),
              Clearance::Smallest);

    auto& temperature =
        thresholds.clearances[Index(Clearance::Largest)]
            .crossings[Index(ThresholdInput::Temperature)][Index(ThresholdLimit::Temperature)];
    temperature = {61};
    thresholds.clearances[Index(Clearance::Smallest)]
        .crossings[Index(ThresholdInput::Temperature)][Index(ThresholdLimit::Temperature)] = {52};
    // By difference: 61 is 3 K from 58, 52 is 6 K.
    EXPECT_EQ(GoverningClearance(thresholds, ThresholdInput::Temperature, ThresholdLimit::Temperature, 58),
              Clearance::Largest);
}

}  // namespace
}  // namespace trb::core
