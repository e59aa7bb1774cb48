#include "core/utilmath.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trb::core {
namespace {

constexpr double kTight = 1e-15;

double D(real x) {
    return static_cast<double>(x);
}

TEST(Utilmath, PowersAndLogarithms) {
    EXPECT_EQ(IntPower(3, 2), 8);
    EXPECT_EQ(IntPower(0, 7), 1);
    EXPECT_EQ(IntPower(-2, 2), 0.25L);
    EXPECT_EQ(IntPower(5, -1), -1);
    EXPECT_NEAR(D(Log10(1000)), 3, kTight);
    EXPECT_EQ(Log10(0), -1e30L);  // never fails: a non-positive argument gives a huge negative value
    EXPECT_EQ(Log10(-4), -1e30L);
    EXPECT_NEAR(D(Pow10(-2)), 0.01, kTight);
    EXPECT_EQ(Decade(0.05L), -2);
    EXPECT_EQ(Decade(999), 2);
    EXPECT_EQ(Decade(-1234), 3);
    EXPECT_EQ(Decade(0), 0);
    EXPECT_EQ(Floor(-0.5L), -1);
}

TEST(Utilmath, TrigonometryReportsArgumentsOutOfRange) {
    RunStatus status;
    EXPECT_NEAR(D(Tangent(kPi / 4, status)), 1, kTight);
    EXPECT_NEAR(D(ArcSine(0.5L, status)), D(kPi / 6), kTight);
    EXPECT_EQ(ArcSine(1, status), kPi / 2);
    EXPECT_EQ(ArcSine(-1, status), -kPi / 2);
    EXPECT_EQ(status.MessageCount(), 0);
    EXPECT_EQ(ArcSine(1.5L, status), kPi / 2);
    ASSERT_EQ(status.MessageCount(), 1);
    EXPECT_EQ(status.Message(1), "Error: ArcSin in unit math");
}

TEST(Utilmath, VectorAngleCoversAllQuadrantsFromMinusHalfPi) {
    EXPECT_NEAR(D(VectorAngle(1, 1)), D(kPi / 4), kTight);
    EXPECT_NEAR(D(VectorAngle(-1, 1)), D(3 * kPi / 4), kTight);
    EXPECT_NEAR(D(VectorAngle(-1, -1)), D(5 * kPi / 4), kTight);
    EXPECT_NEAR(D(VectorAngle(1, -1)), D(-kPi / 4), kTight);
    EXPECT_EQ(VectorAngle(0, 2), kPi / 2);
    EXPECT_EQ(VectorAngle(0, 0), kPi / 2);
    EXPECT_EQ(VectorAngle(0, -2), -kPi / 2);
    EXPECT_EQ(VectorAngleYX(1, -1), VectorAngle(-1, 1));
    EXPECT_NEAR(D(Hypotenuse(3, 4)), 5, kTight);
}

TEST(Utilmath, RotateAndPlacePoints) {
    const PlanePoint turned = Rotate(1, 0, kPi / 2);
    EXPECT_NEAR(D(turned.x), 0, kTight);
    EXPECT_NEAR(D(turned.y), 1, kTight);
    const PlanePoint polar = PolarToCartesian(2, kPi);
    EXPECT_NEAR(D(polar.x), -2, kTight);
    EXPECT_NEAR(D(polar.y), 0, kTight);
    const PlanePoint placed = Place(10, 20, 90, 1, 2);  // (1, 2) turned a quarter left is (-2, 1)
    EXPECT_NEAR(D(placed.x), 8, 1e-14);
    EXPECT_NEAR(D(placed.y), 21, 1e-14);
    const PlanePoint scaled = PlaceScaled(10, 20, 0, 3, 0.5L, 1, 2);
    EXPECT_NEAR(D(scaled.x), 13, 1e-14);
    EXPECT_NEAR(D(scaled.y), 21, 1e-14);
    EXPECT_NEAR(D(RadToDeg(DegToRad(123.4L))), 123.4, 1e-13);
}

TEST(Utilmath, AngleDifferenceIsCountedCounterClockwise) {
    EXPECT_NEAR(D(AngleDifference(350, 10)), 20, 1e-12);
    EXPECT_NEAR(D(AngleDifference(10, 350)), 340, 1e-12);
    EXPECT_NEAR(D(AngleDifference(-90, 0)), 90, 1e-12);
    EXPECT_NEAR(D(AngleDifference(0, 720 + 45)), 45, 1e-12);
    EXPECT_EQ(AngleDifference(30, 30), 0);
}

TEST(Utilmath, AxisScaleRoundsToOneTwoFiveSteps) {
    // 0..100 in 5 divisions: d just under 20, so steps of 20 up to 100.
    AxisScale scale = ScaleAxis(0, 100, 5);
    EXPECT_NEAR(D(scale.step), 20, 1e-12);
    EXPECT_NEAR(D(scale.lower), 0, 1e-12);
    EXPECT_NEAR(D(scale.upper), 100, 1e-12);
    // Equal limits are widened by one on either side first.
    scale = ScaleAxis(3, 3, 4);
    EXPECT_NEAR(D(scale.step), 0.5, 1e-12);
    EXPECT_NEAR(D(scale.lower), 2, 1e-12);
    EXPECT_NEAR(D(scale.upper), 4, 1e-12);
    // 20..140 °C in 6 divisions: d = 20 -> step 20.
    scale = ScaleAxis(20, 140, 6);
    EXPECT_NEAR(D(scale.step), 20, 1e-12);
    EXPECT_NEAR(D(scale.upper), 140, 1e-12);
    // d = 0.7 mm²/s -> m = 7 -> step 0.5.
    scale = ScaleAxis(0, 7, 10);
    EXPECT_NEAR(D(scale.step), 0.5, 1e-12);
    // No divisions cannot divide by zero.
    scale = ScaleAxis(0, 10, 0);
    EXPECT_TRUE(std::isfinite(D(scale.step)));
    EXPECT_GT(scale.step, 0);
}

TEST(Utilmath, PrecisionCutKeepsFortyBits) {
    const real third = 1.0L / 3;
    const real cut = PrecisionCut(third);
    EXPECT_NE(cut, third);
    EXPECT_LE(std::fabs(D((cut - third) / third)), std::ldexp(1.0, -40));
    EXPECT_EQ(PrecisionCut(1.5L), 1.5L);
    EXPECT_EQ(PrecisionCut(-1e6L), -1e6L);
    EXPECT_EQ(PrecisionCut(0), 0);
    EXPECT_EQ(PrecisionCut(1e-40L), 0);  // below the format's range
    EXPECT_LT(PrecisionCut(1e40L), 1.8e38L);
    EXPECT_GT(PrecisionCut(1e40L), 1.6e38L);
}

TEST(Utilmath, DeviationAndComparisons) {
    EXPECT_NEAR(D(RelDeviation(105, 100)), 5, 1e-13);
    EXPECT_NEAR(D(RelDeviation(95, 100)), 5, 1e-13);
    EXPECT_EQ(RelDeviation(3, 0), 0);
    EXPECT_TRUE(NearlyEqual(1, 1 + 9e-6L));
    EXPECT_FALSE(NearlyEqual(1, 1 + 2e-5L));
    EXPECT_EQ(Larger(2.5L, -1.0L), 2.5L);
    EXPECT_EQ(Smaller(2, 7), 2);
    EXPECT_EQ(Clamp(12, 0, 10), 10);
    EXPECT_EQ(Clamp(-3, 0, 10), 0);
}

TEST(Utilmath, UnitConversionsRoundTrip) {
    EXPECT_EQ(InchToMm(1), 25.4L);
    EXPECT_NEAR(D(MmToInch(25.4L)), 1, 1e-15);
    EXPECT_NEAR(D(Nmm2ToPsi(PsiToNmm2(1000))), 1000, 1e-12);
    EXPECT_NEAR(D(NToLbf(LbfToN(1000))), 1000, 1e-3);  // the two factors are rounded independently
    EXPECT_EQ(CelsiusToFahrenheit(100), 212);
    EXPECT_NEAR(D(FahrenheitToCelsius(-40)), -40, 1e-15);
    EXPECT_NEAR(D(Mm2ToIn2(In2ToMm2(2))), 2, 1e-15);
}

}  // namespace
}  // namespace trb::core
