// The short-bearing limit: at B/D = 0.1 the film must come close to Ocvirk's closed forms, in which the
// circumferential pressure flow is dropped and the pressure is a parabola across the width over the
// converging half of the gap (the π film).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "film/film_solution.h"

namespace trb::film {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = 180 / kPi;

// Ocvirk's load and attitude angle, So = (B/D)² ε √(π²(1 − ε²) + 16 ε²) / (2 (1 − ε²)²) and
// tan β = π √(1 − ε²) / (4 ε) (Childs, Turbomachinery Rotordynamics, Wiley 1993, and Friswell, Penny,
// Garvey and Lees, Dynamics of Rotating Machines, Cambridge 2010, both in their chapters on fluid-film
// bearings).
double OcvirkSommerfeld(double eps, double widthRatio) {
    const double s = 1 - eps * eps;
    return widthRatio * widthRatio * eps * std::sqrt(kPi * kPi * s + 16 * eps * eps) / (2 * s * s);
}

double OcvirkAttitude(double eps) {
    return std::atan2(kPi * std::sqrt(1 - eps * eps), 4 * eps);
}

// Ocvirk's eight coefficients in Lund's form as Friswell et al. (2010) print them for the short bearing.
// There u is horizontal against our y and v is along the load, so K̄xx = a_vv, K̄xy = −a_vu,
// K̄yx = −a_uv, K̄yy = a_uu (and the same for the damping). The expressions were checked against a
// direct quadrature of the linearised π film (scipy, 1e-13) before they went in here.
DynamicCoefficients Ocvirk(double e) {
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
    DynamicCoefficients c;
    c.stiffness = {{{avv, -avu}, {-auv, auu}}};
    c.damping = {{{bvv, -buv}, {-buv, buu}}};
    return c;
}

FilmProblem ShortBearing() {
    FilmProblem p;
    p.widthRatio = 0.1;
    return p;
}

TEST(ShortBearing, LoadAndAttitudeAngleFollowOcvirk) {
    // The width's own share grows with ε: 0.4 % at ε = 0.1, 2 % at 0.7, 3.1 % at 0.8.
    for (double eps : {0.1, 0.3, 0.5, 0.7, 0.8}) {
        const FilmSolution s = SolveAtPosition(ShortBearing(), eps, 0.3, false);
        ASSERT_EQ(s.fault, FilmFault::None);
        EXPECT_NEAR(s.result.sommerfeld / OcvirkSommerfeld(eps, 0.1), 1, eps < 0.75 ? 0.03 : 0.035) << eps;
        EXPECT_NEAR(s.result.attitude * kDegree, OcvirkAttitude(eps) * kDegree, 0.5) << eps;
    }
}

TEST(ShortBearing, TheLimitIsApproachedAsTheBearingShortens) {
    // The finite-length film carries less than Ocvirk's, and less so the shorter it is.
    const double eps = 0.7;
    double previous = 0;
    for (double widthRatio : {0.4, 0.2, 0.1, 0.05}) {
        FilmProblem p = ShortBearing();
        p.widthRatio = widthRatio;
        const double ratio =
            SolveAtPosition(p, eps, 0, false).result.sommerfeld / OcvirkSommerfeld(eps, widthRatio);
        EXPECT_LT(ratio, 1);
        EXPECT_GT(ratio, previous) << widthRatio;
        previous = ratio;
    }
    EXPECT_GT(previous, 0.99);
}

TEST(ShortBearing, TheEightCoefficientsFollowOcvirk) {
    for (double eps : {0.2, 0.4, 0.6, 0.7}) {
        const FilmSolution s = SolveAtPosition(ShortBearing(), eps, OcvirkAttitude(eps), true);
        ASSERT_EQ(s.fault, FilmFault::None);
        const DynamicCoefficients reference = Ocvirk(eps);
        for (std::size_t i = 0; i < 2; ++i) {
            for (std::size_t j = 0; j < 2; ++j) {
                const double k = reference.stiffness[i][j];
                const double b = reference.damping[i][j];
                // 3 %, or 0.03 for the small cross-coupled stiffness that changes sign near ε = 0.7.
                EXPECT_NEAR(s.coefficients.stiffness[i][j], k, std::max(0.03 * std::fabs(k), 0.03))
                    << "K" << i << j << " at " << eps;
                EXPECT_NEAR(s.coefficients.damping[i][j], b, 0.03 * std::fabs(b))
                    << "B" << i << j << " at " << eps;
            }
        }
    }
}

}  // namespace
}  // namespace trb::film
