#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "core/calculation.h"
#include "core/input_bounds.h"

namespace trb::core {
namespace {

struct Check {
    const char* name;
    std::function<void(TRBrecord&)> change;  // applied to the example case
    std::vector<std::string> messages;       // the whole message list after the run
    bool failed;
    bool abort;
};

std::vector<std::string> Messages(const RunStatus& status) {
    std::vector<std::string> texts;
    for (int i = 1; i <= status.MessageCount(); ++i) texts.push_back(status.Message(i));
    return texts;
}

// Each input check in turn, with its text, whether it stops the run and whether it sets the abort flag.
// Where two findings meet, the list shows which check comes first.
const std::vector<Check> kChecks = {
    {"BoreNominal", [](TRBrecord& r) { r.db = 0; }, {"Fatal  : dB = 0 !"}, true, true},
    {"BoreNominalBeforeBoreMax",
     [](TRBrecord& r) { r.db = -1, r.dbmax = 0; },
     {"Fatal  : dB = 0 !"},
     true,
     true},
    {"BoreMax", [](TRBrecord& r) { r.dbmax = 0; }, {"Fatal  : Dmax = 0 !"}, true, true},
    {"BoreMin", [](TRBrecord& r) { r.dbmin = -2; }, {"Fatal  : Dmin = 0 !"}, true, true},
    {"ShaftMin", [](TRBrecord& r) { r.dsmin = 0; }, {"Fatal  : dmin = 0 !"}, true, true},
    {"ShaftMax", [](TRBrecord& r) { r.dsmax = 0; }, {"Fatal  : dmax = 0 !"}, true, true},
    {"BoreMaxDeviation",
     [](TRBrecord& r) { r.dbmax = 130; },
     {"Fehler : Dmax !", "Fehler : h0<h0lim !"},
     false,
     false},
    {"BoreMinDeviation",
     [](TRBrecord& r) { r.dbmin = 113; },
     {"Fehler : Dmin !", "Fatal  : Dmin<dmax !"},
     true,
     false},
    {"ShaftMaxDeviation",
     [](TRBrecord& r) { r.dsmax = 127; },
     {"Fehler : dmax !", "Fatal  : Dmin<dmax !"},
     true,
     false},
    {"ShaftMinDeviationAgainstTheBore",
     [](TRBrecord& r) { r.dsmin = 110; },
     {"Fehler : dmin !", "Fehler : h0<h0lim !"},
     false,
     false},
    {"Nominals",
     [](TRBrecord& r) { r.ds = 125; },
     {"Fehler : Dnom<>dnom !", "Warnung: t2>tBlim !"},
     false,
     false},
    {"Width", [](TRBrecord& r) { r.b = 0; }, {"Fatal  : B <= 0 !"}, true, true},
    {"Density", [](TRBrecord& r) { r.rho = 0; }, {"Fatal  : rho = 0 !"}, true, true},
    {"HeatCapacity", [](TRBrecord& r) { r.c = -1; }, {"Fatal  : c = 0 !"}, true, true},
    {"Load", [](TRBrecord& r) { r.f = 0; }, {"Fatal  : F = 0 !"}, true, true},
    {"ShaftLimitsSwapped",
     [](TRBrecord& r) { r.dsmax = 119.92L; },
     {"Fehler : dmax<dmin !", "Warnung: t2>tBlim !"},
     false,
     false},
    {"BoreLimitsSwapped",
     [](TRBrecord& r) { r.dbmax = 120.04L; },
     {"Fehler : Dmax<Dmin !", "Warnung: t2>tBlim !"},
     false,
     false},
    {"NoClearance", [](TRBrecord& r) { r.dbmin = r.dsmax; }, {"Fatal  : Dmin<dmax !"}, true, false},
    {"OuterDiameter", [](TRBrecord& r) { r.de = 120; }, {"Fatal  : de<dB !"}, true, false},
    {"NoLubricantClass", [](TRBrecord& r) { r.schmier = 0; }, {"Fatal  : visko !"}, true, false},
    {"LubricantClassBeyondTheTable", [](TRBrecord& r) { r.schmier = 19; }, {"Fatal  : visko !"}, true, false},
    {"OppositeEqualSpeeds", [](TRBrecord& r) { r.nb = -r.ns; }, {"Fatal  : n eff = 0 !"}, true, true},
    {"HoleWiderThanBore", [](TRBrecord& r) { r.dh = 130; }, {"Fatal  : dH>dB !"}, true, false},
    {"HoleWiderThanBearing", [](TRBrecord& r) { r.dh = 60; }, {"Fatal  : dH>B !"}, true, false},
    {"NoHole", [](TRBrecord& r) { r.dh = 0; }, {"Fatal  : dH = 0 !"}, true, true},
    // Every hole code needs its hole: one at 90°, two at ±90°; a negative diameter is none either.
    {"NoHoleAt90", [](TRBrecord& r) { r.zufuhr = kHoleAt90, r.dh = 0; }, {"Fatal  : dH = 0 !"}, true, true},
    {"NoHolesAt90",
     [](TRBrecord& r) { r.zufuhr = kTwoHolesAt90, r.dh = 0; },
     {"Fatal  : dH = 0 !"},
     true,
     true},
    {"NegativeHolesAt90",
     [](TRBrecord& r) { r.zufuhr = kTwoHolesAt90, r.dh = -1; },
     {"Fatal  : dH = 0 !"},
     true,
     true},
    // A groove or a pocket needs no hole.
    {"GrooveWithoutHole",
     [](TRBrecord& r) { r.zufuhr = kRingGroove, r.bg = 10, r.dh = 0; },
     {},
     false,
     false},
    {"PocketWithoutHole",
     [](TRBrecord& r) { r.zufuhr = kPocketOppositeLoad, r.bp = 10, r.dh = 0; },
     {"Warnung: t2>tBlim !"},
     false,
     false},
    {"NoGroove", [](TRBrecord& r) { r.zufuhr = kRingGroove; }, {"Fatal  : bG = 0 !"}, true, true},
    {"GrooveAnglesReversed",
     [](TRBrecord& r) { r.zufuhr = kPartialGroove, r.bg = 8, r.phia = 90, r.phie = 90; },
     {"Fatal  : phiA >= phiE !"},
     true,
     true},
    {"NoPocket", [](TRBrecord& r) { r.zufuhr = kTwoPocketsAt90; }, {"Fatal  : bp = 0 !"}, true, true},
    {"GrooveAsWideAsTheBearing",
     [](TRBrecord& r) { r.zufuhr = kPartialGroove, r.bg = 60, r.phie = 180; },
     {"Fatal  : bG>=B !"},
     true,
     false},
    {"PocketWiderThanTheBearing",
     [](TRBrecord& r) { r.zufuhr = kPocketAt90, r.bp = 61; },
     {"Fatal  : bp>=B !"},
     true,
     false},
    {"SupplyNotCheckedWithConvection",
     [](TRBrecord& r) { r.druckschmierung = false, r.dh = 0; },
     {"Fehler : h0<h0lim !", "Fehler : tB>tBlim !"},
     false,
     false},
    // Checks inside the iteration step; each of them sets the abort flag.
    {"ShaftExpandsIntoTheBore",
     [](TRBrecord& r) { r.alpha1s = 1e-3L; },
     {"Fatal  : psi eff <= 0 !"},
     true,
     true},
    // A temperature below absolute zero, and a negative supply pressure, mean nothing: they stop
    // the run before the viscosity or the flow is calculated from them.
    {"ViscosityBelowAbsoluteZero",
     [](TRBrecord& r) { r.alpha1b = r.alpha1s, r.t1 = -400; },
     {"Fatal  : Eingabe au\xE1"
      "erhalb Bereich !"},
     true,
     true},
    {"EccentricityNotFound",
     [](TRBrecord& r) { r.f = 100, r.ns = 100; },
     {"Fehler : Iter ep from So", "Fatal  : epsilon = 0 !"},
     true,
     true},
    {"NoFlow",
     [](TRBrecord& r) { r.pe = -5; },
     {"Fatal  : Eingabe au\xE1"
      "erhalb Bereich !"},
     true,
     true},
    {"NoHeatTransfer",
     [](TRBrecord& r) { r.druckschmierung = false, r.k = 0; },
     {"Fatal  : k <= 0 !"},
     true,
     true},
    {"NoHousingSurface",
     [](TRBrecord& r) { r.druckschmierung = false, r.a = 0; },
     {"Fatal  : A <= 0 !"},
     true,
     true},
    // No film limit leaves the transition at eccentricity 1, where the Sommerfeld number has no value.
    {"NoFilmLimit", [](TRBrecord& r) { r.h0lim = 0; }, {"Fatal  : h0lim <= 0 !"}, true, true},
    // A film limit beyond half the mean clearance (0.06 mm) can never be reached.
    {"FilmLimitBeyondTheClearance",
     [](TRBrecord& r) { r.h0lim = 0.07L; },
     {"Fatal  : h0lim >= s/2 !"},
     true,
     true},
    // Bore limits swapped so far that the mean clearance vanishes although the smallest one is positive.
    {"NoMeanClearance",
     [](TRBrecord& r) { r.dbmin = 120.2L, r.dbmax = 119.6L, r.alpha1b = 1e-4L; },
     {"Fehler : Dmax<Dmin !", "Fatal  : psi m <= 0 !"},
     true,
     true},
    // Limit checks after the iteration, all evaluated.
    {"LimitChecks",
     [](TRBrecord& r) { r.h0lim = 0.02L, r.tblim = 60, r.plim = 4, r.pe = 6; },
     {"Fehler : h0<h0lim !", "Warnung: t2>tBlim !", "Fehler : teff>tBlim !", "Fehler : p>plim !",
      "Fehler : pE>p !", "Warnung: pE>0.3*p !"},
     false,
     false},
};

class CalculationCheck : public testing::TestWithParam<Check> {};

TEST_P(CalculationCheck, ReportsItsTextWithItsFatality) {
    const Check& check = GetParam();
    TRBrecord record;
    LoadExampleCase(record);
    check.change(record);
    RunStatus status;
    bool abort = false;
    RunCalculation(record, status, abort);
    EXPECT_EQ(Messages(status), check.messages);
    EXPECT_EQ(status.calculationFailed, check.failed);
    EXPECT_EQ(abort, check.abort);
}

INSTANTIATE_TEST_SUITE_P(Calculation, CalculationCheck, testing::ValuesIn(kChecks),
                         [](const testing::TestParamInfo<Check>& info) {
                             return std::string(info.param.name);
                         });

// An input beyond what its field can mean (a roughness of 1e300 µm, a heat capacity of 1e308, a
// value a double cannot hold, NaN) stops the run before anything else is looked at: it would be
// echoed as a number of hundreds of digits or carried into results that look sound. Each bound is
// tried from both sides; a value on the bound is taken.
TEST(Calculation, InputsBeyondWhatTheirFieldsCanMeanStopTheRun) {
    const std::string outside =
        "Fatal  : Eingabe au\xE1"
        "erhalb Bereich !";
    const auto run = [](const InputBound& bound, real value) {
        TRBrecord record;
        LoadExampleCase(record);
        record.*bound.field = value;
        RunStatus status;
        bool abort = false;
        RunCalculation(record, status, abort);
        return std::make_tuple(Messages(status), status.calculationFailed, abort);
    };
    const real infinity = std::numeric_limits<real>::infinity();
    int tried = 0;
    for (const InputBound& bound : InputBounds()) {
        // A sane bound: no field of a bearing means anything near what a double holds.
        EXPECT_LE(bound.highest, 1e10L) << bound.name;
        EXPECT_LT(bound.lowest, bound.highest) << bound.name;
        std::vector<real> beyond{std::nextafter(bound.highest, infinity), 1e308L, 1e4932L,
                                 std::numeric_limits<real>::quiet_NaN()};
        std::vector<real> within{bound.highest};
        if (std::isfinite(bound.lowest)) {
            beyond.push_back(std::nextafter(bound.lowest, -infinity));
            beyond.push_back(-1e308L);
            within.push_back(bound.lowest);
        }
        for (const real value : beyond) {
            const auto [messages, failed, abort] = run(bound, value);
            EXPECT_EQ(messages, std::vector<std::string>{outside}) << bound.name << " = " << value;
            EXPECT_TRUE(failed) << bound.name;
            EXPECT_TRUE(abort) << bound.name;
            ++tried;
        }
        for (const real value : within) {
            const auto [messages, failed, abort] = run(bound, value);
            EXPECT_EQ(std::count(messages.begin(), messages.end(), outside), 0)
                << bound.name << " = " << value;
        }
    }
    EXPECT_GE(tried, 4 * 32);
    // The bounds of the example: what DIN 31652 and the field's unit make of them.
    const auto bound = [](real TRBrecord::*field) {
        for (const InputBound& b : InputBounds())
            if (b.field == field) return std::make_pair(b.lowest, b.highest);
        return std::make_pair(real{0}, real{0});
    };
    EXPECT_EQ(bound(&TRBrecord::rzb), std::make_pair(real{0}, real{1000}));
    EXPECT_EQ(bound(&TRBrecord::rzs), std::make_pair(real{0}, real{1000}));
    EXPECT_EQ(bound(&TRBrecord::c).second, 100000);
    EXPECT_EQ(bound(&TRBrecord::t1).first, -273.15L);
    EXPECT_EQ(bound(&TRBrecord::bfactor), std::make_pair(real{0}, real{100}));
}

TEST(Calculation, FatalStepKeepsTheResultsItDidNotReach) {
    TRBrecord record;
    LoadExampleCase(record);
    record.druckschmierung = false;
    record.a = 0;
    record.tbnew = 99;  // left from an earlier run
    record.pa = 77;
    RunStatus status;
    bool abort = false;
    EXPECT_EQ(RunCalculation(record, status, abort), 1);
    EXPECT_EQ(record.teff, 60);  // the start value of the bearing temperature
    EXPECT_GT(record.epsilon, 0);
    EXPECT_GT(record.p0, 0);
    EXPECT_EQ(record.q, record.q1);
    EXPECT_EQ(record.tbnew, 99);
    EXPECT_EQ(record.pa, 77);
}

TEST(Calculation, TwelfthTextIsDroppedAndRepeatedWarningsAppearOnce) {
    TRBrecord record;
    LoadExampleCase(record);
    // Every size deviates from a nominal of 113 mm, both limit pairs are swapped, the pocket is narrow,
    // and every limit is exceeded.
    record.db = 113;
    record.dsmin = 119.95L;
    record.dsmax = 119.93L;
    record.dbmin = 120.07L;
    record.dbmax = 120.05L;
    record.zufuhr = kPocketOppositeLoad;
    record.bp = 2;
    record.h0lim = 0.05L;  // below half the mean clearance of 0.12 mm, above the film
    record.tblim = 0;
    record.plim = 0;
    record.pe = 40;
    RunStatus status;
    bool abort = false;
    EXPECT_GT(RunCalculation(record, status, abort), 1);
    EXPECT_EQ(Messages(status), (std::vector<std::string>{
                                    "Fehler : Dmax !", "Fehler : Dmin !", "Fehler : dmax !",
                                    "Fehler : dmin !", "Fehler : Dnom<>dnom !", "Fehler : dmax<dmin !",
                                    "Fehler : Dmax<Dmin !", "Warnung: bp/B < 0.05 !", "Fehler : h0<h0lim !",
                                    "Warnung: t2>tBlim !", "Fehler : teff>tBlim !"}));
    EXPECT_FALSE(status.calculationFailed);
}

}  // namespace
}  // namespace trb::core
