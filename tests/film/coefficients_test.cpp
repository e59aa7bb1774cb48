// The coefficients in the load frame and the stability criterion built on them.
#include <gtest/gtest.h>

#include <Eigen/Eigenvalues>
#include <cmath>
#include <numbers>

#include "film/coefficients.h"
#include "film/film_solution.h"

namespace trb::film {
namespace {

constexpr double kPi = std::numbers::pi;

DynamicCoefficients PlainBearing(double eps, double angle) {
    FilmProblem p;
    p.widthRatio = 0.5;
    p.start.kind = FilmStart::Kind::LineAtWidestGap;
    const FilmSolution s = SolveAtPosition(p, eps, angle, true);
    EXPECT_EQ(s.fault, FilmFault::None);
    return s.coefficients;
}

TEST(Coefficients, TheyAreTakenInTheFrameOfTheLoadWhereverItPoints) {
    // A plain bearing looks the same from every direction: turning the journal turns the load with it,
    // and in the load's own frame the coefficients stay.
    const DynamicCoefficients a = PlainBearing(0.6, 0.3);
    const DynamicCoefficients b = PlainBearing(0.6, 2.4);
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            EXPECT_NEAR(a.stiffness[i][j], b.stiffness[i][j], 1e-3 * std::fabs(a.stiffness[i][j]) + 1e-4);
            EXPECT_NEAR(a.damping[i][j], b.damping[i][j], 1e-3 * std::fabs(a.damping[i][j]) + 1e-4);
        }
    }
    // The signs of a journal turning from x towards y: pushed along y it is driven back against x and
    // pushed along x it is driven along y.
    const DynamicCoefficients light = PlainBearing(0.2, 1.0);
    EXPECT_GT(light.stiffness[0][1], 0);
    EXPECT_LT(light.stiffness[1][0], 0);
    EXPECT_GT(light.stiffness[0][0], 0);
    EXPECT_GT(light.damping[0][0], 0);
    EXPECT_GT(light.damping[1][1], 0);
}

// The eigenvalue of M̄ X'' + B̄ X' + K̄ X = 0 with the largest real part.
std::complex<double> LeastStable(const DynamicCoefficients& c, double mass) {
    Eigen::Matrix4d a = Eigen::Matrix4d::Zero();
    a(0, 2) = a(1, 3) = 1;
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            a(2 + i, j) = -c.stiffness[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] / mass;
            a(2 + i, 2 + j) = -c.damping[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] / mass;
        }
    }
    const Eigen::EigenSolver<Eigen::Matrix4d> eigen(a, false);
    std::complex<double> worst(-1e300, 0);
    for (int k = 0; k < 4; ++k) {
        if (eigen.eigenvalues()[k].real() > worst.real()) worst = eigen.eigenvalues()[k];
    }
    return worst;
}

TEST(Coefficients, LundsThresholdIsWhereTheWhirlStopsDecaying) {
    const DynamicCoefficients c = PlainBearing(0.4, 0.5);
    const Stability s = LundStability(c);
    ASSERT_TRUE(s.threshold);
    // A light plain bearing whirls at about half the running speed (the oil whip of Newkirk).
    EXPECT_GT(s.whirlRatio, 0.45);
    EXPECT_LT(s.whirlRatio, 0.55);
    EXPECT_TRUE(StableAt(c, 0.98 * s.criticalMass));
    EXPECT_FALSE(StableAt(c, 1.02 * s.criticalMass));
    // At the threshold the rotor whirls undamped at γ.
    const std::complex<double> at = LeastStable(c, s.criticalMass);
    EXPECT_NEAR(at.real(), 0, 1e-7);
    EXPECT_NEAR(std::fabs(at.imag()), s.whirlRatio, 1e-7);
}

TEST(Coefficients, AHeavilyLoadedFilmHasNoThreshold) {
    const DynamicCoefficients c = PlainBearing(0.85, 0.2);
    EXPECT_FALSE(LundStability(c).threshold);
    for (double mass : {0.1, 10.0, 1e4}) EXPECT_TRUE(StableAt(c, mass)) << mass;
}

}  // namespace
}  // namespace trb::film
