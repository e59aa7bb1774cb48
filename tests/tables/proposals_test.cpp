#include "tables/proposals.h"

#include <gtest/gtest.h>

#include <cmath>

#include "reference_fixture.h"
#include "tables/dbf_table.h"

namespace trb::tables {
namespace {


constexpr real kTolerance = 1e-9L;

TEST(SimpleProposals, GeometryAndLoad) {
    // D = 120 mm, width factor 0.5: B 60, De 144, then F = 5 N/mm² · 120 · 60 = 36000 N.
    EXPECT_REAL_NEAR(BearingWidthProposal(120, 0.5L), 60, kTolerance);
    EXPECT_REAL_NEAR(OuterDiameterProposal(120), 144, kTolerance);
    EXPECT_REAL_NEAR(*LoadProposal(120, 60), 36000, kTolerance);
    EXPECT_FALSE(LoadProposal(120, 0));
    // A = 18 · 60 · 120 · 1e-6 = 0.1296 m² (shown as 0.130).
    EXPECT_REAL_NEAR(HousingAreaProposal(60, 120), 0.1296L, kTolerance);
    EXPECT_REAL_NEAR(MinimumFilmProposal(0.009L, 2, 1), 0.009L, kTolerance);
    EXPECT_REAL_NEAR(MinimumFilmProposal(0.002L, 4, 6), 0.010L, kTolerance);
}

TEST(SimpleProposals, OtherUnits) {
    EXPECT_REAL_NEAR(AirVelocityForHeatTransfer(18), 0.840277777777L, 1e-9L);  // ((18 − 7)/12)²
    EXPECT_REAL_NEAR(HeatTransferForAirVelocity(1), 19, kTolerance);
    EXPECT_REAL_NEAR(HeatTransferForAirVelocity(0), 15, kTolerance);  // never below 15
    EXPECT_REAL_NEAR(BarFromMegapascal(0.5L), 5, kTolerance);
    EXPECT_REAL_NEAR(MegapascalFromBar(3), 0.3L, kTolerance);
    EXPECT_REAL_NEAR(RevolutionsPerMinute(33.33L), 1999.8L, 1e-9L);
    EXPECT_REAL_NEAR(RevolutionsPerSecond(1500), 25, 1e-15L);
}

TEST(SimpleProposals, AskingInAnotherUnit) {
    ui::ScriptedDialogs dialogs;
    bool abort = false;
    dialogs.Reply("1500");
    const auto value = AskValueInOtherUnit(dialogs, "Drehzahl [1/min]", 1999.8L, 0.001L, 100000, 5020, abort);
    ASSERT_TRUE(value);
    EXPECT_REAL_NEAR(*value, 1500, kTolerance);
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 5020);
    dialogs.ReplyCancel();
    EXPECT_FALSE(AskValueInOtherUnit(dialogs, "Drehzahl [1/min]", 1, 0.001L, 100000, 5020, abort));
    EXPECT_FALSE(abort);
}

TEST(ClassProposals, H7AndTheClassButtons) {
    core::ToleranceSteps steps;
    bool abort = false;
    const auto h7 = H7Limits(steps, 120, abort);
    ASSERT_TRUE(h7);
    EXPECT_REAL_NEAR(h7->minimum, 120.000L, 1e-9L);
    EXPECT_REAL_NEAR(h7->maximum, 120.035L, 1e-9L);
    EXPECT_EQ(h7->caption, "H7");

    const auto bore = ToleranceClassLimits(steps, "h7", 120, true, abort);
    ASSERT_TRUE(bore);
    EXPECT_EQ(bore->caption, "H7");
    const auto shaft = ToleranceClassLimits(steps, "F7", 120, false, abort);
    ASSERT_TRUE(shaft);
    EXPECT_EQ(shaft->caption, "f7");
    EXPECT_REAL_NEAR(shaft->minimum, 119.929L, 1e-9L);
    EXPECT_REAL_NEAR(shaft->maximum, 119.964L, 1e-9L);

    // Refused classes leave everything as it was, with the abort flag clear.
    EXPECT_FALSE(ToleranceClassLimits(steps, "Q7", 120, true, abort));
    EXPECT_FALSE(ToleranceClassLimits(steps, "H7", 4000, true, abort));
    EXPECT_FALSE(H7Limits(steps, 4000, abort));
    EXPECT_FALSE(abort);
}

TEST(TableCells, DiameterAndSpeedClasses) {
    // u = 33.33 · π · 120 · 0.001 ≈ 12.57 m/s: speed class 4, diameter class 3.
    EXPECT_EQ(H0limCell(120, 33.33L).record, 3);
    EXPECT_EQ(H0limCell(120, 33.33L).field, 5);
    EXPECT_EQ(H0limCell(24, 0).record, 1);
    EXPECT_EQ(H0limCell(24.6L, 0).record, 2);  // 24.6 + 0.4999 rounds to 25
    EXPECT_EQ(H0limCell(1000, 0).record, 5);
    EXPECT_EQ(H0limCell(1200, 0).record, 6);
    EXPECT_EQ(H0limCell(-5, 0).record, 6);
    EXPECT_EQ(H0limCell(100, 0).field, 2);
    EXPECT_EQ(H0limCell(100, 1000).field, 6);  // 314 m/s

    EXPECT_EQ(PsiMeanCell(100, 1).record, 1);
    EXPECT_EQ(PsiMeanCell(100.6L, 1).record, 2);
    EXPECT_EQ(PsiMeanCell(300, 1).record, 3);
    EXPECT_EQ(PsiMeanCell(100, 0).field, 2);
    EXPECT_EQ(PsiMeanCell(100, 5).field, 2);    // 1.57 m/s: j = 2, class 1
    EXPECT_EQ(PsiMeanCell(100, 10).field, 3);   // 3.14 m/s: j = 4, class 2
    EXPECT_EQ(PsiMeanCell(100, 100).field, 5);  // 31.4 m/s: j = 32, class 4
    EXPECT_EQ(PsiMeanCell(100, 500).field, 7);  // 157 m/s
}

using TableProposals = ReferenceTablesTest;

TEST_F(TableProposals, H0limReadsItsCell) {
    auto access = Access();
    EXPECT_REAL_NEAR(H0limProposal(access, 120, 33.33L, abort), 0.009L, 1e-12L);
    EXPECT_FALSE(abort);
    std::filesystem::remove(dbf / "h0lim.dbf");
    EXPECT_EQ(H0limProposal(access, 120, 33.33L, abort), 0);
    EXPECT_TRUE(abort);  // the failure was reported
    EXPECT_EQ(dialogs.Entries("box").size(), 1u);
}

TEST_F(TableProposals, ShaftLimitsWithAndWithoutBoreClass) {
    auto access = Access();
    // D = 120, n = 25/s: u = 9.42 m/s → speed class 2; diameter class 2: ψm = 1.32 ‰, s = 0.1584.
    const real dmin = 120, dmax = 120.035L;
    const auto free = ShaftLimitsProposal(access, steps, "", 120, dmin, dmax, 25, status, abort);
    ASSERT_TRUE(free);
    const real target = 120.0175L - 0.1584L;
    EXPECT_REAL_NEAR(free->dsmin, target - 0.625L * 0.0175L, 1e-9L);
    EXPECT_REAL_NEAR(free->dsmax, target + 0.625L * 0.0175L, 1e-9L);
    EXPECT_EQ(free->shaftClass, "");

    const auto fitted = ShaftLimitsProposal(access, steps, "H7", 120, dmin, dmax, 25, status, abort);
    ASSERT_TRUE(fitted);
    EXPECT_FALSE(fitted->shaftClass.empty());
    EXPECT_LT(fitted->dsmax, 120);  // a clearance fit
    // The class is the first (from c towards h) whose mean size reaches the target.
    EXPECT_GE((fitted->dsmin + fitted->dsmax) / 2, target - 1e-9L);
    EXPECT_FALSE(abort);

    // Without the table there is no clearance: the shaft keeps the bore's mean size.
    std::filesystem::remove(dbf / "psi_m.dbf");
    const auto none = ShaftLimitsProposal(access, steps, "", 120, dmin, dmax, 25, status, abort);
    ASSERT_TRUE(none);
    EXPECT_REAL_NEAR((none->dsmin + none->dsmax) / 2, 120.0175L, 1e-9L);
    EXPECT_FALSE(abort);
}

}  // namespace
}  // namespace trb::tables
