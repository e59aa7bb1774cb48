#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

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

// Inputs anywhere in their type's range, zero and negative included: a run either stops with a fatal
// message or every result it reports is a finite number.
TEST(CalculationProperties, ArbitraryInputsNeverGiveSilentNonFiniteResults) {
    std::mt19937_64 random(31652);
    const auto value = [&random](double low, double high) {
        switch (random() % 8) {
            case 0:
                return real{0};
            case 1:
                return -static_cast<real>(std::uniform_real_distribution<double>(low, high)(random));
            default:
                return static_cast<real>(std::uniform_real_distribution<double>(low, high)(random));
        }
    };
    const std::vector<std::function<void(TRBrecord&)>> changes = {
        [&](TRBrecord& r) { r.dbmax = r.db + value(0, 1); },
        [&](TRBrecord& r) { r.dsmin = r.db - value(0, 1); },
        [&](TRBrecord& r) { r.b = value(0.1, 300); },
        [&](TRBrecord& r) { r.f = value(1, 1e7); },
        [&](TRBrecord& r) { r.ns = value(0.01, 1000); },
        [&](TRBrecord& r) { r.nb = value(0.01, 1000); },
        [&](TRBrecord& r) { r.schmier = static_cast<std::uint16_t>(random() % 20); },
        [&](TRBrecord& r) { r.t1 = value(0, 300); },
        [&](TRBrecord& r) { r.ta = value(0, 300); },
        [&](TRBrecord& r) { r.pe = value(0, 100); },
        [&](TRBrecord& r) { r.zufuhr = static_cast<std::uint16_t>(random() % 10); },
        [&](TRBrecord& r) { r.dh = value(0, 100); },
        [&](TRBrecord& r) { r.bg = value(0, 100); },
        [&](TRBrecord& r) { r.bp = value(0, 100); },
        [&](TRBrecord& r) { r.phia = value(0, 400), r.phie = value(0, 400); },
        [&](TRBrecord& r) { r.druckschmierung = !r.druckschmierung; },
        [&](TRBrecord& r) { r.k = value(0, 1000), r.a = value(0, 10); },
        [&](TRBrecord& r) { r.h0lim = value(0, 0.2); },
        [&](TRBrecord& r) { r.alpha1b = value(0, 1e-3), r.alpha1s = value(0, 1e-3); },
    };
    for (int i = 0; i < 5000; ++i) {
        TRBrecord r;
        LoadExampleCase(r);
        for (std::uint64_t n = random() % 4; n-- > 0;) changes[random() % changes.size()](r);
        RunStatus status;
        bool abort = false;
        RunCalculation(r, status, abort);
        if (status.calculationFailed) continue;
        for (const real result : {r.teff, r.t2, r.tb, r.so, r.epsilon, r.h0, r.mu, r.p0, r.pa, r.q, r.pq,
                                  r.re, r.relim, r.ntr20, r.ntreff}) {
            ASSERT_TRUE(std::isfinite(static_cast<double>(result))) << "case " << i;
        }
    }
}

}  // namespace
}  // namespace trb::core
