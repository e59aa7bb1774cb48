#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/real.h"

// Limit deviations of ISO 286 as published tables print them, independent of the program's own
// tables: the verification tests and the verification report compare the program with these.
//
// Sources (the tables state which):
// - Upper deviations ES of the holes J to ZC per grade, the standard tolerances IT5..IT9, and the
//   fundamental deviations of the shafts up to 500 mm: the hole and shaft tables of the course
//   handout "Tablas de Tolerancia y Ajuste" (ISO 286 tables for the classroom), cross-read with
//   Narayana, Kannaiah, Reddy, "Machine Drawing", tables 15.1 to 15.3.
// - Fundamental deviations of the shafts above 500 mm: DME "Technical Reference", table 5
//   "Fundamental deviations of holes and shafts", and the shaft table of the ZCC-CT tool catalogue.
// - Both limit deviations of the holes A to H up to 80 mm: DME "Mold Bases & Plates 2020", Technical
//   Reference, table 6 "Tolerances for inside dimensions (holes)", p. 287; JS6..JS9 up to 250 mm: the
//   continuation of that table in the DME Technical Reference of the online catalogue, p. 281.
// - The four values the 1988 printing of ISO 286-2 got wrong, as its Technical Corrigendum 1
//   (published 2006-09-15) corrects them, each with the page and table of the printing.
//
// Each row is checked at the upper limit of each size range, which the range includes.
namespace trb::verify {

using trb::real;

// The table gives no value: the class is not defined there and must be refused.
inline constexpr int kNotDefined = 99999;

// Range ends 3, 6, 10, 14, 18, 24, 30, 40, 50, 65, 80, 100, 120, 140, 160, 180, 200, 225, 250,
// 280, 315, 355, 400, 450, 500, and the coarse range each lies in.
inline constexpr std::array<real, 25> kFineEnds = {3,   6,   10,  14,  18,  24,  30,  40,  50,
                                                   65,  80,  100, 120, 140, 160, 180, 200, 225,
                                                   250, 280, 315, 355, 400, 450, 500};
inline constexpr std::array<int, 25> kCoarseOfFine = {0, 1, 2, 3, 3, 4, 4,  5,  5,  6,  6,  7, 7,
                                                      8, 8, 8, 9, 9, 9, 10, 10, 11, 11, 12, 12};
// Range ends 3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500.
inline constexpr std::array<real, 13> kCoarseEnds = {3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500};

// The standard tolerance IT5..IT9 in µm of a coarse range up to 500 mm.
int PublishedIt(int grade, int coarse);

// A row of deviations per coarse range (ES of J, K, M, N, P; ei of j).
struct CoarseRow {
    const char* position;
    int grade;
    std::array<int, 13> deviation;
};
// A row per fine range (ES of R to ZC; es of a..g and ei of k..zc).
struct FineRow {
    const char* position;
    int grade;
    std::array<int, 25> deviation;
};

std::span<const CoarseRow> PublishedHolesJToP();  // ES
std::span<const FineRow> PublishedHolesRToZc();   // ES
std::span<const FineRow> PublishedShafts();       // es of a..g, ei of k..zc
std::span<const CoarseRow> PublishedJShafts();    // ei of j5..j7

// Above 500 mm. Main ranges ending at 630, 800, 1000, 1250, 1600, 2000, 2500, 3150.
inline constexpr std::array<real, 8> kLargeMainEnds = {630, 800, 1000, 1250, 1600, 2000, 2500, 3150};
struct LargeMainRow {
    const char* position;
    int grade;
    std::array<int, 8> deviation;  // es of d..g, ei of k..p
};
std::span<const LargeMainRow> PublishedLargeMainShafts();
// Intermediate ranges ending at 560, 630, 710, 800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000,
// 2240, 2500, 2800, 3150.
inline constexpr std::array<real, 16> kLargeFineEnds = {560,  630,  710,  800,  900,  1000, 1120, 1250,
                                                        1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};
struct LargeFineRow {
    const char* position;
    int grade;
    std::array<int, 16> ei;
};
std::span<const LargeFineRow> PublishedLargeFineShafts();

// Both limit deviations of a hole class (µm) in the ranges ending at 6, 10, 18, 30, 40, 50, 65, 80 mm.
inline constexpr std::array<real, 8> kHoleTableEnds = {6, 10, 18, 30, 40, 50, 65, 80};
struct HoleLimitsRow {
    const char* position;
    int grade;
    std::array<std::array<int, 2>, 8> limits;  // {upper, lower}
};
std::span<const HoleLimitsRow> PublishedHolesAToH();
// JS6..JS9: the half width ±IT/2 in µm up to 250 mm (coarse ranges 0..9).
struct SymmetricRow {
    int grade;
    std::array<double, 10> half;
};
std::span<const SymmetricRow> PublishedJs();

// A value the 1988 printing of ISO 286-2 got wrong, with the printed and the corrected value.
struct CorrectedValue {
    const char* position;
    int grade;
    real from;  // the size range, mm: above `from` up to and including `size`
    real size;
    bool upper;         // which deviation the correction concerns
    int printed;        // µm, as first printed
    int corrected;      // µm, as the corrigendum gives it
    const char* where;  // page and table of the printing
};
std::span<const CorrectedValue> Iso286Corrigendum();

inline constexpr std::string_view kIso286Source =
    "ISO 286-2:1988, Tables 2-32 (limit deviations of holes and shafts), with Technical Corrigendum 1 "
    "(2006-09-15). Values as reproduced by: DME, Mold Bases & Plates 2020, Technical Reference, table 6, "
    "p. 287 (A-H), and DME Technical Reference, tables 5 and 6 cont., pp. 279 and 281 (above 500 mm, "
    "JS); the course handout \"Tablas de Tolerancia y Ajuste\" (hole and shaft "
    "tables), cross-read with Narayana, Kannaiah, Reddy, Machine Drawing, tables 15.1-15.3; ZCC-CT "
    "tool catalogue, shaft table above 500 mm.";

}  // namespace trb::verify
