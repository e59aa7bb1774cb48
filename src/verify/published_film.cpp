#include "verify/published_film.h"

#include <cmath>
#include <numbers>

namespace trb::verify {

namespace {

constexpr double kPi = std::numbers::pi;

constexpr RaimondiBoydRow kRaimondiBoyd[] = {
    {1, 0.1, 1.33, 79.5, 26.4, 3.37, 0.150, 0.540},      {1, 0.2, 0.631, 74.02, 12.8, 3.59, 0.280, 0.529},
    {1, 0.4, 0.264, 63.10, 5.79, 3.99, 0.497, 0.484},    {1, 0.6, 0.121, 50.58, 3.22, 4.33, 0.680, 0.415},
    {1, 0.8, 0.0446, 36.24, 1.70, 4.62, 0.842, 0.313},   {1, 0.9, 0.0188, 26.45, 1.05, 4.74, 0.919, 0.247},
    {0.5, 0.1, 4.31, 81.62, 85.6, 3.43, 0.173, 0.523},   {0.5, 0.2, 2.03, 74.94, 40.9, 3.72, 0.318, 0.506},
    {0.5, 0.4, 0.779, 61.45, 17.0, 4.29, 0.552, 0.441},  {0.5, 0.6, 0.319, 48.14, 8.10, 4.85, 0.730, 0.365},
    {0.5, 0.8, 0.0923, 33.31, 3.26, 5.41, 0.874, 0.267}, {0.5, 0.9, 0.0313, 23.66, 1.60, 5.69, 0.939, 0.206},
    {0.25, 0.1, 16.2, 82.31, 322, 3.45, 0.180, 0.515},   {0.25, 0.2, 7.57, 75.18, 153, 3.76, 0.330, 0.489},
    {0.25, 0.4, 2.83, 60.86, 61.1, 4.37, 0.567, 0.415},  {0.25, 0.6, 1.07, 46.72, 26.7, 4.99, 0.746, 0.334},
    {0.25, 0.8, 0.261, 31.04, 8.80, 5.60, 0.884, 0.240}, {0.25, 0.9, 0.0736, 21.79, 3.50, 5.91, 0.945, 0.180},
};

constexpr RaimondiBoydRow kRaimondiBoydNearTheWall[] = {
    {1, 0.97, 0.00474, 15.47, 0.514, 4.82, 0.973, 0.152},
    {0.5, 0.97, 0.00609, 13.75, 0.610, 5.88, 0.980, 0.126},
    {0.25, 0.97, 0.0101, 12.22, 0.922, 6.12, 0.984, 0.108},
};

constexpr LundThomsenRow kHalfWidth[] = {
    {1.656, 0.244, 65.85, {{1.69, 5.06}, {-2.20, 1.95}}, 9.93, 2.15, 4.80},
    {0.917, 0.372, 57.45, {{2.12, 4.01}, {-1.30, 1.85}}, 7.70, 2.06, 3.23},
    {0.580, 0.477, 51.01, {{2.67, 3.70}, {-0.78, 1.75}}, 6.96, 1.94, 2.40},
    {0.378, 0.570, 45.43, {{3.33, 3.64}, {-0.43, 1.68}}, 6.76, 1.87, 1.89},
    {0.244, 0.655, 40.25, {{4.21, 3.74}, {-0.13, 1.64}}, 6.87, 1.82, 1.54},
    {0.116, 0.772, 32.65, {{6.36, 4.17}, {0.30, 1.60}}, 7.59, 1.79, 1.15},
    {0.042, 0.879, 24.41, {{11.45, 5.23}, {0.92, 1.60}}, 9.48, 1.80, 0.82},
};

constexpr LundThomsenRow kFullWidth[] = {
    {0.991, 0.150, 70.58, {{1.56, 7.29}, {-2.16, 1.52}}, 14.66, 1.58, 4.49},
    {0.635, 0.224, 63.54, {{1.62, 5.33}, {-1.57, 1.56}}, 10.80, 1.70, 3.41},
    {0.235, 0.460, 49.27, {{2.19, 3.57}, {-0.80, 1.55}}, 7.36, 1.89, 2.19},
    {0.159, 0.559, 44.33, {{2.73, 3.36}, {-0.48, 1.48}}, 6.94, 1.78, 1.74},
    {0.108, 0.650, 39.72, {{3.45, 3.34}, {-0.23, 1.44}}, 6.89, 1.72, 1.43},
};

}  // namespace

film::FilmProblem RaimondiBoydBearing(double widthRatio) {
    film::FilmProblem problem;
    problem.widthRatio = widthRatio;
    problem.start.kind = film::FilmStart::Kind::LineAtWidestGap;
    return problem;
}

film::FilmProblem LundThomsenBearing(double widthRatio) {
    film::FilmProblem p;
    p.widthRatio = widthRatio;
    p.grid = {2 * film::kDefaultGrid.circumferential, 2 * film::kDefaultGrid.axial};
    for (double centre : {kPi / 2, 3 * kPi / 2}) {
        film::SupplyArea groove;
        groove.centre = centre;
        groove.halfAngle = kLundThomsenGrooveAngle / 2 * kPi / 180;
        groove.halfWidth = 1;
        groove.pressure = 0;
        p.areas.push_back(groove);
    }
    return p;
}

std::span<const RaimondiBoydRow> RaimondiBoydTable() {
    return kRaimondiBoyd;
}

std::span<const RaimondiBoydRow> RaimondiBoydNearTheWall() {
    return kRaimondiBoydNearTheWall;
}

std::span<const LundThomsenRow> LundThomsenHalfWidth() {
    return kHalfWidth;
}

std::span<const LundThomsenRow> LundThomsenFullWidth() {
    return kFullWidth;
}

// So = (B/D)² ε √(π²(1 − ε²) + 16 ε²) / (2 (1 − ε²)²).
double OcvirkSommerfeld(double eps, double widthRatio) {
    const double s = 1 - eps * eps;
    return widthRatio * widthRatio * eps * std::sqrt(kPi * kPi * s + 16 * eps * eps) / (2 * s * s);
}

// tan β = π √(1 − ε²) / (4 ε).
double OcvirkAttitude(double eps) {
    return std::atan2(kPi * std::sqrt(1 - eps * eps), 4 * eps);
}

film::DynamicCoefficients OcvirkCoefficients(double e) {
    const double h0 = 1 / std::pow(kPi * kPi * (1 - e * e) + 16 * e * e, 1.5);
    const double s = std::sqrt(1 - e * e);
    const double auu = 4 * (kPi * kPi * (2 - e * e) + 16 * e * e) * h0;
    const double auv = kPi * (kPi * kPi * (1 - e * e) * (1 - e * e) - 16 * e * e * e * e) / (e * s) * h0;
    const double avu =
        -kPi * (kPi * kPi * (1 - e * e) * (1 + 2 * e * e) + 32 * e * e * (1 + e * e)) / (e * s) * h0;
    const double avv = 4 * (kPi * kPi * (1 + 2 * e * e) + 32 * e * e * (1 + e * e) / (1 - e * e)) * h0;
    const double buu = 2 * kPi * s * (kPi * kPi * (1 + 2 * e * e) - 16 * e * e) / e * h0;
    const double buv = -8 * (kPi * kPi * (1 + 2 * e * e) - 16 * e * e) * h0;
    const double bvv = 2 * kPi * (kPi * kPi * (1 - e * e) * (1 - e * e) + 48 * e * e) / (e * s) * h0;
    film::DynamicCoefficients c;
    c.stiffness = {{{avv, -avu}, {-auv, auu}}};
    c.damping = {{{bvv, -buv}, {-buv, buu}}};
    return c;
}

}  // namespace trb::verify
