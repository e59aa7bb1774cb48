#include "verify/comparison.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trb::verify {
namespace {

TEST(Comparison, ARelativeToleranceHoldsOnBothSidesUpToItsEdge) {
    EXPECT_TRUE(Relative("a", 102, 100, 0.02).Passed());
    EXPECT_TRUE(Relative("a", 98, 100, 0.02).Passed());
    EXPECT_FALSE(Relative("a", 102.001, 100, 0.02).Passed());
    EXPECT_FALSE(Relative("a", 97.999, 100, 0.02).Passed());
    // A negative reference: the share is of its size.
    EXPECT_TRUE(Relative("a", -1.02, -1, 0.02).Passed());
    EXPECT_FALSE(Relative("a", -1.03, -1, 0.02).Passed());
    EXPECT_NEAR(*Relative("a", -1.03, -1, 0.02).Deviation(), -0.03, 1e-15);
    EXPECT_NEAR(*Relative("a", 103, 100, 0.02).Deviation(), 0.03, 1e-15);
    // Just past the edge by more than rounding fails.
    EXPECT_FALSE(Relative("a", -1.0200001, -1, 0.02).Passed());
}

TEST(Comparison, AnAbsoluteToleranceIsADifferenceInTheQuantitysUnit) {
    EXPECT_TRUE(Absolute("a", 65.944, 65.94, 0.005).Passed());
    EXPECT_FALSE(Absolute("a", 65.946, 65.94, 0.005).Passed());
    EXPECT_FALSE(Absolute("a", 65.934, 65.94, 0.005).Passed());
    EXPECT_DOUBLE_EQ(*Absolute("a", 7, 4, 0).Deviation(), 3);
    EXPECT_TRUE(Absolute("a", -4, -4, 0).Passed());
    EXPECT_FALSE(Absolute("a", -3, -4, 0).Passed());
}

TEST(Comparison, MissingValuesPassOnlyWhenBothAreMissing) {
    Comparison refused = Absolute("cd8 above 10 mm", 0, 0, 0);
    refused.program.reset();
    refused.reference.reset();
    EXPECT_TRUE(refused.Passed());
    EXPECT_FALSE(refused.Deviation());
    Comparison given = refused;
    given.program = -34;  // the program gives a value where the table has none
    EXPECT_FALSE(given.Passed());
    Comparison missing = Absolute("a", 1, 1, 0);
    missing.program.reset();
    EXPECT_FALSE(missing.Passed());
}

TEST(Comparison, NotANumberAndAZeroReferenceNeverPassByAccident) {
    EXPECT_FALSE(Relative("a", NAN, 1, 0.5).Passed());
    EXPECT_FALSE(Absolute("a", NAN, 1, 1e9).Passed());
    EXPECT_FALSE(Relative("a", INFINITY, 1, 1e9).Passed());
    EXPECT_TRUE(Relative("a", 0, 0, 0.01).Passed());
    EXPECT_FALSE(Relative("a", 1e-9, 0, 0.01).Passed());
    EXPECT_FALSE(Relative("a", 1e-9, 0, 0.01).Deviation());
}

TEST(Comparison, CountsAddUpOverTablesAndSections) {
    Section a;
    a.tables = {{"t1", "", {Relative("x", 1, 1, 0), Relative("y", 2, 1, 0)}},
                {"t2", "", {Absolute("z", 1, 1, 0)}}};
    Section b;
    b.tables = {{"t3", "", {Absolute("w", 5, 1, 0)}}};
    const Tally ta = Count(a);
    EXPECT_EQ(ta.passed, 2);
    EXPECT_EQ(ta.failed, 1);
    const Tally all = Count(std::vector<Section>{a, b, Section{}});
    EXPECT_EQ(all.passed, 2);
    EXPECT_EQ(all.failed, 2);
}

}  // namespace
}  // namespace trb::verify
