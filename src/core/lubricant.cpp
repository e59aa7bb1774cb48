#include "core/lubricant.h"

#include <array>

#include "core/utilmath.h"

namespace trb::core {

namespace {

// ISO viscosity grades: the grade number is the kinematic viscosity at 40 °C in mm²/s.
constexpr std::array<int, kViscosityClassCount> kGrades = {2,  3,   5,   7,   10,  15,  22,  32,   46,
                                                           68, 100, 150, 220, 320, 460, 680, 1000, 1500};

bool IsClass(int index) {
    return index >= 1 && index <= kViscosityClassCount;
}

// Slope of every class in the double-logarithmic viscosity-temperature chart.
constexpr real kViscositySlope = 3.726L;

}  // namespace

std::string ViscosityClassName(int index) {
    if (!IsClass(index)) return "...";
    return "ISO VG " + std::to_string(kGrades[static_cast<std::size_t>(index - 1)]);
}

real ViscosityClassNu40(int index) {
    if (!IsClass(index)) return 0;
    return static_cast<real>(kGrades[static_cast<std::size_t>(index - 1)]);
}

ViscosityLine ViscosityLineThrough(real nuRef, real tRef) {
    return {Log10(Log10(nuRef + 0.8L)), Log10(tRef + 273.15L)};
}

real ViscosityOn(const ViscosityLine& line, real t) {
    return Pow10(Pow10(line.w - kViscositySlope * (Log10(t + 273.15L) - line.lgTRef))) - 0.8L;
}

real ViscosityAt(real nuRef, real tRef, real t) {
    return ViscosityOn(ViscosityLineThrough(nuRef, tRef), t);
}

real DynamicViscosity(real nu, real rho) {
    return nu * rho * 1e-6L;
}

real LubricantHeatPerKelvin(real rho, real c, real q) {
    return rho * c * q * 1e-9L;
}

ViscosityTriple ConvertFromNu50(real nu50, real tx) {
    return {nu50, ViscosityAt(nu50, kConverterT50, kConverterT40), ViscosityAt(nu50, kConverterT50, tx)};
}

ViscosityTriple ConvertFromNu40(real nu40, real tx) {
    const real nu50 = ViscosityAt(nu40, kConverterT40, kConverterT50);
    return {nu50, nu40, ViscosityAt(nu50, kConverterT50, tx)};
}

ViscosityTriple ConvertFromNux(real nux, real tx) {
    const real nu50 = ViscosityAt(nux, tx, kConverterT50);
    return {nu50, ViscosityAt(nu50, kConverterT50, kConverterT40), nux};
}

}  // namespace trb::core
