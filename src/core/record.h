#pragma once

#include <cstdint>
#include <string>

#include "core/real.h"
#include "core/supply_feature.h"

namespace trb::core {

// The one bearing case: every input of the case and every result of the last calculation run, all in
// metric units (mm, µm, N, N/mm², °C, 1/s, kg/m³, J/(kg K), W/(m² K), m², mm²/s, Pa s). The member
// initialisers are the values the program starts with; every field not listed there is 0, false or empty.
struct TRBrecord {
    // ---- inputs ----
    real db = 120;                 // bore nominal diameter D, mm
    real dbmax = 0;                // bore largest diameter, mm
    real dbmin = 0;                // bore smallest diameter, mm
    real rzb = 0;                  // bore peak-to-valley roughness Rz, µm
    real nb = 0;                   // rotational speed of the bearing, 1/s
    real alpha1b = 0;              // linear expansion coefficient of the bearing, 1/K
    real b = 0;                    // load-carrying bearing width B, mm
    real dh = 0;                   // diameter of the lubrication hole, mm
    real omega = 360;              // enclosing angle, always 360 (full bearing), °
    real ds = 120;                 // shaft nominal diameter, mm
    real dsmax = 0;                // shaft largest diameter, mm
    real dsmin = 0;                // shaft smallest diameter, mm
    real rzs = 0;                  // shaft peak-to-valley roughness Rz, µm
    real ns = 0;                   // rotational speed of the shaft, 1/s
    real alpha1s = 0;              // linear expansion coefficient of the shaft, 1/K
    real rho = 900;                // lubricant density, kg/m³
    real pe = 0;                   // lubricant supply pressure, N/mm²
    real t1 = 40;                  // lubricant inlet temperature, °C
    real ta = 40;                  // ambient temperature, °C
    real c = 2000;                 // lubricant specific heat capacity, J/(kg K)
    real f = 0;                    // bearing load F, N
    real a = 0;                    // heat-emitting surface of the housing, m²
    real k = 18;                   // heat transfer coefficient housing to air, W/(m² K)
    std::string toldb;             // ISO tolerance class of the bore ("H7"); empty when the limits were typed
    std::string tolds;             // ISO tolerance class of the shaft; empty when the limits were typed
    std::uint16_t schmier = 0;     // viscosity class index 0..18, 0 = none chosen
    bool druckschmierung = false;  // true: heat carried off by the lubricant; false: by convection
    std::uint16_t zufuhr = 1;      // lubricant supply feature 1..8 (see SupplyFeature)
    real bg = 0;                   // width of the lubrication groove, mm
    real bp = 0;                   // width of the lubrication pocket, mm
    real phia = 0;                 // start angle of a partial circumferential groove, °
    real phie = 0;                 // end angle of a partial circumferential groove, °
    real plim = 10;                // largest admissible specific load, N/mm²
    real tblim = 70;               // largest admissible bearing temperature, °C
    real h0lim = 0.01L;            // smallest admissible minimum film thickness, mm
    real de = 0;                   // outer diameter of the bearing bush, mm
    std::uint16_t din1850rec = 0;  // record last taken over from the DIN 1850 bushing table, 0 = none
    real bfactor = 0.5L;           // width factor B/D of the width proposal

    // ---- results of the last run ----
    real ws = 0;        // angular velocity of the shaft, 1/s            "wS"
    real wb = 0;        // angular velocity of the bearing, 1/s          "wB"
    real weff = 0;      // effective angular velocity, 1/s               "w eff"
    real us = 0;        // sliding speed of the shaft surface, m/s       "uS"
    real ub = 0;        // sliding speed of the bore surface, m/s        "uB"
    real re = 0;        // Reynolds number                               "Re"
    real relim = 0;     // critical Reynolds number                      "Re lim"
    real dt20 = 0;      // teff - 20 °C, K
    real teff = 0;      // effective lubricant film temperature, °C      "teff"
    real eta40 = 0;     // dynamic viscosity at 40 °C, Pa s              "eta 40"
    real nu40 = 100;    // kinematic viscosity at 40 °C, mm²/s           "v 40"
    real nueff = 0;     // kinematic viscosity at teff, mm²/s            "v eff"
    real etaeff = 0;    // dynamic viscosity at teff, Pa s               "eta eff"
    real seff = 0;      // mean diametral clearance at teff, mm          "s"
    real smin = 0;      // smallest diametral clearance at teff, mm      "s min"
    real smax = 0;      // largest diametral clearance at teff, mm       "s max"
    real s20 = 0;       // mean diametral clearance at 20 °C, mm         "s 20"
    real s20min = 0;    // smallest diametral clearance at 20 °C, mm     "s20min"
    real s20max = 0;    // largest diametral clearance at 20 °C, mm      "s20max"
    real psimin = 0;    // smallest relative clearance at 20 °C          "psi min"
    real psimax = 0;    // largest relative clearance at 20 °C           "psi max"
    real psieff = 0;    // effective relative clearance at teff          "psi eff"
    real psim = 0;      // mean relative clearance at 20 °C              "psi m"
    real dpsi = 0;      // thermal change of the relative clearance
    real p = 0;         // specific bearing load F/(D B), N/mm²          "p"
    real epsilon = 0;   // relative eccentricity                         "epsilon"
    real e = 0;         // eccentricity, mm                              "e"
    real so = 0;        // Sommerfeld number                             "So"
    real h0 = 0;        // minimum lubricant film thickness, mm          "h0"
    real mupsi = 0;     // relative friction coefficient mu/psi          "µ/psi"
    real mu = 0;        // friction coefficient                          "µ"
    real p0 = 0;        // friction power, W                             "P0"
    real pa = 0;        // heat flow to the surroundings, W              "PA"
    real t2 = 0;        // lubricant outlet temperature (relaxed), °C    "t2"
    real t2new = 0;     // outlet temperature of the latest step, °C
    real tb = 0;        // bearing temperature (relaxed, convection), °C
    real tbnew = 0;     // bearing temperature of the latest step, °C
    real q1 = 0;        // flow from the bearing's own pressure, mm³/s  "Q1"
    real q1c = 0;       // flow characteristic of q1
    real q2 = 0;        // flow from the supply pressure, mm³/s         "Q2"
    real q2c = 0;       // flow characteristic of q2
    real q = 0;         // total lubricant flow, mm³/s                  "Q"
    real pq = 0;        // heat flow carried off by the lubricant, W    "PQ"
    real eta20 = 0;     // dynamic viscosity at 20 °C, Pa s
    real epstr20 = 0;   // eccentricity at the transition, 20 °C clearance
    real epstreff = 0;  // eccentricity at the transition, effective clearance
    real sotr20 = 0;    // Sommerfeld number at the transition, 20 °C
    real sotreff = 0;   // Sommerfeld number at the transition, effective
    real ntr20 = 0;     // transition speed with the 20 °C state, 1/s    "n ue20"
    real ntreff = 0;    // transition speed with the effective state, 1/s "n ueeff"
};

// Fills the record with the complete example case that the calculation accepts; sets only the case's
// inputs and leaves every other field as it is.
void LoadExampleCase(TRBrecord& record);

// The drawing number that goes with the example case; the drawing name is the language text
// "Radialgleitlager" cut to 25 characters. Both belong to the drawing information, which the caller sets.
inline constexpr const char* kExampleDrawingNumber = "31652";

}  // namespace trb::core
