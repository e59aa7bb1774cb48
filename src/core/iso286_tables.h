#pragma once

#include <array>
#include <cstdint>

#include "core/real.h"

namespace trb::core::iso286 {

// Size ranges. A nominal size belongs to the range whose upper limit it does not exceed by
// more than 0.001 mm; the first range starts at 0. Three schemes of the same kind: the main
// ranges (standard tolerances, most fundamental deviations), intermediate ranges I (a, b, c,
// r, s) and intermediate ranges II (which split 10-18 and 18-30 once more; t to zc).
inline constexpr std::array<int, 21> kMainRangeLimits = {
    3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150};
inline constexpr std::array<int, 39> kRangeLimitsI = {
    3,   6,   10,   18,   30,   40,   50,   65,   80,   100,  120,  140,  160,
    180, 200, 225,  250,  280,  315,  355,  400,  450,  500,  560,  630,  710,
    800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};
inline constexpr std::array<int, 41> kRangeLimitsII = {
    3,   6,   10,   14,   18,   24,   30,   40,   50,   65,   80,   100,  120, 140,
    160, 180, 200,  225,  250,  280,  315,  355,  400,  450,  500,  560,  630, 710,
    800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};

// Marks a size range for which the standard gives no value.
inline constexpr std::int16_t kNone = -1;

// Standard tolerances IT1..IT18 in µm, one row per main range.
extern const std::array<std::array<real, 18>, 21> kStandardTolerances;

// Fundamental deviations in µm as unsigned magnitudes, shared by the shaft and the hole of the
// same letters. Upper deviation of the shafts a..g (lower deviation of the holes A..G), lower
// deviation of the shafts k..zc (upper deviation of the holes K..ZC).
enum class MainColumn { cd, d, e, ef, f, fg, g, k, m, n, p, kCount };
enum class ColumnI { a, b, c, r, s, kCount };
enum class ColumnII { t, u, v, x, y, z, za, zb, zc, kCount };

extern const std::array<std::array<std::int16_t, static_cast<int>(MainColumn::kCount)>, 21> kMainDeviations;
extern const std::array<std::array<std::int16_t, static_cast<int>(ColumnI::kCount)>, 39> kDeviationsI;
extern const std::array<std::array<std::int16_t, static_cast<int>(ColumnII::kCount)>, 41> kDeviationsII;

// Δ in µm for the holes K to ZC, grades 3..8, one row per main range up to 500 mm.
extern const std::array<std::array<real, 6>, 13> kDelta;

// Upper deviations in µm of the shafts j5..j8 and the holes J6..J8, one row per main range up to
// 500 mm. Columns: j5, j6, j7, j8, J6, J7, J8.
extern const std::array<std::array<std::int16_t, 7>, 13> kJUpperDeviations;

// Deviations the standard fixes apart from its rules.
struct SpecialUpperDeviation {
    char hole;  // position letter
    int grade;
    int mainRange;    // index into kMainRangeLimits
    std::int16_t es;  // upper deviation in µm
};
extern const std::array<SpecialUpperDeviation, 1> kSpecialUpperDeviations;

}  // namespace trb::core::iso286
