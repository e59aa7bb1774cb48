// The case at its smallest, mean and largest clearance, and the runs that govern its checks.
#include "core/clearance_range.h"

#include <gtest/gtest.h>

#include <array>

#include "core/calculation.h"

namespace trb::core {
namespace {

// A range of hand-made runs: the given effective temperatures and films, none failed.
ClearanceRange Runs(std::array<real, 3> teff, std::array<real, 3> h0) {
    ClearanceRange range;
    for (Clearance clearance : kClearances) {
        range.runs[Index(clearance)].record.teff = teff[Index(clearance)];
        range.runs[Index(clearance)].record.h0 = h0[Index(clearance)];
    }
    return range;
}

void Fail(ClearanceRange& range, Clearance clearance) {
    range.runs[Index(clearance)].status.calculationFailed = true;
}

TEST(ClearanceRange, TheLimitSizesMakeTheSmallestAndLargestClearance) {
    TRBrecord example;
    LoadExampleCase(example);
    const TRBrecord smallest = WithClearance(example, Clearance::Smallest);
    EXPECT_EQ(smallest.dbmin, 120.05L);
    EXPECT_EQ(smallest.dbmax, 120.05L);
    EXPECT_EQ(smallest.dsmin, 119.95L);
    EXPECT_EQ(smallest.dsmax, 119.95L);
    const TRBrecord largest = WithClearance(example, Clearance::Largest);
    EXPECT_EQ(largest.dbmin, 120.07L);
    EXPECT_EQ(largest.dbmax, 120.07L);
    EXPECT_EQ(largest.dsmin, 119.93L);
    EXPECT_EQ(largest.dsmax, 119.93L);
    const TRBrecord mean = WithClearance(example, Clearance::Mean);
    EXPECT_EQ(mean.dbmin, example.dbmin);
    EXPECT_EQ(mean.dsmax, example.dsmax);
}

// The example at 0.10, 0.12 and 0.14 mm of clearance: the smallest clearance runs hottest
// (teff 67.3, 65.9 and 64.8 °C from the three runs of the case, rounded as the report shows them)
// with the thinnest film, so it governs both checks.
TEST(ClearanceRange, TheExampleIsHottestAndThinnestAtItsSmallestClearance) {
    TRBrecord example;
    LoadExampleCase(example);
    const ClearanceRange range = RunClearanceRange(example);
    EXPECT_NEAR(static_cast<double>(range.At(Clearance::Smallest).record.teff), 67.3, 0.05);
    EXPECT_NEAR(static_cast<double>(range.At(Clearance::Mean).record.teff), 65.9, 0.05);
    EXPECT_NEAR(static_cast<double>(range.At(Clearance::Largest).record.teff), 64.8, 0.05);
    EXPECT_EQ(GoverningTemperature(range), Clearance::Smallest);
    EXPECT_EQ(GoverningFilm(range), Clearance::Smallest);
    // The mean run is the case's own run.
    TRBrecord single = example;
    RunStatus status;
    bool abort = false;
    RunCalculation(single, status, abort);
    EXPECT_EQ(range.At(Clearance::Mean).record.teff, single.teff);
    EXPECT_EQ(range.At(Clearance::Mean).record.h0, single.h0);
}

TEST(ClearanceRange, TheHottestAndTheThinnestRunGovernWhereverTheyLie) {
    EXPECT_EQ(GoverningTemperature(Runs({50, 70, 60}, {0.02L, 0.01L, 0.03L})), Clearance::Mean);
    EXPECT_EQ(GoverningFilm(Runs({50, 70, 60}, {0.02L, 0.01L, 0.03L})), Clearance::Mean);
    EXPECT_EQ(GoverningTemperature(Runs({50, 60, 70}, {0.03L, 0.02L, 0.01L})), Clearance::Largest);
    EXPECT_EQ(GoverningFilm(Runs({50, 60, 70}, {0.03L, 0.02L, 0.01L})), Clearance::Largest);
    EXPECT_EQ(GoverningTemperature(Runs({70, 60, 50}, {0.01L, 0.02L, 0.03L})), Clearance::Smallest);
    // Equal values: the first of them.
    EXPECT_EQ(GoverningTemperature(Runs({60, 70, 70}, {0.02L, 0.01L, 0.01L})), Clearance::Mean);
    EXPECT_EQ(GoverningFilm(Runs({60, 70, 70}, {0.02L, 0.01L, 0.01L})), Clearance::Mean);
}

TEST(ClearanceRange, FailedRunsGovernNothing) {
    ClearanceRange range = Runs({70, 60, 50}, {0.01L, 0.02L, 0.03L});
    Fail(range, Clearance::Smallest);
    EXPECT_EQ(GoverningTemperature(range), Clearance::Mean);
    EXPECT_EQ(GoverningFilm(range), Clearance::Mean);
    Fail(range, Clearance::Mean);
    EXPECT_EQ(GoverningTemperature(range), Clearance::Largest);
    EXPECT_EQ(GoverningFilm(range), Clearance::Largest);
    Fail(range, Clearance::Largest);
    EXPECT_FALSE(GoverningTemperature(range).has_value());
    EXPECT_FALSE(GoverningFilm(range).has_value());
}

}  // namespace
}  // namespace trb::core
