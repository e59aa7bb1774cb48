#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/calculation.h"
#include "core/messages.h"
#include "same_run.h"

namespace trb::app {
namespace {

using core::TRBrecord;

// The example bearing far from its design point: loads and speeds over six decades, oil and ambient
// temperatures from -60 to 160 °C, every viscosity class, every supply feature code and two unknown
// ones, both ways of carrying the heat off, and now and then another width ratio, expansion or bearing
// speed. Many of these iterations never settle and many eccentricity searches fail: the memo's
// shortcuts are taken.
TRBrecord FarFromDesign(std::mt19937_64& random, int n) {
    std::uniform_real_distribution<double> unit(0, 1);
    const auto between = [&](real low, real high) {
        return low + (high - low) * static_cast<real>(unit(random));
    };
    TRBrecord r;
    core::LoadExampleCase(r);
    r.druckschmierung = n % 2 == 0;
    r.f *= std::pow(10.0L, between(-3, 3));
    r.ns *= std::pow(10.0L, between(-3, 3));
    r.t1 = between(-50, 160);
    r.ta = between(-60, 140);
    r.schmier = static_cast<std::uint16_t>(1 + n % 18);
    r.zufuhr = static_cast<std::uint16_t>(n % 10);
    r.dh = between(1, 20);
    r.bg = between(0, 30);
    r.bp = between(0, 50);
    r.phia = between(0, 180);
    r.phie = between(90, 360);
    r.q2c = between(0, 1);  // what an unknown supply feature keeps from before
    if (n % 7 == 0) {
        r.alpha1b = between(0, 3e-5L);
        r.alpha1s = between(0, 3e-5L);
    }
    if (n % 5 == 0) r.nb = between(-10, 10);
    if (n % 400 == 399) r.b = between(30, 120);  // another width ratio: the memo starts afresh
    return r;
}

bool Reports(const core::RunStatus& status, std::string_view message) {
    for (int i = 1; i <= status.MessageCount(); ++i) {
        if (status.Message(i) == message) return true;
    }
    return false;
}

TEST(RunMemo, RunsWithTheMemoGiveExactlyWhatSingleRunsGive) {
    std::mt19937_64 random(31652);
    core::RunMemo memo;  // one for all runs, as a search keeps it
    int unsettled = 0;
    int searchesGivenUp = 0;
    for (int n = 0; n < 3000; ++n) {
        const TRBrecord input = FarFromDesign(random, n);
        const bool abortBefore = n % 97 == 0;  // a run started with the abort flag makes one step

        TRBrecord single = input;
        core::RunStatus singleStatus;
        bool singleAbort = abortBefore;
        const int singleSteps = core::RunCalculation(single, singleStatus, singleAbort);

        core::CaseRun shared{input, {}, 0};
        bool sharedAbort = abortBefore;
        shared.steps = core::RunCalculation(shared.record, shared.status, sharedAbort, memo);

        const std::string where = "run " + std::to_string(n);
        ExpectSameRun(single, singleStatus, shared, where);
        EXPECT_EQ(singleSteps, shared.steps) << where;
        EXPECT_EQ(singleAbort, sharedAbort) << where;
        if (singleSteps > core::kMaxTemperatureSteps) ++unsettled;
        if (Reports(singleStatus, core::kMsgEccentricitySearch)) ++searchesGivenUp;
    }
    EXPECT_GT(unsettled, 100);
    EXPECT_GT(searchesGivenUp, 100);
}

}  // namespace
}  // namespace trb::app
