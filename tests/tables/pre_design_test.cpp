#include "tables/pre_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/supply_feature.h"
#include "reference_fixture.h"

namespace trb::tables {
namespace {

class PreDesignTest : public ReferenceTablesTest {
  protected:
    void SetUp() override {
        ReferenceTablesTest::SetUp();
        // What is left of the case before: another size with its own classes and limits.
        record.db = record.ds = 120;
        record.dbmin = 120;
        record.dbmax = 120.035L;
        record.dsmin = 119.9L;
        record.dsmax = 119.92L;
        record.toldb = "H8";
        record.tolds = "e7";
        record.b = 60;
        record.de = 144;
        record.din1850rec = 4;
        record.ns = 25;
        record.rzb = 2;
        record.rzs = 1;
        record.f = 36000;
    }
    core::TRBrecord record;
};

// D = 80 mm at 25/s: u = 6.28 m/s. psi_m: diameter class 1, speed class 2 → ψm = 1.6 ‰, s = 0.128 mm.
// H7 at 80 (IT7 = 30 µm): 80.000 … 80.030, mean 80.015. Grade 6 (IT6 = 19 µm) over 65–80: d6 has
// es = −100 µm, mean clearance 0.1245 mm, closest to 0.128 (c6: 0.1745, e6: 0.0845).
// h0lim: diameter class 3, speed class 3 → 7 µm, more than Rz 2 + 1 µm.
TEST_F(PreDesignTest, EveryDependentInputFollowsTheNewDiameter) {
    auto access = Access();
    ASSERT_TRUE(ApplyPreDesign(record, 80, access, steps, abort));
    EXPECT_FALSE(abort);
    EXPECT_EQ(record.db, 80);
    EXPECT_EQ(record.ds, 80);
    EXPECT_REAL_NEAR(record.b, 40, 1e-12L);
    EXPECT_REAL_NEAR(record.de, 96, 1e-12L);
    EXPECT_EQ(record.toldb, "H7");
    EXPECT_REAL_NEAR(record.dbmin, 80, 1e-9L);
    EXPECT_REAL_NEAR(record.dbmax, 80.030L, 1e-9L);
    EXPECT_EQ(record.tolds, "d6");
    EXPECT_REAL_NEAR(record.dsmin, 79.881L, 1e-9L);
    EXPECT_REAL_NEAR(record.dsmax, 79.900L, 1e-9L);
    EXPECT_REAL_NEAR(record.h0lim, 0.007L, 1e-12L);
    EXPECT_EQ(record.din1850rec, 0) << "the bushing of the old size no longer fits";
    EXPECT_EQ(record.f, 36000) << "the load is the duty, not a size";

    // Rough surfaces raise h0lim above the table.
    record.rzb = 6;
    record.rzs = 4;
    ASSERT_TRUE(ApplyPreDesign(record, 80, access, steps, abort));
    EXPECT_REAL_NEAR(record.h0lim, 0.010L, 1e-12L);
}

TEST_F(PreDesignTest, ASizeBeyondTheTolerancesChangesNothing) {
    auto access = Access();
    const core::TRBrecord before = record;
    EXPECT_FALSE(ApplyPreDesign(record, 4000, access, steps, abort));
    EXPECT_EQ(record.db, before.db);
    EXPECT_EQ(record.dbmax, before.dbmax);
    EXPECT_EQ(record.toldb, before.toldb);
    EXPECT_EQ(record.b, before.b);
}

// F = 36000 N, plim = 10 N/mm², B = 0.5·D: p = 36000/(0.5·D²) ≤ 10 from D = 84.85 on.
TEST_F(PreDesignTest, TheDiameterForTheLoadKeepsTheSpecificLoadAdmissible) {
    const real d = DiameterForLoad(36000, 10, 0.5L);
    EXPECT_EQ(d, 85);
    EXPECT_LE(36000 / (d * 0.5L * d), 10);
    EXPECT_GT(36000 / ((d - 1) * 0.5L * (d - 1)), 10) << "one mm less would not do";
    EXPECT_EQ(DiameterForLoad(0, 10, 0.5L), 0);
    EXPECT_EQ(DiameterForLoad(36000, 0, 0.5L), 0);
}

TEST_F(PreDesignTest, TheSummaryNamesTheSupplySizeOfTheFeature) {
    auto access = Access();
    ASSERT_TRUE(ApplyPreDesign(record, 80, access, steps, abort));
    text::FormatOptions format;
    record.zufuhr = core::kTwoPocketsAt90;
    auto lines = PreDesignSummary(record, format);
    EXPECT_EQ(lines[0], "D = 80 mm");
    EXPECT_EQ(lines[1], "B = 40 mm");
    EXPECT_EQ(lines[4], "dmin ... dmax (d6) = 79.881 ... 79.900 mm");
    EXPECT_EQ(lines[6].substr(0, 5), "bP = ");
    record.zufuhr = core::kRingGroove;
    EXPECT_EQ(PreDesignSummary(record, format)[6].substr(0, 5), "bG = ");
    EXPECT_EQ(PreDesignSummary(record, format).back(), "p = F / (B D) = 11.25 MPa");
}

}  // namespace
}  // namespace trb::tables
