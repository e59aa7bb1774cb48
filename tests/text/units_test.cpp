#include <gtest/gtest.h>

#include "text/format.h"

namespace trb::text {
namespace {

FormatOptions English() {
    FormatOptions o;
    o.units = 1;
    return o;
}

TEST(Units, MetricDisplayIsUnchanged) {
    const FormatOptions o;
    EXPECT_EQ(FormatLengthShort(25.4L, o), "25.4");
    EXPECT_EQ(FormatPressureShort(2.5L, o), "2.5");
    EXPECT_EQ(FormatTemperatureShort(40, o), "40");
    EXPECT_EQ(ForceValue(100, o), 100);
    EXPECT_EQ(ParseLength("12,5", o), 12.5L);
}

TEST(Units, EnglishDisplayConvertsWithTheFixedFactors) {
    const FormatOptions o = English();
    EXPECT_EQ(FormatLengthInch4(25.4L, o), "1.0000");
    EXPECT_EQ(FormatLengthShort(50.8L, o), "2");
    EXPECT_EQ(FormatLengthFixed(25.4L, 4, 2, o), "  1.000");  // width − 1, decimals + 1
    EXPECT_EQ(FormatPressureShort(1, o), "145");
    EXPECT_EQ(FormatPressureFixed(1, 4, 3, o), "   145.0");  // width + 2, decimals − 2
    EXPECT_EQ(FormatTemperatureShort(100, o), "212");
    EXPECT_EQ(FormatRoughnessShort(1, o), "39.37");
    EXPECT_EQ(FormatAreaShort(0.00064516L, o), "1");  // 645.16 mm² = 1 in²
    EXPECT_NEAR(static_cast<double>(ForceValue(4.44822L, o)), 1.0, 1e-5);
}

// A film thickness of 17.8 µm is 0.0007008 in: inches keep four significant digits in every length
// display, however few decimals the mm text has.
TEST(Units, SmallLengthsInInchesKeepFourSignificantDigits) {
    const FormatOptions o = English();
    EXPECT_EQ(FormatLengthShort(0.0178L, o), "0.0007008");
    EXPECT_EQ(FormatLengthDecimals(0.0178L, 4, o), "0.0007008");
    EXPECT_EQ(FormatLengthFixed(0.0178L, 2, 4, o), "0.0007008");
    EXPECT_EQ(FormatLengthLong(0.0178L, o), "0.0007008");
    EXPECT_EQ(FormatLengthDecimals(0.5L, 3, o), "0.01969");  // 0.019685 in
    EXPECT_EQ(FormatLengthDecimals(120, 3, o), "4.7244") << "large lengths keep their decimals";
}

TEST(Units, EnglishParsingReturnsMetricValues) {
    const FormatOptions o = English();
    EXPECT_NEAR(static_cast<double>(ParseLength("1", o)), 25.4, 1e-12);
    EXPECT_NEAR(static_cast<double>(ParseForce("1", o)), 4.44822, 1e-12);
    EXPECT_NEAR(static_cast<double>(ParseTemperature("212", o)), 100.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(ParsePressure("145.037", o)), 1.0, 1e-6);
    EXPECT_NEAR(static_cast<double>(ParseArea("1", o)), 0.00064516, 1e-15);
    EXPECT_NEAR(static_cast<double>(ParseRoughness("1000", o)), 25.4, 1e-12);
    EXPECT_EQ(ParseLength("abc", o), 0);
}

TEST(Units, LabelsInBothSpecialCharacterSettings) {
    FormatOptions o;
    EXPECT_EQ(TemperatureUnit(o),
              "\xF8"
              "C");
    EXPECT_EQ(RoughnessUnit(o),
              "\xE6"
              "m");
    EXPECT_EQ(AreaUnit(o), "m\xFD");
    EXPECT_EQ(ViscosityUnit(o), "mm\xFD/s");
    EXPECT_EQ(AngleUnit(o), "\xF8");
    o.units = 1;
    EXPECT_EQ(LengthUnit(o), "in");
    EXPECT_EQ(ForceUnit(o), "lbf");
    EXPECT_EQ(PressureUnit(o), "psi");
    EXPECT_EQ(TemperatureUnit(o),
              "\xF8"
              "F");
    o.specialCharacters = 1;
    EXPECT_EQ(TemperatureUnit(o), " F");
    EXPECT_EQ(RoughnessUnit(o), "uin");
    EXPECT_EQ(AreaUnit(o), "in2");
    EXPECT_EQ(ViscosityUnit(o), "mm2/s");
    EXPECT_EQ(AngleUnit(o), "deg");
}

}  // namespace
}  // namespace trb::text
