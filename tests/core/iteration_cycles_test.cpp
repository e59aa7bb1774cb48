#include "core/iteration_cycles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace trb::core {
namespace {

IterationState T(real temperature) {
    return {temperature, 0};
}

// States 0, 1, 2, … up to `entry`, then round a cycle of `period` states for good: the state the last
// step starts from is the one the whole sequence holds at step kSteps − 1.
std::vector<IterationState> Sequence(std::size_t entry, std::size_t period) {
    std::vector<IterationState> states;
    for (std::size_t i = 0; i < CycleWatch::kSteps; ++i) {
        const std::size_t k = i < entry ? i : entry + (i - entry) % period;
        states.push_back({100 + static_cast<real>(k) / 3, 0.1L * static_cast<real>(k % 2)});
    }
    return states;
}

TEST(CycleWatch, AReturnToAnEarlierStateGivesTheStartOfTheLastStep) {
    for (std::size_t entry : {0u, 1u, 7u, 40u}) {
        for (std::size_t period : {1u, 2u, 3u, 4u, 17u, 50u}) {
            if (entry + period >= CycleWatch::kSteps) continue;
            const std::vector<IterationState> states = Sequence(entry, period);
            CycleWatch watch(states[0]);
            std::size_t step = 1;
            std::optional<IterationState> last;
            for (; step < CycleWatch::kSteps && !last; ++step)
                last = watch.LastStartOnceCycling(states[step], step);
            ASSERT_TRUE(last) << entry << " " << period;
            EXPECT_EQ(step - 1, entry + period) << "found at the first return";
            EXPECT_TRUE(*last == states[CycleWatch::kSteps - 1]) << entry << " " << period;
        }
    }
}

TEST(CycleWatch, NoReturnNoAnswerAndNothingAfterTheLastStep) {
    CycleWatch watch(T(0));
    for (std::size_t step = 1; step < CycleWatch::kSteps; ++step) {
        EXPECT_FALSE(watch.LastStartOnceCycling(T(static_cast<real>(step)), step)) << step;
    }
    CycleWatch late(T(5));
    EXPECT_FALSE(late.LastStartOnceCycling(T(5), CycleWatch::kSteps));
}

TEST(CycleWatch, StatesAreEqualOnlyInEveryPart) {
    const real nan = std::numeric_limits<real>::quiet_NaN();
    EXPECT_FALSE((IterationState{nan, 0} == IterationState{nan, 0}));
    EXPECT_FALSE((IterationState{0.0L, 0} == IterationState{-0.0L, 0}));
    EXPECT_FALSE((IterationState{60, 0.1L} == IterationState{60, 0.2L}));
    // One unit in the last place of an extended real apart: the same double, another state.
    EXPECT_FALSE((IterationState{60, 0} == IterationState{std::nextafter(60.0L, 61.0L), 0}));
    EXPECT_TRUE((IterationState{60, 0.1L} == IterationState{60, 0.1L}));

    CycleWatch watch(T(60));
    EXPECT_FALSE(watch.LastStartOnceCycling(T(std::nextafter(60.0L, 61.0L)), 1));
    EXPECT_FALSE(watch.LastStartOnceCycling({60, 0.5L}, 2));
    EXPECT_TRUE(watch.LastStartOnceCycling(T(60), 3));
}

TEST(CycleWatch, StateBelongsToTheWayTheHeatGoesOff) {
    TRBrecord pressure;
    pressure.druckschmierung = true;
    pressure.t2 = 80;
    pressure.q2c = 0.3L;
    pressure.tb = 55;
    EXPECT_TRUE((StateOf(pressure) == IterationState{80, 0.3L}));
    TRBrecord convection = pressure;
    convection.druckschmierung = false;
    EXPECT_TRUE((StateOf(convection) == IterationState{55, 0}));

    Restore(pressure, {70, 0.2L});
    EXPECT_EQ(pressure.t2, 70);
    EXPECT_EQ(pressure.q2c, 0.2L);
    EXPECT_EQ(pressure.tb, 55);
    Restore(convection, {65, 0.9L});
    EXPECT_EQ(convection.tb, 65);
    EXPECT_EQ(convection.t2, 80);
    EXPECT_EQ(convection.q2c, 0.3L);
}

}  // namespace
}  // namespace trb::core
