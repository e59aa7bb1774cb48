// Limit deviations checked against published ISO 286 tables, one (class, size) pair per value (the
// tables and their sources: verify/published_iso286.h).
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/iso286.h"
#include "verify/published_iso286.h"

namespace trb::core {
namespace {

using namespace trb::verify;
constexpr int o = kNotDefined;

struct Checked {
    bool refused;
    real lower;
    real upper;
};

Checked Check(const char* position, int grade, real size) {
    ToleranceSteps steps;
    bool abort = false;
    const std::string text = std::string(position) + std::to_string(grade);
    const ToleranceZone zone = ToleranceLimits(steps, text, size, abort);
    return {abort, zone.lower, zone.upper};
}

int It(int grade, int coarse) {
    return PublishedIt(grade, coarse);
}

TEST(PublishedLimits, HolesJToPUpTo500) {
    int pairs = 0;
    for (const CoarseRow& row : PublishedHolesJToP()) {
        for (int r = 0; r < 13; ++r) {
            const Checked c = Check(row.position, row.grade, kCoarseEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.position) + std::to_string(row.grade) + " range " +
                         std::to_string(r));
            const int es = row.deviation[static_cast<std::size_t>(r)];
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.upper, es);
            EXPECT_EQ(c.lower, es - It(row.grade, r));
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 273);
}

TEST(PublishedLimits, HolesRToZcUpTo500) {
    int pairs = 0;
    for (const FineRow& row : PublishedHolesRToZc()) {
        for (int r = 0; r < 25; ++r) {
            const Checked c = Check(row.position, row.grade, kFineEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.position) + std::to_string(row.grade) + " range " +
                         std::to_string(r));
            const int es = row.deviation[static_cast<std::size_t>(r)];
            ++pairs;
            if (es == o) {
                EXPECT_TRUE(c.refused);
                continue;
            }
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.upper, es);
            EXPECT_EQ(c.lower, es - It(row.grade, kCoarseOfFine[static_cast<std::size_t>(r)]));
        }
    }
    EXPECT_EQ(pairs, 425);
}

TEST(PublishedLimits, ShaftFundamentalDeviationsUpTo500) {
    int pairs = 0;
    for (const FineRow& row : PublishedShafts()) {
        const bool upper = row.position[0] <= 'g';
        for (int r = 0; r < 25; ++r) {
            const Checked c = Check(row.position, row.grade, kFineEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.position) + std::to_string(row.grade) + " range " +
                         std::to_string(r));
            const int deviation = row.deviation[static_cast<std::size_t>(r)];
            ++pairs;
            if (deviation == o) {
                EXPECT_TRUE(c.refused);
                continue;
            }
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(upper ? c.upper : c.lower, deviation);
        }
    }
    for (const CoarseRow& row : PublishedJShafts()) {
        for (int r = 0; r < 13; ++r) {
            const Checked c = Check(row.position, row.grade, kCoarseEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.position) + std::to_string(row.grade) + " range " +
                         std::to_string(r));
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.lower, row.deviation[static_cast<std::size_t>(r)]);
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 664);
}

TEST(PublishedLimits, ShaftFundamentalDeviationsAbove500) {
    int pairs = 0;
    for (const LargeMainRow& row : PublishedLargeMainShafts()) {
        const bool upper = row.position[0] <= 'g';
        for (std::size_t r = 0; r < kLargeMainEnds.size(); ++r) {
            const Checked c = Check(row.position, row.grade, kLargeMainEnds[r]);
            SCOPED_TRACE(std::string(row.position) + std::to_string(row.grade) + " range " +
                         std::to_string(r));
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(upper ? c.upper : c.lower, row.deviation[r]);
            ++pairs;
        }
    }
    for (const LargeFineRow& row : PublishedLargeFineShafts()) {
        for (std::size_t r = 0; r < kLargeFineEnds.size(); ++r) {
            const Checked c = Check(row.position, row.grade, kLargeFineEnds[r]);
            SCOPED_TRACE(std::string(row.position) + std::to_string(row.grade) + " range " +
                         std::to_string(r));
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.lower, row.ei[r]);
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 128);
}

}  // namespace
}  // namespace trb::core
