// The short-bearing limit: at B/D = 0.1 the film must come close to Ocvirk's closed forms, in which the
// circumferential pressure flow is dropped and the pressure is a parabola across the width over the
// converging half of the gap (the π film).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "film/film_solution.h"
#include "verify/published_film.h"

namespace trb::film {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = 180 / kPi;

using verify::OcvirkAttitude;
using verify::OcvirkSommerfeld;

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
        const DynamicCoefficients reference = verify::OcvirkCoefficients(eps);
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
