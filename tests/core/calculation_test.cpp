#include "core/calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/utilmath.h"

namespace trb::core {
namespace {

double D(real x) {
    return static_cast<double>(x);
}

std::vector<std::string> Messages(const RunStatus& status) {
    std::vector<std::string> texts;
    for (int i = 1; i <= status.MessageCount(); ++i) texts.push_back(status.Message(i));
    return texts;
}

struct ExampleRun {
    TRBrecord record;
    RunStatus status;
    bool abort = false;
    int steps = 0;

    ExampleRun() { LoadExampleCase(record); }
    void Calculate() { steps = RunCalculation(record, status, abort); }
};

// A fresh record holds the program-start values, which have no bore sizes.
TEST(Calculation, ProgramStartRecordStopsAtTheBoreSize) {
    TRBrecord record;
    RunStatus status;
    bool abort = false;
    EXPECT_EQ(RunCalculation(record, status, abort), 0);
    EXPECT_EQ(Messages(status), std::vector<std::string>{"Fatal  : Dmax = 0 !"});
    EXPECT_TRUE(status.calculationFailed);
    EXPECT_TRUE(abort);
    EXPECT_EQ(record.teff, 0);
    EXPECT_EQ(record.ws, 0);
}

// Expected values: the documented results of the example case (pressure lubrication through one hole
// opposite the load, ISO VG 100, 36 kN, 2000 1/min), to the digits given there.
TEST(Calculation, ExampleCaseReproducesTheReferenceResults) {
    ExampleRun run;
    run.Calculate();
    EXPECT_EQ(run.steps, 4);
    EXPECT_EQ(Messages(run.status), std::vector<std::string>{"Warnung: t2>tBlim !"});
    EXPECT_FALSE(run.status.calculationFailed);
    EXPECT_FALSE(run.abort);

    const TRBrecord& r = run.record;
    EXPECT_NEAR(D(r.teff), 65.94, 0.005);
    EXPECT_NEAR(D(r.t2), 73.81, 0.005);
    EXPECT_NEAR(D(r.t2new), 73.74, 0.005);
    EXPECT_NEAR(D(r.nueff), 30.06, 0.005);
    EXPECT_NEAR(D(r.psieff), 0.0015513, 5e-8);
    EXPECT_NEAR(D(r.so), 2.124, 0.0005);
    EXPECT_NEAR(D(r.epsilon), 0.8196, 0.00005);
    EXPECT_NEAR(D(r.h0), 0.01679, 0.000005);
    EXPECT_NEAR(D(r.mu), 0.004367, 5e-7);
    EXPECT_NEAR(D(r.p0), 1975.4, 0.05);
    EXPECT_NEAR(D(r.q1), 54305, 0.5);
    EXPECT_NEAR(D(r.q2), 15401, 0.5);
    EXPECT_NEAR(D(r.q), 69706, 0.5);
    EXPECT_NEAR(D(r.re), 38.9, 0.05);
    EXPECT_NEAR(D(r.relim), 1048, 0.5);
    EXPECT_NEAR(D(r.ntr20), 0.845, 0.0005);
    EXPECT_NEAR(D(r.ntreff), 12.53, 0.005);
    EXPECT_EQ(r.p, 5);
    EXPECT_EQ(r.eta40, 0.09L);  // 100 mm²/s · 900 kg/m³
    EXPECT_EQ(r.omega, 360);
    // The heat the lubricant carries off is the friction power of the last step.
    EXPECT_NEAR(D(r.pq), D(r.p0), 1e-9);
    // Heat goes with the lubricant: the convection results are untouched.
    EXPECT_EQ(r.tb, 0);
    EXPECT_EQ(r.pa, 0);
}

// Expected values: the documented convection variant of the example case (k = 20, A = 0.3, ta = 40).
TEST(Calculation, ConvectionVariantReproducesTheReferenceResults) {
    ExampleRun run;
    run.record.druckschmierung = false;
    run.Calculate();
    EXPECT_EQ(run.steps, 6);
    EXPECT_EQ(Messages(run.status), (std::vector<std::string>{"Fehler : h0<h0lim !", "Fehler : tB>tBlim !"}));
    EXPECT_FALSE(run.status.calculationFailed);
    const TRBrecord& r = run.record;
    EXPECT_NEAR(D(r.teff), 137.2, 0.05);
    EXPECT_NEAR(D(r.epsilon), 0.9752, 0.00005);
    EXPECT_NEAR(D(r.h0), 0.00358, 0.000005);
    EXPECT_NEAR(D(r.pa), 583, 0.5);
    EXPECT_EQ(r.pa, r.p0);
    EXPECT_EQ(r.q2, 0);
    EXPECT_EQ(r.q, r.q1);
    EXPECT_EQ(r.t2, 0);  // the lubricant's temperatures are not touched
    EXPECT_EQ(r.pq, 0);
}

TEST(Calculation, RunStartedWithTheAbortFlagMakesOneStepAndNoFinalStage) {
    ExampleRun run;
    run.abort = true;
    run.status.AddMessage("Fehler : left from before");
    run.Calculate();
    EXPECT_EQ(run.steps, 1);
    EXPECT_EQ(run.status.MessageCount(), 0);  // emptied, and no limit check ran
    EXPECT_FALSE(run.status.calculationFailed);
    EXPECT_TRUE(run.abort);
    EXPECT_GT(run.record.teff, 0);  // the one step wrote its results
    EXPECT_EQ(run.record.re, 0);    // the final stage did not
    EXPECT_EQ(run.record.ntreff, 0);
}

TEST(Calculation, UnsettledIterationReportsAndKeepsTheLastStep) {
    // A light load at high speed puts the eccentricity where the search's Sommerfeld tolerance is
    // coarse; the outlet temperature then jumps between two values and never settles to 0.1 K.
    ExampleRun run;
    run.record.f = 1000;
    run.record.ns = 100;
    run.Calculate();
    EXPECT_EQ(run.steps, kMaxTemperatureSteps + 1);
    ASSERT_GE(run.status.MessageCount(), 1);
    EXPECT_EQ(run.status.Message(1), "Fehler : Iteration T");
    EXPECT_FALSE(run.status.calculationFailed);
    EXPECT_GT(run.record.re, 0);  // the final stage ran on the last step's values
    EXPECT_GT(run.record.ntreff, 0);
}

TEST(Calculation, FatalStopKeepsWhatThePreviousRunWrote) {
    ExampleRun run;
    run.Calculate();
    const real teff = run.record.teff;
    // The speeds are written before the lubricant class is checked, everything else after it.
    run.record.ns = 20;
    run.record.schmier = 0;
    run.Calculate();
    EXPECT_EQ(Messages(run.status), std::vector<std::string>{"Fatal  : visko !"});
    EXPECT_TRUE(run.status.calculationFailed);
    EXPECT_FALSE(run.abort);
    EXPECT_NEAR(D(run.record.ws), D(40 * kPi), 1e-12);
    EXPECT_EQ(run.record.teff, teff);
}

}  // namespace
}  // namespace trb::core
