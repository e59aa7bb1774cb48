// The coefficients against Lund and Thomsen's tables of the two-axial-groove bearing (the rows and
// their sources and the bearing's film problem: verify/published_film.h).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "film/film_solution.h"
#include "verify/published_film.h"

namespace trb::film {
namespace {

constexpr double kPi = std::numbers::pi;

using Row = verify::LundThomsenRow;

// 4 %, or 0.05 for the small ones.
void ExpectCoefficient(double actual, double expected, const char* name, double s) {
    EXPECT_NEAR(actual, expected, std::max(0.04 * std::fabs(expected), 0.05)) << name << " at S = " << s;
}

void ExpectTable(double widthRatio, std::span<const Row> rows) {
    for (const Row& row : rows) {
        const FilmSolution s =
            SolveAtLoad(verify::LundThomsenBearing(widthRatio), 1 / (2 * kPi * row.s), true, row.eps, 0.8);
        ASSERT_EQ(s.fault, FilmFault::None) << row.s;
        EXPECT_NEAR(s.result.eccentricity, row.eps, 0.01) << row.s;
        EXPECT_NEAR(s.result.attitude * 180 / kPi, row.phi, 0.5) << row.s;
        const DynamicCoefficients& c = s.coefficients;
        ExpectCoefficient(c.stiffness[0][0], row.k[0][0], "Kxx", row.s);
        ExpectCoefficient(c.stiffness[0][1], row.k[0][1], "Kxy", row.s);
        ExpectCoefficient(c.stiffness[1][0], row.k[1][0], "Kyx", row.s);
        ExpectCoefficient(c.stiffness[1][1], row.k[1][1], "Kyy", row.s);
        ExpectCoefficient(c.damping[0][0], row.bxx, "Bxx", row.s);
        ExpectCoefficient(c.damping[0][1], row.bxy, "Bxy", row.s);
        ExpectCoefficient(c.damping[1][0], row.bxy, "Byx", row.s);
        ExpectCoefficient(c.damping[1][1], row.byy, "Byy", row.s);
    }
}

TEST(LundThomsen, TwoAxialGrooveBearingHalfAsWideAsItsDiameter) {
    ExpectTable(0.5, verify::LundThomsenHalfWidth());
}

TEST(LundThomsen, TwoAxialGrooveBearingAsWideAsItsDiameter) {
    ExpectTable(1.0, verify::LundThomsenFullWidth());
}

}  // namespace
}  // namespace trb::film
