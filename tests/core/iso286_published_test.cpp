// Limit deviations checked against published ISO 286 tables, one (class, size) pair per value.
//
// Sources:
// - Upper deviations ES of the holes J to ZC per grade, standard tolerances IT5..IT9, and the
//   fundamental deviations of the shafts up to 500 mm: the hole and shaft tables of the course
//   handout "Tablas de Tolerancia y Ajuste" (ISO 286 tables for the classroom), cross-read with
//   Narayana, Kannaiah, Reddy, "Machine Drawing", tables 15.1 to 15.3.
// - Fundamental deviations of the shafts above 500 mm: DME "Technical Reference", table 5
//   "Fundamental deviations of holes and shafts", and the shaft table of the ZCC-CT tool catalogue.
//
// Every row is checked at the upper limit of each size range, which the range includes.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/iso286.h"

namespace trb::core {
namespace {

constexpr int o = 99999;  // the table gives no value: the class must be refused there

// Range ends 3, 6, 10, 14, 18, 24, 30, 40, 50, 65, 80, 100, 120, 140, 160, 180, 200, 225, 250,
// 280, 315, 355, 400, 450, 500.
constexpr std::array<real, 25> kFineEnds = {3,   6,   10,  14,  18,  24,  30,  40,  50,  65,  80,  100, 120,
                                            140, 160, 180, 200, 225, 250, 280, 315, 355, 400, 450, 500};
constexpr std::array<int, 25> kCoarseOfFine = {0, 1, 2, 3, 3, 4, 4,  5,  5,  6,  6,  7, 7,
                                               8, 8, 8, 9, 9, 9, 10, 10, 11, 11, 12, 12};
// Range ends 3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500.
constexpr std::array<real, 13> kCoarseEnds = {3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500};

// Standard tolerances IT5..IT9 in µm up to 500 mm.
constexpr std::array<std::array<int, 13>, 5> kIt5To9 = {{
    {4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27},
    {6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40},
    {10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63},
    {14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97},
    {25, 30, 36, 43, 52, 62, 74, 87, 100, 115, 130, 140, 155},
}};

struct CoarseRow {
    const char* hole;
    int grade;
    std::array<int, 13> es;
};

// Upper deviations ES in µm of J, K, M, N, P.
constexpr CoarseRow kCoarseHoles[] = {
    {"J", 6, {2, 5, 5, 6, 8, 10, 13, 16, 18, 22, 25, 29, 33}},
    {"J", 7, {4, 6, 8, 10, 12, 14, 18, 22, 26, 30, 36, 39, 43}},
    {"J", 8, {6, 10, 12, 15, 20, 24, 28, 34, 41, 47, 55, 60, 66}},
    {"K", 5, {0, 0, 1, 2, 1, 2, 3, 2, 3, 2, 3, 3, 2}},
    {"K", 6, {0, 2, 2, 2, 2, 3, 4, 4, 4, 5, 5, 7, 8}},
    {"K", 7, {0, 3, 5, 6, 6, 7, 9, 10, 12, 13, 16, 17, 18}},
    {"K", 8, {0, 5, 6, 8, 10, 12, 14, 16, 20, 22, 25, 28, 29}},
    {"M", 5, {-2, -3, -4, -4, -5, -5, -6, -8, -9, -11, -13, -14, -16}},
    {"M", 6, {-2, -1, -3, -4, -4, -4, -5, -6, -8, -8, -9, -10, -10}},
    {"M", 7, {-2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"M", 8, {-2, 2, 1, 2, 4, 5, 5, 6, 8, 9, 9, 11, 11}},
    {"M", 9, {-2, -4, -6, -7, -8, -9, -11, -13, -15, -17, -20, -21, -23}},
    {"N", 5, {-4, -7, -8, -9, -12, -13, -15, -18, -21, -25, -27, -30, -33}},
    {"N", 6, {-4, -5, -7, -9, -11, -12, -14, -16, -20, -22, -25, -26, -27}},
    {"N", 7, {-4, -4, -4, -5, -7, -8, -9, -10, -12, -14, -14, -16, -17}},
    {"N", 8, {-4, -2, -3, -3, -3, -3, -4, -4, -4, -5, -5, -5, -6}},
    {"N", 9, {-4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"P", 5, {-6, -11, -13, -15, -19, -22, -27, -32, -37, -44, -49, -55, -61}},
    {"P", 6, {-6, -9, -12, -15, -18, -21, -26, -30, -36, -41, -47, -51, -55}},
    {"P", 7, {-6, -8, -9, -11, -14, -17, -21, -24, -28, -33, -36, -41, -45}},
    {"P", 8, {-6, -12, -15, -18, -22, -26, -32, -37, -43, -50, -56, -62, -68}},
};

struct FineRow {
    const char* hole;
    int grade;
    std::array<int, 25> es;
};

// Upper deviations ES in µm of R to ZC.
constexpr FineRow kFineHoles[] = {
    {"R", 6, {-10, -12, -16, -20, -20, -24, -24, -29, -29, -35,  -37,  -44, -47,
              -56, -58, -61, -68, -71, -75, -85, -89, -97, -103, -113, -119}},
    {"R", 7, {-10, -11, -13, -16, -16, -20, -20, -25, -25, -30, -32,  -38, -41,
              -48, -50, -53, -60, -63, -67, -74, -78, -87, -93, -103, -109}},
    {"R", 8, {-10, -15, -19, -23, -23, -28, -28, -34, -34,  -41,  -43,  -51, -54,
              -63, -65, -68, -77, -80, -84, -94, -98, -108, -114, -126, -132}},
    {"S", 6, {-14, -16, -20,  -25,  -25,  -31,  -31,  -38,  -38,  -47,  -53,  -64, -72,
              -85, -93, -101, -113, -121, -131, -149, -161, -179, -197, -219, -239}},
    {"S", 7, {-14, -15, -17, -21,  -21,  -27,  -27,  -34,  -34,  -42,  -48,  -58, -66,
              -77, -85, -93, -105, -113, -123, -138, -150, -169, -187, -209, -229}},
    {"S", 8, {-14, -19,  -23,  -28,  -28,  -35,  -35,  -43,  -43,  -53,  -59,  -71, -79,
              -92, -100, -108, -122, -130, -140, -158, -170, -190, -208, -232, -252}},
    {"T", 6, {o,    o,    o,    o,    o,    o,    -37,  -43,  -49,  -60,  -69,  -84, -97,
              -115, -127, -139, -157, -171, -187, -209, -231, -257, -283, -317, -347}},
    {"T", 7, {o,    o,    o,    o,    o,    o,    -33,  -39,  -45,  -55,  -64,  -78, -91,
              -107, -119, -131, -149, -163, -179, -198, -220, -247, -273, -307, -337}},
    {"U", 6, {-18,  -20,  -25,  -30,  -30,  -37,  -44,  -55,  -65,  -81,  -96,  -117, -137,
              -163, -183, -203, -227, -249, -275, -306, -341, -379, -424, -477, -527}},
    {"U", 7, {-18,  -19,  -22,  -26,  -26,  -33,  -40,  -51,  -61,  -76,  -91,  -111, -131,
              -155, -175, -195, -219, -241, -267, -295, -330, -369, -414, -467, -517}},
    {"V", 7, {o,    o,    o,    o,    -32,  -39,  -47,  -59,  -72,  -91,  -109, -133, -159,
              -187, -213, -237, -267, -293, -323, -365, -405, -454, -509, -572, -637}},
    {"X", 7, {-20,  -24,  -28,  -33,  -38,  -46,  -56,  -71,  -88,  -111, -135, -165, -197,
              -233, -265, -295, -333, -368, -408, -455, -505, -569, -639, -717, -797}},
    {"Y", 7, {o,    o,    o,    o,    o,    -55,  -67,  -85,  -105, -133, -163, -201, -241,
              -285, -325, -365, -408, -453, -503, -560, -630, -709, -799, -897, -977}},
    {"Z", 7, {-26,  -31,  -36,  -43,  -53,  -65,  -80,  -103, -127, -161, -199,  -245, -297,
              -350, -400, -450, -503, -558, -623, -690, -770, -879, -979, -1077, -1227}},
    {"ZA", 7, {-32,  -38,  -46,  -57,  -70,  -90,  -110, -139, -171,  -215,  -263,  -322, -387,
               -455, -520, -585, -653, -723, -803, -900, -980, -1129, -1279, -1427, -1577}},
    {"ZB", 8, {-40,  -50,  -67,  -90,  -108, -136,  -160,  -200,  -242,  -300,  -360,  -445, -525,
               -620, -700, -780, -880, -960, -1050, -1200, -1300, -1500, -1650, -1850, -2100}},
    {"ZC", 8, {-60,  -80,  -97,   -130,  -150,  -188,  -218,  -274,  -325,  -405,  -480,  -585, -690,
               -800, -900, -1000, -1150, -1250, -1350, -1550, -1700, -1900, -2100, -2400, -2600}},
};

// Fundamental deviations in µm of shafts up to 500 mm: es of a..g (negative), ei of k..zc.
constexpr FineRow kFineShafts[] = {
    {"a", 11, {-270, -270, -280, -290, -290, -300, -300, -310,  -320,  -340,  -360,  -380, -410,
               -460, -520, -580, -660, -740, -820, -920, -1050, -1200, -1350, -1500, -1650}},
    {"b", 11, {-140, -140, -150, -150, -150, -160, -160, -170, -180, -190, -200, -220, -240,
               -260, -280, -310, -340, -380, -420, -480, -540, -600, -680, -760, -840}},
    {"c", 11, {-60,  -70,  -80,  -95,  -95,  -110, -110, -120, -130, -140, -150, -170, -180,
               -200, -210, -230, -240, -260, -280, -300, -330, -360, -400, -440, -480}},
    {"cd", 8, {-34, -46, -56, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o}},
    {"d", 9, {-20,  -30,  -40,  -50,  -50,  -65,  -65,  -80,  -80,  -100, -100, -120, -120,
              -145, -145, -145, -170, -170, -170, -190, -190, -210, -210, -230, -230}},
    {"e", 8, {-14, -20, -25, -32,  -32,  -40,  -40,  -50,  -50,  -60,  -60,  -72, -72,
              -85, -85, -85, -100, -100, -100, -110, -110, -125, -125, -135, -135}},
    {"ef", 6, {-10, -14, -18, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o}},
    {"f", 7, {-6,  -10, -13, -16, -16, -20, -20, -25, -25, -30, -30, -36, -36,
              -43, -43, -43, -50, -50, -50, -56, -56, -62, -62, -68, -68}},
    {"fg", 5, {-4, -6, -8, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o, o}},
    {"g", 6, {-2,  -4,  -5,  -6,  -6,  -7,  -7,  -9,  -9,  -10, -10, -12, -12,
              -14, -14, -14, -15, -15, -15, -17, -17, -18, -18, -20, -20}},
    {"k", 6, {0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 5, 5}},
    {"m", 6, {2, 4, 6, 7, 7, 8, 8, 9, 9, 11, 11, 13, 13, 15, 15, 15, 17, 17, 17, 20, 20, 21, 21, 23, 23}},
    {"n", 6, {4,  8,  10, 12, 12, 15, 15, 17, 17, 20, 20, 23, 23,
              27, 27, 27, 31, 31, 31, 34, 34, 37, 37, 40, 40}},
    {"p", 6, {6,  12, 15, 18, 18, 22, 22, 26, 26, 32, 32, 37, 37,
              43, 43, 43, 50, 50, 50, 56, 56, 62, 62, 68, 68}},
    {"r", 6, {10, 15, 19, 23, 23, 28, 28, 34, 34,  41,  43,  51, 54,
              63, 65, 68, 77, 80, 84, 94, 98, 108, 114, 126, 132}},
    {"s", 6, {14, 19,  23,  28,  28,  35,  35,  43,  43,  53,  59,  71, 79,
              92, 100, 108, 122, 130, 140, 158, 170, 190, 208, 232, 252}},
    {"t", 6, {o,   o,   o,   o,   o,   o,   41,  48,  54,  66,  75,  91, 104,
              122, 134, 146, 166, 180, 196, 218, 240, 268, 294, 330, 360}},
    {"u", 6, {18,  23,  28,  33,  33,  41,  48,  60,  70,  87,  102, 124, 144,
              170, 190, 210, 236, 258, 284, 315, 350, 390, 435, 490, 540}},
    {"v", 6, {o,   o,   o,   o,   39,  47,  55,  68,  81,  102, 120, 146, 172,
              202, 228, 252, 284, 310, 340, 385, 425, 475, 530, 595, 660}},
    {"x", 6, {20,  28,  34,  40,  45,  54,  64,  80,  97,  122, 146, 178, 210,
              248, 280, 310, 350, 385, 425, 475, 525, 590, 660, 740, 820}},
    {"y", 6, {o,   o,   o,   o,   o,   63,  75,  94,  114, 144, 174, 214, 254,
              300, 340, 380, 425, 470, 520, 580, 650, 730, 820, 920, 1000}},
    {"z", 7, {26,  35,  42,  50,  60,  73,  88,  112, 136, 172,  210,  258, 310,
              365, 415, 465, 520, 575, 640, 710, 790, 900, 1000, 1100, 1250}},
    {"za", 8, {32,  42,  52,  64,  77,  98,  118, 148,  180,  226,  274,  335, 400,
               470, 535, 600, 670, 740, 820, 920, 1000, 1150, 1300, 1450, 1600}},
    {"zb", 9, {40,  50,  67,  90,  108, 136,  160,  200,  242,  300,  360,  445, 525,
               620, 700, 780, 880, 960, 1050, 1200, 1300, 1500, 1650, 1850, 2100}},
    {"zc", 10, {60,  80,  97,   130,  150,  188,  218,  274,  325,  405,  480,  585, 690,
                800, 900, 1000, 1150, 1250, 1350, 1550, 1700, 1900, 2100, 2400, 2600}},
};

// Lower deviations ei in µm of j5..j7 up to 500 mm.
constexpr CoarseRow kJShafts[] = {
    {"j", 5, {-2, -2, -2, -3, -4, -5, -7, -9, -11, -13, -16, -18, -20}},
    {"j", 6, {-2, -2, -2, -3, -4, -5, -7, -9, -11, -13, -16, -18, -20}},
    {"j", 7, {-4, -4, -5, -6, -8, -10, -12, -15, -18, -21, -26, -28, -32}},
};

// Above 500 mm. Main ranges ending at 630, 800, 1000, 1250, 1600, 2000, 2500, 3150.
constexpr std::array<real, 8> kLargeMainEnds = {630, 800, 1000, 1250, 1600, 2000, 2500, 3150};
struct LargeMainRow {
    const char* shaft;
    int grade;
    std::array<int, 8> deviation;  // es of d..g, ei of k..p
};
constexpr LargeMainRow kLargeMainShafts[] = {
    {"d", 9, {-260, -290, -320, -350, -390, -430, -480, -520}},
    {"e", 8, {-145, -160, -170, -195, -220, -240, -260, -290}},
    {"f", 7, {-76, -80, -86, -98, -110, -120, -130, -145}},
    {"g", 6, {-22, -24, -26, -28, -30, -32, -34, -38}},
    {"k", 6, {0, 0, 0, 0, 0, 0, 0, 0}},
    {"m", 6, {26, 30, 34, 40, 48, 58, 68, 76}},
    {"n", 6, {44, 50, 56, 66, 78, 92, 110, 135}},
    {"p", 6, {78, 88, 100, 120, 140, 170, 195, 240}},
};
// Intermediate ranges ending at 560, 630, 710, 800, 900, 1000, 1120, 1250, 1400, 1600, 1800,
// 2000, 2240, 2500, 2800, 3150.
constexpr std::array<real, 16> kLargeFineEnds = {560,  630,  710,  800,  900,  1000, 1120, 1250,
                                                 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};
struct LargeFineRow {
    const char* shaft;
    int grade;
    std::array<int, 16> ei;
};
constexpr LargeFineRow kLargeFineShafts[] = {
    {"r", 6, {150, 155, 175, 185, 210, 220, 250, 260, 300, 330, 370, 400, 440, 460, 550, 580}},
    {"s", 6, {280, 310, 340, 380, 430, 470, 520, 580, 640, 720, 820, 920, 1000, 1100, 1250, 1400}},
    {"t", 6, {400, 450, 500, 560, 620, 680, 780, 840, 960, 1050, 1200, 1350, 1500, 1650, 1900, 2100}},
    {"u", 6, {600, 660, 740, 840, 940, 1050, 1150, 1300, 1450, 1600, 1850, 2000, 2300, 2500, 2900, 3200}},
};

struct Checked {
    bool refused;
    real lower;
    real upper;
};

Checked Check(const char* position, int grade, real size) {
    ToleranceSteps steps;
    bool abort = false;
    const std::string text = std::string(position) + std::to_string(grade);
    const ToleranceZone zone = ToleranceLimits(steps, text, size, abort);
    return {abort, zone.lower, zone.upper};
}

int It(int grade, int coarse) {
    return kIt5To9[static_cast<std::size_t>(grade - 5)][static_cast<std::size_t>(coarse)];
}

TEST(PublishedLimits, HolesJToPUpTo500) {
    int pairs = 0;
    for (const CoarseRow& row : kCoarseHoles) {
        for (int r = 0; r < 13; ++r) {
            const Checked c = Check(row.hole, row.grade, kCoarseEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.hole) + std::to_string(row.grade) + " range " + std::to_string(r));
            const int es = row.es[static_cast<std::size_t>(r)];
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.upper, es);
            EXPECT_EQ(c.lower, es - It(row.grade, r));
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 273);
}

TEST(PublishedLimits, HolesRToZcUpTo500) {
    int pairs = 0;
    for (const FineRow& row : kFineHoles) {
        for (int r = 0; r < 25; ++r) {
            const Checked c = Check(row.hole, row.grade, kFineEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.hole) + std::to_string(row.grade) + " range " + std::to_string(r));
            const int es = row.es[static_cast<std::size_t>(r)];
            ++pairs;
            if (es == o) {
                EXPECT_TRUE(c.refused);
                continue;
            }
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.upper, es);
            EXPECT_EQ(c.lower, es - It(row.grade, kCoarseOfFine[static_cast<std::size_t>(r)]));
        }
    }
    EXPECT_EQ(pairs, 425);
}

TEST(PublishedLimits, ShaftFundamentalDeviationsUpTo500) {
    int pairs = 0;
    for (const FineRow& row : kFineShafts) {
        const bool upper = row.hole[0] <= 'g';
        for (int r = 0; r < 25; ++r) {
            const Checked c = Check(row.hole, row.grade, kFineEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.hole) + std::to_string(row.grade) + " range " + std::to_string(r));
            const int deviation = row.es[static_cast<std::size_t>(r)];
            ++pairs;
            if (deviation == o) {
                EXPECT_TRUE(c.refused);
                continue;
            }
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(upper ? c.upper : c.lower, deviation);
        }
    }
    for (const CoarseRow& row : kJShafts) {
        for (int r = 0; r < 13; ++r) {
            const Checked c = Check(row.hole, row.grade, kCoarseEnds[static_cast<std::size_t>(r)]);
            SCOPED_TRACE(std::string(row.hole) + std::to_string(row.grade) + " range " + std::to_string(r));
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.lower, row.es[static_cast<std::size_t>(r)]);
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 664);
}

TEST(PublishedLimits, ShaftFundamentalDeviationsAbove500) {
    int pairs = 0;
    for (const LargeMainRow& row : kLargeMainShafts) {
        const bool upper = row.shaft[0] <= 'g';
        for (std::size_t r = 0; r < kLargeMainEnds.size(); ++r) {
            const Checked c = Check(row.shaft, row.grade, kLargeMainEnds[r]);
            SCOPED_TRACE(std::string(row.shaft) + std::to_string(row.grade) + " range " + std::to_string(r));
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(upper ? c.upper : c.lower, row.deviation[r]);
            ++pairs;
        }
    }
    for (const LargeFineRow& row : kLargeFineShafts) {
        for (std::size_t r = 0; r < kLargeFineEnds.size(); ++r) {
            const Checked c = Check(row.shaft, row.grade, kLargeFineEnds[r]);
            SCOPED_TRACE(std::string(row.shaft) + std::to_string(row.grade) + " range " + std::to_string(r));
            ASSERT_FALSE(c.refused);
            EXPECT_EQ(c.lower, row.ei[r]);
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 128);
}

}  // namespace
}  // namespace trb::core
