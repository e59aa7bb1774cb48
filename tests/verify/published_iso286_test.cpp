// The hole tables A to H, JS and the corrected values against the program (the J..ZC and shaft tables
// are checked in tests/core), and the transcription of the A..H table against the IT table it must
// agree with.
#include "verify/published_iso286.h"

#include <gtest/gtest.h>

#include <string>

#include "core/iso286.h"

namespace trb::verify {
namespace {

struct Checked {
    bool refused;
    real lower;
    real upper;
};

Checked Check(const std::string& position, int grade, real size) {
    core::ToleranceSteps steps;
    bool abort = false;
    const core::ToleranceZone zone =
        core::ToleranceLimits(steps, position + std::to_string(grade), size, abort);
    return {abort, zone.lower, zone.upper};
}

// The coarse range of each end of the A..H table: 6, 10, 18, 30, 40, 50, 65, 80.
constexpr int kCoarseOfHoleEnd[] = {1, 2, 3, 4, 5, 5, 6, 6};

TEST(PublishedIso286, HolesAToHUpTo80) {
    int pairs = 0;
    for (const HoleLimitsRow& row : PublishedHolesAToH()) {
        for (std::size_t r = 0; r < kHoleTableEnds.size(); ++r) {
            SCOPED_TRACE(std::string(row.position) + std::to_string(row.grade) + " range " +
                         std::to_string(r));
            const Checked c = Check(row.position, row.grade, kHoleTableEnds[r]);
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.upper, row.limits[r][0]);
            EXPECT_EQ(c.lower, row.limits[r][1]);
            // The transcription: the zone is as wide as the standard tolerance of the published table.
            if (row.grade >= 5 && row.grade <= 9) {
                EXPECT_EQ(row.limits[r][0] - row.limits[r][1], PublishedIt(row.grade, kCoarseOfHoleEnd[r]));
            }
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 160);
}

TEST(PublishedIso286, JsIsSymmetricAboutTheZeroLine) {
    for (const SymmetricRow& row : PublishedJs()) {
        for (std::size_t r = 0; r < row.half.size(); ++r) {
            for (const char* position : {"JS", "js"}) {
                SCOPED_TRACE(std::string(position) + std::to_string(row.grade) + " range " +
                             std::to_string(r));
                const Checked c = Check(position, row.grade, kCoarseEnds[r]);
                ASSERT_FALSE(c.refused);
                EXPECT_EQ(c.upper, static_cast<real>(row.half[r]));
                EXPECT_EQ(c.lower, -static_cast<real>(row.half[r]));
                if (row.grade <= 9) {
                    EXPECT_EQ(2 * row.half[r], PublishedIt(row.grade, static_cast<int>(r)));
                }
            }
        }
    }
}

TEST(PublishedIso286, TheProgramHasTheCorrectedValuesNotThePrintedOnes) {
    ASSERT_EQ(Iso286Corrigendum().size(), 4U);
    for (const CorrectedValue& v : Iso286Corrigendum()) {
        SCOPED_TRACE(std::string(v.position) + std::to_string(v.grade));
        const Checked c = Check(v.position, v.grade, v.size);
        ASSERT_FALSE(c.refused);
        EXPECT_EQ(v.upper ? c.upper : c.lower, v.corrected);
        EXPECT_NE(v.printed, v.corrected);
    }
}

}  // namespace
}  // namespace trb::verify
