#include "core/lubricant.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trb::core {
namespace {

double D(real x) {
    return static_cast<double>(x);
}

TEST(Lubricant, ClassTableNamesTheGradesAndTheirViscosity) {
    EXPECT_EQ(ViscosityClassName(1), "ISO VG 2");
    EXPECT_EQ(ViscosityClassName(11), "ISO VG 100");
    EXPECT_EQ(ViscosityClassName(18), "ISO VG 1500");
    EXPECT_EQ(ViscosityClassName(0), "...");
    EXPECT_EQ(ViscosityClassName(19), "...");
    EXPECT_EQ(ViscosityClassNu40(8), 32);
    EXPECT_EQ(ViscosityClassNu40(11), 100);
    EXPECT_EQ(ViscosityClassNu40(0), 0);
    for (int i = 2; i <= kViscosityClassCount; ++i)
        EXPECT_GT(ViscosityClassNu40(i), ViscosityClassNu40(i - 1));
    // Class 11 with the proposed density: eta40 = 100 mm²/s · 900 kg/m³ · 1e-6 = 0.09 Pa s.
    EXPECT_NEAR(D(DynamicViscosity(ViscosityClassNu40(11), kProposedDensity)), 0.09, 1e-15);
    EXPECT_NEAR(D(LubricantHeatPerKelvin(kProposedDensity, kProposedHeatCapacity, 1e6L)), 1800,
                1e-12);  // 1 l/s
}

TEST(Lubricant, ViscosityTemperatureLineThroughTheReferencePoint) {
    // Worked values for ISO VG 100.
    EXPECT_NEAR(D(ViscosityAt(100, 40, 40)), 100, 1e-12);
    EXPECT_NEAR(D(ViscosityAt(100, 40, 20)), 363.95, 0.005);
    EXPECT_NEAR(D(ViscosityAt(100, 40, 100)), 10.231, 0.0005);
    // Any two temperatures convert both ways along the same line.
    const real at70 = ViscosityAt(220, 40, 70);
    EXPECT_NEAR(D(ViscosityAt(at70, 70, 40)), 220, 1e-9);
    EXPECT_NEAR(D(ViscosityAt(ViscosityAt(46, 40, 0), 0, 120)), D(ViscosityAt(46, 40, 120)), 1e-9);
}

TEST(Lubricant, ConverterDirectionsAgree) {
    // Worked value: 100 mm²/s at 50 °C is about 178.0 mm²/s at 40 °C.
    const ViscosityTriple from50 = ConvertFromNu50(100, 0);
    EXPECT_EQ(from50.nu50, 100);
    EXPECT_NEAR(D(from50.nu40), 178.0, 0.05);
    EXPECT_NEAR(D(from50.nux), D(ViscosityAt(100, 50, 0)), 1e-12);

    const ViscosityTriple from40 = ConvertFromNu40(from50.nu40, 0);
    EXPECT_NEAR(D(from40.nu50), 100, 1e-9);
    EXPECT_NEAR(D(from40.nux), D(from50.nux), 1e-6);

    const ViscosityTriple fromX = ConvertFromNux(from50.nux, 0);
    EXPECT_NEAR(D(fromX.nu50), 100, 1e-9);
    EXPECT_NEAR(D(fromX.nu40), D(from50.nu40), 1e-9);
}

}  // namespace
}  // namespace trb::core
