// Integrity of the tolerance tables: the rules by which the standard builds them hold for every
// row, so a mistyped value shows up here even where no published limit is checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/iso286.h"
#include "core/iso286_tables.h"

namespace trb::core {
namespace {

using namespace iso286;

real It(int mainRange, int grade) {
    return kStandardTolerances[static_cast<std::size_t>(mainRange)][static_cast<std::size_t>(grade - 1)];
}

TEST(ToleranceTables, TellingStandardToleranceRows) {
    const real upTo3[18] = {0.8L, 1.2L, 2, 3, 4, 6, 10, 14, 25, 40, 60, 100, 140, 250, 400, 600, 1000, 1400};
    const real upTo120[18] = {2.5, 4,   6,   10,  15,  22,   35,   54,   87,
                              140, 220, 350, 540, 870, 1400, 2200, 3500, 5400};
    const real upTo3150[18] = {26,  36,   50,   68,   96,   135,  210,   330,   540,
                               860, 1350, 2100, 3300, 5400, 8600, 13500, 21000, 33000};
    for (int g = 1; g <= 18; ++g) {
        EXPECT_EQ(It(0, g), upTo3[g - 1]) << "IT" << g;
        EXPECT_EQ(It(7, g), upTo120[g - 1]) << "IT" << g;
        EXPECT_EQ(It(20, g), upTo3150[g - 1]) << "IT" << g;
    }
}

TEST(ToleranceTables, StandardTolerancesGrowTenfoldEveryFiveGrades) {
    for (int r = 0; r < 21; ++r) {
        for (int g = 6; g <= 13; ++g) {
            if (r == 1 && g == 6) continue;  // IT6 from 3 to 6 mm is 7.5 rounded up to 8
            EXPECT_EQ(It(r, g + 5), 10 * It(r, g)) << "range " << r << " IT" << g;
        }
        for (int g = 2; g <= 18; ++g) EXPECT_LT(It(r, g - 1), It(r, g)) << "range " << r << " IT" << g;
        if (r > 0) {
            for (int g = 1; g <= 18; ++g) EXPECT_LE(It(r - 1, g), It(r, g)) << "range " << r << " IT" << g;
        }
    }
}

TEST(ToleranceTables, DeltaIsTheStepToTheNextFinerGrade) {
    for (int r = 1; r < 13; ++r) {  // up to 3 mm the standard sets Δ = 0
        for (int g = 3; g <= 8; ++g) {
            EXPECT_EQ(kDelta[static_cast<std::size_t>(r)][static_cast<std::size_t>(g - 3)],
                      It(r, g) - It(r, g - 1))
                << "range " << r << " grade " << g;
        }
    }
    for (real d : kDelta[0]) EXPECT_EQ(d, 0);
}

TEST(ToleranceTables, RangeSchemesNest) {
    for (int limit : kMainRangeLimits) {
        EXPECT_NE(std::find(kRangeLimitsI.begin(), kRangeLimitsI.end(), limit), kRangeLimitsI.end()) << limit;
    }
    for (int limit : kRangeLimitsI) {
        EXPECT_NE(std::find(kRangeLimitsII.begin(), kRangeLimitsII.end(), limit), kRangeLimitsII.end())
            << limit;
    }
}

template <std::size_t Rows, std::size_t Columns>
void ExpectNonDecreasing(const std::array<std::array<std::int16_t, Columns>, Rows>& table, const char* name,
                         std::size_t rowsToCheck = Rows) {
    for (std::size_t c = 0; c < Columns; ++c) {
        int previous = 0;
        for (std::size_t r = 0; r < rowsToCheck; ++r) {
            const int value = table[r][c];
            if (value == kNone) continue;
            EXPECT_GE(value, previous) << name << " column " << c << " row " << r;
            previous = value;
        }
    }
}

TEST(ToleranceTables, FundamentalDeviationsGrowWithTheSize) {
    ExpectNonDecreasing(kMainDeviations, "main", 13);  // k drops to 0 above 500 mm
    ExpectNonDecreasing(kDeviationsI, "ranges I");
    ExpectNonDecreasing(kDeviationsII, "ranges II");
    ExpectNonDecreasing(kJUpperDeviations, "j/J");
}

// Every class the position rules accept must find its values in the tables, at every range.
TEST(ToleranceTables, EveryAcceptedClassHasItsValues) {
    const char* positions[] = {"a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "j",  "js", "k",
                               "m", "n", "p", "r",  "s", "t", "u",  "v", "x",  "y", "z", "za", "zb", "zc",
                               "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "J",  "JS", "K",
                               "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};
    int computed = 0;
    for (const char* p : positions) {
        for (std::size_t r = 0; r < kRangeLimitsII.size(); ++r) {
            const real sizes[] = {static_cast<real>(kRangeLimitsII[r]),
                                  static_cast<real>(kRangeLimitsII[r]) - 0.5L};
            for (real size : sizes) {
                for (int grade = 1; grade <= 18; ++grade) {
                    ToleranceSteps steps;
                    ToleranceZone zone;
                    std::string position = p;
                    const std::string message = ToleranceDeviations(steps, position, grade, size, zone);
                    ASSERT_NE(message, "Undefinierter Nennmassbereich")
                        << p << grade << " at " << double(size);
                    if (!message.empty() && message.find("..") == std::string::npos) continue;
                    const int main =
                        static_cast<int>(std::upper_bound(kMainRangeLimits.begin(), kMainRangeLimits.end(),
                                                          int(size - 0.001L)) -
                                         kMainRangeLimits.begin());
                    ASSERT_NEAR(double(zone.upper - zone.lower), double(It(main, grade)), 1e-9)
                        << p << grade << " at " << double(size);
                    ++computed;
                }
            }
        }
    }
    EXPECT_GT(computed, 20000);
}

}  // namespace
}  // namespace trb::core
