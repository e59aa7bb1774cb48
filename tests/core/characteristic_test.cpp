#include "core/characteristic.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/utilmath.h"

namespace trb::core {
namespace {

// Relative comparison for values whose reference is given to a few significant digits.
void ExpectRelNear(real actual, real expected, real relative) {
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
                static_cast<double>(std::fabs(expected) * relative));
}

// Reference values: the documented worked values of the characteristic functions (five to six digits).
TEST(Characteristic, SommerfeldAndFrictionReproduceTheWorkedValues) {
    ExpectRelNear(SommerfeldOfEps(0.5L, 0.5L), 0.30494L, 2e-5L);
    ExpectRelNear(SommerfeldOfEps(0.8L, 0.5L), 1.78446L, 2e-6L);
    // So = 1 makes t = log10(So) = 0, so only the b polynomial of c0 counts.
    ExpectRelNear(FrictionCharacteristic(1, 0.5L), 4.7902L, 2e-5L);
    // At b = 0 only k00 remains: mu/psi = 10^1.153423 exactly.
    ExpectRelNear(FrictionCharacteristic(1, 0), std::pow(10.0L, 1.153423L), 1e-15L);
}

TEST(Characteristic, EccentricitySearchStopsWithinItsSommerfeldTolerance) {
    RunStatus status;
    // The bisection stops at the first midpoint within 0.001 of the Sommerfeld number (worked value).
    ExpectRelNear(EpsOfSommerfeld(1, 0.5L, status), 0.72277L, 1e-5L);
    for (const real b : {0.3L, 0.5L, 1.0L}) {
        for (const real eps : {0.1L, 0.4L, 0.7L, 0.9L, 0.97L}) {
            const real so = SommerfeldOfEps(eps, b);
            const real found = EpsOfSommerfeld(so, b, status);
            EXPECT_LT(std::fabs(static_cast<double>(SommerfeldOfEps(found, b) - so)), 0.001)
                << "b=" << static_cast<double>(b) << " eps=" << static_cast<double>(eps);
        }
    }
    EXPECT_EQ(status.MessageCount(), 0);
}

TEST(Characteristic, EccentricitySearchGivesUpBelowItsRange) {
    // Below the Sommerfeld number at the lower bound 0.01 no midpoint comes close enough.
    RunStatus status;
    EXPECT_EQ(EpsOfSommerfeld(1e-6L, 0.5L, status), 0);
    ASSERT_EQ(status.MessageCount(), 1);
    EXPECT_EQ(status.Message(1), "Fehler : Iter ep from So");
}

TEST(Characteristic, FrictionFallsAsTheSommerfeldNumberGrows) {
    real previous = FrictionCharacteristic(0.05L, 0.5L);
    for (const real so : {0.1L, 0.5L, 1.0L, 2.0L, 5.0L, 10.0L}) {
        const real current = FrictionCharacteristic(so, 0.5L);
        EXPECT_LT(current, previous) << static_cast<double>(so);
        previous = current;
    }
}

SupplyGeometry Feature(int code) {
    SupplyGeometry s;
    s.zufuhr = code;
    s.width = 60;
    s.diameter = 120;
    s.dh = 5;
    s.bg = 8;
    s.bp = 20;
    return s;
}

TEST(Characteristic, HoleAndPocketFlowsFollowTheirPosition) {
    RunStatus status;
    for (const int base : {kHoleOppositeLoad, kPocketOppositeLoad}) {
        const real at90 = SupplyPressureFlowCharacteristic(Feature(base + 1), 0, 0, status);
        // Opposite the load the gap widens with the eccentricity; at 90° it does not.
        EXPECT_EQ(SupplyPressureFlowCharacteristic(Feature(base + 1), 0.8L, 0, status), at90);
        ExpectRelNear(SupplyPressureFlowCharacteristic(Feature(base), 0, 0, status), at90, 1e-18L);
        ExpectRelNear(SupplyPressureFlowCharacteristic(Feature(base), 0.5L, 0, status),
                      at90 * 1.5L * 1.5L * 1.5L, 1e-18L);
        // Two features feed twice the flow of one.
        ExpectRelNear(SupplyPressureFlowCharacteristic(Feature(base + 2), 0.3L, 0, status), 2 * at90, 1e-18L);
    }
    // Hole at 90°, hand computation: L = 5/60, qH = 1.204 + 0.368 L - 1.046 L² + 1.942 L³.
    const real l = 5.0L / 60;
    const real qH = 1.204L + 0.368L * l - 1.046L * l * l + 1.942L * l * l * l;
    ExpectRelNear(SupplyPressureFlowCharacteristic(Feature(kHoleAt90), 0, 0, status),
                  kPi / 48 / (qH * std::log(12.0L)), 1e-18L);
    EXPECT_EQ(status.MessageCount(), 0);
}

TEST(Characteristic, PartialGrooveOverTheWholeCircleEqualsTheRingGroove) {
    RunStatus status;
    SupplyGeometry partial = Feature(kPartialGroove);
    partial.phia = 0;
    partial.phie = 360;
    for (const real eps : {0.0L, 0.4L, 0.9L}) {
        ExpectRelNear(SupplyPressureFlowCharacteristic(partial, eps, 0, status),
                      SupplyPressureFlowCharacteristic(Feature(kRingGroove), eps, 0, status), 1e-15L);
    }
    // Half a circle in the unloaded half: the sine terms count there, so it carries more than half.
    partial.phia = 90;
    partial.phie = 270;
    const real half = SupplyPressureFlowCharacteristic(partial, 0.5L, 0, status);
    EXPECT_GT(half, 0);
    EXPECT_NE(half, SupplyPressureFlowCharacteristic(Feature(kRingGroove), 0.5L, 0, status) / 2);
}

TEST(Characteristic, PocketWidthOutsideItsRangeWarnsAndUnknownCodesKeepThePreviousValue) {
    RunStatus status;
    SupplyGeometry narrow = Feature(kPocketAt90);
    narrow.bp = 2;  // bp/B = 0.033
    EXPECT_GT(SupplyPressureFlowCharacteristic(narrow, 0.5L, 0, status), 0);
    SupplyGeometry wide = Feature(kPocketAt90);
    wide.bp = 45;  // bp/B = 0.75
    EXPECT_GT(SupplyPressureFlowCharacteristic(wide, 0.5L, 0, status), 0);
    ASSERT_EQ(status.MessageCount(), 2);
    EXPECT_EQ(status.Message(1), "Warnung: bp/B < 0.05 !");
    EXPECT_EQ(status.Message(2), "Warnung: bp/B > 0.7 !");

    EXPECT_EQ(SupplyPressureFlowCharacteristic(Feature(0), 0.5L, 0.123L, status), 0.123L);
    EXPECT_EQ(SupplyPressureFlowCharacteristic(Feature(9), 0.5L, 0.456L, status), 0.456L);
}

TEST(Characteristic, ProposalsPlaceTheSizeInItsClass) {
    // Worked values: an odd whole size rounds up to the next even class with the offset 0.5.
    EXPECT_EQ(HoleDiameterProposal(120), 8);
    EXPECT_EQ(HoleDiameterProposal(100), 6);
    EXPECT_EQ(HoleDiameterProposal(100.2L), 8);
    EXPECT_EQ(HoleDiameterProposal(67), 6);
    EXPECT_EQ(HoleDiameterProposal(10), 2.5L);
    EXPECT_EQ(HoleDiameterProposal(11), 3);
    EXPECT_EQ(HoleDiameterProposal(500), 12);
    EXPECT_EQ(HoleDiameterProposal(-5), 12);
    EXPECT_EQ(PocketWidthProposal(120), 100);
    EXPECT_EQ(PocketWidthProposal(12), 6);
    EXPECT_EQ(PocketWidthProposal(16), 10);
    EXPECT_EQ(PocketWidthProposal(80), 68);

    EXPECT_EQ(RoundToClass(2, 0.5L), 2);  // 2.5 goes to the even neighbour
    EXPECT_EQ(RoundToClass(3, 0.5L), 4);  // 3.5 as well
    EXPECT_EQ(RoundToClass(3, 0.4999L), 3);
    EXPECT_EQ(RoundToClass(3.01L, 0.4999L), 4);
}

}  // namespace
}  // namespace trb::core
