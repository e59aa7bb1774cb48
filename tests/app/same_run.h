#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/case_json.h"
#include "core/clearance_range.h"

// The check that two calculation runs gave the same: the test of every way the engine runs a case
// apart from the single run (sweeps, clearance ranges, the searches' shared memo).
namespace trb::app {

// Two results agree when they are the same number, bit for bit in value (both not a number counts
// as agreeing).
inline bool Same(real a, real b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Every result field and every message of two runs agree.
inline void ExpectSameRun(const core::TRBrecord& expected, const core::RunStatus& expectedStatus,
                          const core::CaseRun& actual, const std::string& where) {
    const auto want = RecordResults(expected);
    const auto got = RecordResults(actual.record);
    ASSERT_EQ(want.size(), got.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_TRUE(Same(want[i].value, got[i].value))
            << where << ": " << want[i].name << " " << static_cast<double>(want[i].value) << " vs "
            << static_cast<double>(got[i].value);
    }
    ASSERT_EQ(expectedStatus.MessageCount(), actual.status.MessageCount()) << where;
    for (int m = 1; m <= expectedStatus.MessageCount(); ++m) {
        EXPECT_EQ(expectedStatus.Message(m), actual.status.Message(m)) << where;
    }
    EXPECT_EQ(expectedStatus.calculationFailed, actual.status.calculationFailed) << where;
}

}  // namespace trb::app
