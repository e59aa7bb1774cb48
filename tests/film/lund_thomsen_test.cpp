// Lund and Thomsen, "A calculation method and data for the dynamic coefficients of oil-lubricated
// journal bearings", in Topics in Fluid Film Bearing and Rotor Bearing System Design and Optimization,
// ASME 1978, pp. 1–28: the bearing with two axial grooves of 20° at the horizontal split (two 160° pads),
// isoviscous, Reynolds cavitation, the load between the grooves; x along the load, y a quarter turn
// further in the direction of rotation, as here.
//
// The rows are their table as two independent reproductions print it, which agree where they overlap:
// the L/D = 0.5 table in the DTU course material "Journal bearing dynamics & stability analysis"
// (I. F. Santos, Tribology of Machine Elements 41524, 2023), and rows of both tables in the literature
// validation of the open rotordynamics package ROSS. Someya's Journal-Bearing Databook (1989) tabulates
// the same bearing family with 10° grooves; its values are not the ones below.
//
// The grooves are supply areas at ambient pressure over the whole width. The coefficients converge more
// slowly on the grid than So and β (the groove edges), so they are compared on a grid twice as fine as
// the default one.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "film/film_solution.h"

namespace trb::film {
namespace {

constexpr double kPi = std::numbers::pi;

struct Row {
    double s;  // Sommerfeld number of Raimondi and Boyd, 1/(2π So)
    double eps;
    double phi;  // °
    double k[2][2];
    double bxx, bxy, byy;
};

constexpr Row kShort[] = {
    {1.656, 0.244, 65.85, {{1.69, 5.06}, {-2.20, 1.95}}, 9.93, 2.15, 4.80},
    {0.917, 0.372, 57.45, {{2.12, 4.01}, {-1.30, 1.85}}, 7.70, 2.06, 3.23},
    {0.580, 0.477, 51.01, {{2.67, 3.70}, {-0.78, 1.75}}, 6.96, 1.94, 2.40},
    {0.378, 0.570, 45.43, {{3.33, 3.64}, {-0.43, 1.68}}, 6.76, 1.87, 1.89},
    {0.244, 0.655, 40.25, {{4.21, 3.74}, {-0.13, 1.64}}, 6.87, 1.82, 1.54},
    {0.116, 0.772, 32.65, {{6.36, 4.17}, {0.30, 1.60}}, 7.59, 1.79, 1.15},
    {0.042, 0.879, 24.41, {{11.45, 5.23}, {0.92, 1.60}}, 9.48, 1.80, 0.82},
};

constexpr Row kSquare[] = {
    {0.991, 0.150, 70.58, {{1.56, 7.29}, {-2.16, 1.52}}, 14.66, 1.58, 4.49},
    {0.635, 0.224, 63.54, {{1.62, 5.33}, {-1.57, 1.56}}, 10.80, 1.70, 3.41},
    {0.235, 0.460, 49.27, {{2.19, 3.57}, {-0.80, 1.55}}, 7.36, 1.89, 2.19},
    {0.159, 0.559, 44.33, {{2.73, 3.36}, {-0.48, 1.48}}, 6.94, 1.78, 1.74},
    {0.108, 0.650, 39.72, {{3.45, 3.34}, {-0.23, 1.44}}, 6.89, 1.72, 1.43},
};

FilmProblem TwoAxialGrooves(double widthRatio) {
    FilmProblem p;
    p.widthRatio = widthRatio;
    p.grid = {2 * kDefaultGrid.circumferential, 2 * kDefaultGrid.axial};
    for (double centre : {kPi / 2, 3 * kPi / 2}) {
        SupplyArea groove;
        groove.centre = centre;
        groove.halfAngle = 10 * kPi / 180;
        groove.halfWidth = 1;
        groove.pressure = 0;
        p.areas.push_back(groove);
    }
    return p;
}

// 4 %, or 0.05 for the small ones.
void ExpectCoefficient(double actual, double expected, const char* name, double s) {
    EXPECT_NEAR(actual, expected, std::max(0.04 * std::fabs(expected), 0.05)) << name << " at S = " << s;
}

void ExpectTable(double widthRatio, const Row* rows, std::size_t count) {
    for (std::size_t n = 0; n < count; ++n) {
        const Row& row = rows[n];
        const FilmSolution s =
            SolveAtLoad(TwoAxialGrooves(widthRatio), 1 / (2 * kPi * row.s), true, row.eps, 0.8);
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
    ExpectTable(0.5, kShort, std::size(kShort));
}

TEST(LundThomsen, TwoAxialGrooveBearingAsWideAsItsDiameter) {
    ExpectTable(1.0, kSquare, std::size(kSquare));
}

}  // namespace
}  // namespace trb::film
