#pragma once

#include <string>

#include "verify/comparison.h"

// The sections of the verification, each comparing one part of the program with its references.
// `quick` takes fewer points where a section walks a curve, for a check that ends within seconds.
namespace trb::verify {

// The DIN 31652 run: the example case and its convection variant with their documented results, and
// the flow from the supply pressure of every supply feature against the DIN 31652-2 expressions.
Section DinRunSection();

// The DIN approximation of So(eps, B/D) against the Reynolds film, and the film against Raimondi and
// Boyd's full-bearing tables.
Section SommerfeldSection(bool quick);

// The eight dynamic coefficients against Ocvirk's short bearing and Lund and Thomsen's tables.
Section DynamicsSection(bool quick);

// Limit deviations of ISO 286 against published tables, every letter with its special rules.
Section Iso286Section();

// The thresholds against operating sweeps, the clearance range against three single runs.
Section ThresholdSection(bool quick);

// The benchmark figures measured on this machine (the CSV files Google Benchmark wrote into
// `benchmarkFolder`; none: the section says that none were measured), with the machine named.
Section SpeedSection(const std::string& benchmarkFolder);

}  // namespace trb::verify
