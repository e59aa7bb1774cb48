#include <gtest/gtest.h>

#include <cmath>

#include "core/calculation.h"

namespace trb::core {
namespace {

struct Outcome {
    TRBrecord record;
    RunStatus status;
    int steps = 0;
};

Outcome RunExampleWith(void (*change)(TRBrecord&, real), real value) {
    Outcome outcome;
    LoadExampleCase(outcome.record);
    change(outcome.record, value);
    bool abort = false;
    outcome.steps = RunCalculation(outcome.record, outcome.status, abort);
    return outcome;
}

TEST(CalculationProperties, MoreLoadGivesAThinnerFilm) {
    real previousFilm = 1;
    real previousEps = 0;
    for (const real load : {10000.0L, 20000.0L, 36000.0L, 60000.0L, 100000.0L}) {
        const Outcome run = RunExampleWith([](TRBrecord& r, real v) { r.f = v; }, load);
        ASSERT_FALSE(run.status.calculationFailed) << static_cast<double>(load);
        EXPECT_LT(run.record.h0, previousFilm) << static_cast<double>(load);
        EXPECT_GT(run.record.epsilon, previousEps) << static_cast<double>(load);
        previousFilm = run.record.h0;
        previousEps = run.record.epsilon;
    }
}

TEST(CalculationProperties, HigherViscosityClassGivesAThickerFilm) {
    real previousFilm = 0;
    for (int grade = 8; grade <= 16; ++grade) {
        const Outcome run =
            RunExampleWith([](TRBrecord& r, real v) { r.schmier = static_cast<std::uint16_t>(v); }, grade);
        ASSERT_FALSE(run.status.calculationFailed) << grade;
        EXPECT_GT(run.record.h0, previousFilm) << grade;
        previousFilm = run.record.h0;
    }
}

// Loads, speeds and oils as they meet in practice, with either way of carrying off the heat: the
// iteration settles, the heat balance closes and every result is finite.
TEST(CalculationProperties, RealisticCasesConverge) {
    for (const bool pressure : {true, false}) {
        for (const real load : {15000.0L, 36000.0L, 80000.0L}) {
            for (const real speed : {10.0L, 25.0L, 50.0L}) {
                for (const int grade : {8, 10, 11, 13}) {
                    TRBrecord r;
                    LoadExampleCase(r);
                    r.druckschmierung = pressure;
                    r.f = load;
                    r.ns = speed;
                    r.schmier = static_cast<std::uint16_t>(grade);
                    r.a = 1;
                    RunStatus status;
                    bool abort = false;
                    const int steps = RunCalculation(r, status, abort);
                    SCOPED_TRACE(testing::Message() << pressure << " F=" << static_cast<double>(load)
                                                    << " n=" << static_cast<double>(speed) << " VG" << grade);
                    ASSERT_FALSE(status.calculationFailed);
                    EXPECT_LE(steps, 20);
                    EXPECT_LT(std::fabs(static_cast<double>(pressure ? r.t2new - r.t2 : r.tbnew - r.tb)),
                              0.1);
                    EXPECT_GT(r.epsilon, 0);
                    EXPECT_LT(r.epsilon, 1);
                    EXPECT_TRUE(std::isfinite(static_cast<double>(r.ntr20)));
                    EXPECT_TRUE(std::isfinite(static_cast<double>(r.ntreff)));
                    EXPECT_GT(r.teff, pressure ? r.t1 : r.ta);
                }
            }
        }
    }
}

}  // namespace
}  // namespace trb::core
