// The operating sweep: every point the single run of its input, on one thread or two.
#include "core/operating_sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/calculation.h"

namespace trb::core {
namespace {

bool Same(real a, real b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// 31 steps make 32 points, 96 runs: enough for the second thread, which takes points 16 to 31.
// Each point must be the run of its own value, the first point of each half as well as the last.
TEST(OperatingSweep, EveryPointOfATwoThreadSweepIsTheRunOfItsOwnValue) {
    TRBrecord example;
    LoadExampleCase(example);
    const SweepRange range{SweptQuantity::ShaftSpeed, 2, 64, 31};
    const OperatingSweep sweep = RunOperatingSweep(example, range);
    ASSERT_EQ(sweep.points.size(), 32u);
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const SweepPoint& point = sweep.points[i];
        EXPECT_EQ(point.value, 2 + 2 * static_cast<real>(i)) << "point " << i;
        for (Clearance clearance : kClearances) {
            CaseRun single;
            single.record = WithClearance(example, clearance);
            single.record.ns = point.value;
            Calculate(single);
            const CaseRun& run = point.At(clearance);
            const std::string where =
                "point " + std::to_string(i) + " " + std::string(ClearanceKey(clearance));
            EXPECT_EQ(run.record.ns, point.value) << where;
            EXPECT_EQ(run.record.dbmin, single.record.dbmin) << where;
            EXPECT_EQ(run.record.dsmax, single.record.dsmax) << where;
            EXPECT_EQ(run.steps, single.steps) << where;
            EXPECT_EQ(run.Failed(), single.Failed()) << where;
            for (auto [got, want] :
                 std::initializer_list<std::pair<real, real>>{{run.record.h0, single.record.h0},
                                                              {run.record.teff, single.record.teff},
                                                              {run.record.p0, single.record.p0},
                                                              {run.record.q, single.record.q},
                                                              {run.record.so, single.record.so}})
                EXPECT_TRUE(Same(got, want)) << where;
            EXPECT_GT(run.steps, 0) << where << ": calculated";
        }
    }
}

TEST(OperatingSweep, PointsStepEvenlyAndEndOnTheRangeItself) {
    const SweepRange range{SweptQuantity::Load, 1000, 2000, 3};
    EXPECT_EQ(SweepValue(range, 0), 1000);
    EXPECT_EQ(SweepValue(range, 1), 1000 + 1000.0L / 3);
    EXPECT_EQ(SweepValue(range, 2), 1000 + 2000.0L / 3);
    EXPECT_EQ(SweepValue(range, 3), 2000);
    // Values of 0.1 steps do not add up to the end exactly; the last point is the end.
    const SweepRange tenths{SweptQuantity::ShaftSpeed, 0.1L, 1.0L, 9};
    EXPECT_EQ(SweepValue(tenths, 9), 1.0L);

    TRBrecord example;
    LoadExampleCase(example);
    const OperatingSweep load = RunOperatingSweep(example, range);
    ASSERT_EQ(load.points.size(), 4u);
    for (const SweepPoint& point : load.points)
        for (Clearance clearance : kClearances) {
            EXPECT_EQ(point.At(clearance).record.f, point.value);
            EXPECT_EQ(point.At(clearance).record.ns, example.ns) << "only the load is swept";
        }
}

TEST(OperatingSweep, RangesAreCheckedAtTheirLimits) {
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, 1, 2, 1}), SweepRangeFault::None);
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, 1, 2, 0}), SweepRangeFault::NoSteps);
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, 1, 2, kMaxSweepSteps}), SweepRangeFault::None);
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, 1, 2, kMaxSweepSteps + 1}),
              SweepRangeFault::TooManySteps);
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, 2, 2, 5}), SweepRangeFault::Empty);
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, 2, 1, 5}), SweepRangeFault::Reversed);
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, NAN, 1, 5}), SweepRangeFault::NotFinite);
    EXPECT_EQ(CheckSweepRange({SweptQuantity::Load, 0, INFINITY, 5}), SweepRangeFault::NotFinite);
}

}  // namespace
}  // namespace trb::core
