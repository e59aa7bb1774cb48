#pragma once

#include <string>

#include "core/real.h"

namespace trb::core {

// ISO viscosity grades. Index 0 means "no class chosen"; 1..18 are ISO VG 2 .. ISO VG 1500.
inline constexpr int kViscosityClassCount = 18;

// Display name of a class index: "ISO VG 100" for 11, "..." for 0 (and for an index out of range).
std::string ViscosityClassName(int index);

// Kinematic viscosity at 40 °C of a class, mm²/s (its grade number); 0 for index 0 or out of range.
real ViscosityClassNu40(int index);

// Kinematic viscosity (mm²/s) at temperature t (°C) on the straight line through (tRef, nuRef) in the
// double-logarithmic viscosity-temperature chart, with the fixed slope -3.726.
real ViscosityAt(real nuRef, real tRef, real t);

// That straight line with its two terms that do not depend on t calculated once, for the many
// temperatures of one oil in a calculation run; ViscosityOn gives what ViscosityAt gives.
struct ViscosityLine {
    real w = 0;       // lg lg (nuRef + 0.8)
    real lgTRef = 0;  // lg (tRef + 273.15)
};
ViscosityLine ViscosityLineThrough(real nuRef, real tRef);
real ViscosityOn(const ViscosityLine& line, real t);

// Dynamic viscosity in Pa s from the kinematic viscosity in mm²/s and the density in kg/m³.
real DynamicViscosity(real nu, real rho);

// Heat flow in W per kelvin of temperature rise carried off by a lubricant flow q in mm³/s.
real LubricantHeatPerKelvin(real rho, real c, real q);

// Proposed lubricant density (kg/m³) and specific heat capacity (J/(kg K)).
inline constexpr real kProposedDensity = 900;
inline constexpr real kProposedHeatCapacity = 2000;

// The viscosity converter: viscosity at 50 °C, at 40 °C and at a free temperature tx, mm²/s.
struct ViscosityTriple {
    real nu50 = 0;
    real nu40 = 0;
    real nux = 0;
};

// Temperatures of the converter's two fixed viscosities, °C.
inline constexpr real kConverterT50 = 50;
inline constexpr real kConverterT40 = 40;

// The converter's three directions: from ν50, from ν40, or from νx at tx.
ViscosityTriple ConvertFromNu50(real nu50, real tx);
ViscosityTriple ConvertFromNu40(real nu40, real tx);
ViscosityTriple ConvertFromNux(real nux, real tx);

}  // namespace trb::core
