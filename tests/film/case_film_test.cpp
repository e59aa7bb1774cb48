// The film of a calculated case: the dimensionless film in the case's units, its supply feature, and the
// cases it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "core/calculation.h"
#include "core/clearance_range.h"
#include "film/case_film.h"
#include "film/case_supply.h"
#include "film/film_solution.h"
#include "film/onset_speed.h"

namespace trb::film {
namespace {

double D(real x) {
    return static_cast<double>(x);
}

core::CaseRun ExampleRun(void (*change)(core::TRBrecord&) = nullptr) {
    core::CaseRun run;
    core::LoadExampleCase(run.record);
    if (change != nullptr) change(run.record);
    core::Calculate(run);
    return run;
}

TEST(CaseFilm, TheExampleCaseAgreesWithItsDinRun) {
    const core::CaseRun run = ExampleRun();
    ASSERT_FALSE(run.Failed());
    const CaseFilm film = SolveCaseFilm(run.record, run.status);
    ASSERT_EQ(film.fault, FilmFault::None);
    // The DIN characteristic functions are fits of such films: within a few per cent.
    EXPECT_NEAR(D(film.eccentricity / run.record.epsilon), 1, 0.02);
    EXPECT_NEAR(D(film.h0 / run.record.h0), 1, 0.05);
    EXPECT_NEAR(D(film.mupsi / run.record.mupsi), 1, 0.03);
    EXPECT_EQ(film.so, run.record.so);
    EXPECT_EQ(film.din.epsilon, run.record.epsilon);
    EXPECT_EQ(film.din.q, run.record.q);
    // h0 = C (1 − ε) with C = seff/2, and the peak ahead of the thinnest film, in the loaded zone.
    EXPECT_NEAR(D(film.h0), D(run.record.seff / 2 * (1 - film.eccentricity)), 1e-12);
    EXPECT_GT(film.attitudeAngle, 20);
    EXPECT_LT(film.attitudeAngle, 45);
    EXPECT_LT(film.pmaxAngle, film.attitudeAngle);
    EXPECT_GT(film.pmax, 3 * run.record.p);
    EXPECT_EQ(film.angles.size(), static_cast<std::size_t>(kDefaultGrid.circumferential));
    EXPECT_EQ(film.pressure.size(), film.angles.size() * film.z.size());
    EXPECT_EQ(film.z.size(), static_cast<std::size_t>(kDefaultGrid.axial + 1));
}

TEST(CaseFilm, ItsNumbersAreTheDimensionlessFilmInTheCaseUnits) {
    const core::CaseRun run = ExampleRun();
    const core::TRBrecord& r = run.record;
    const CaseFilm film = SolveCaseFilm(r, run.status);
    ASSERT_EQ(film.fault, FilmFault::None);
    const CaseProblem cp = CaseFilmProblem(r, run.status, kDefaultGrid);
    const FilmSolution s = SolveAtLoad(cp.problem, cp.so, true, 0.8, 0.5);
    ASSERT_EQ(s.fault, FilmFault::None);
    const double eta = static_cast<double>(r.etaeff);
    const double omega = static_cast<double>(r.weff);
    const double psi = static_cast<double>(r.psieff);
    const double clearance = static_cast<double>(r.seff) / 2;  // mm
    EXPECT_NEAR(D(film.pmax), s.result.pmax * eta * omega / (psi * psi) * 1e-6, 1e-6 * D(film.pmax));
    // Q = q R C N B (mm³/s) with N = ω/2π.
    const double q = s.result.sideFlow * (static_cast<double>(r.db) / 2) * clearance * omega /
                     (2 * std::numbers::pi) * static_cast<double>(r.b);
    EXPECT_NEAR(D(film.sideFlow), q, 1e-6 * q);
    // k = K̄ F / C and d = B̄ F / (C ω), C in m.
    const double load = static_cast<double>(r.f);
    EXPECT_NEAR(film.stiffness[0][1], s.coefficients.stiffness[0][1] * load / (clearance * 1e-3),
                1e-5 * std::fabs(film.stiffness[0][1]));
    EXPECT_NEAR(film.damping[1][1], s.coefficients.damping[1][1] * load / (clearance * 1e-3 * omega),
                1e-5 * film.damping[1][1]);
    // The supply hole is held at pe, opposite the load; the film's peak is far above it.
    bool held = false;
    for (std::size_t n = 0; n < film.supply.size(); ++n) {
        if (!film.supply[n]) continue;
        held = true;
        EXPECT_NEAR(film.pressure[n], static_cast<double>(r.pe), 1e-9);
        EXPECT_NEAR(film.angles[n / film.z.size()], 180, 3);
    }
    EXPECT_TRUE(held);
    // The middle-plane profile peaks at pmax.
    double peak = 0;
    for (double p : film.middlePlane) peak = std::max(peak, p);
    EXPECT_LE(peak, film.pmax);
    EXPECT_GT(peak, 0.98 * film.pmax);
}

TEST(CaseFilm, TheSupplyFeatureSitsWhereTheCasePutsIt) {
    core::TRBrecord r;
    core::LoadExampleCase(r);
    r.db = 100;
    r.b = 50;
    r.dh = 5;
    r.bg = 8;
    r.bp = 12;
    r.phia = -20;
    r.phie = 40;
    const auto areas = [&](std::uint16_t feature) {
        r.zufuhr = feature;
        FilmProblem p;
        EXPECT_EQ(CaseFilmStart(r, 0.7, p), FilmFault::None);
        return p.areas;
    };
    constexpr double kDegree = std::numbers::pi / 180;
    EXPECT_NEAR(areas(1).at(0).centre, 180 * kDegree, 1e-12);
    EXPECT_NEAR(areas(2).at(0).centre, 270 * kDegree, 1e-12);
    EXPECT_NEAR(areas(3).at(0).centre, 90 * kDegree, 1e-12);
    EXPECT_NEAR(areas(3).at(1).centre, 270 * kDegree, 1e-12);
    EXPECT_NEAR(areas(5).at(0).centre, 190 * kDegree, 1e-12);
    EXPECT_NEAR(areas(5).at(0).halfAngle, 30 * kDegree, 1e-12);
    EXPECT_NEAR(areas(6).at(0).centre, 180 * kDegree, 1e-12);
    EXPECT_NEAR(areas(7).at(0).centre, 270 * kDegree, 1e-12);
    EXPECT_EQ(areas(8).size(), 2u);
    // A hole of 5 mm on a 100 mm bore 50 mm wide: ±2.5 mm round the bore (R = 50) and across (B/2 = 25).
    EXPECT_EQ(areas(1).at(0).shape, SupplyArea::Shape::Ellipse);
    EXPECT_NEAR(areas(1).at(0).halfAngle, 0.05, 1e-12);
    EXPECT_NEAR(areas(1).at(0).halfWidth, 0.1, 1e-12);
    EXPECT_NEAR(areas(6).at(0).halfWidth, 0.24, 1e-12);
    EXPECT_EQ(areas(6).at(0).shape, SupplyArea::Shape::Rectangle);
    EXPECT_NEAR(areas(4).at(0).halfAngle, std::numbers::pi, 1e-12);
    EXPECT_NEAR(areas(4).at(0).halfWidth, 0.16, 1e-12);
    EXPECT_DOUBLE_EQ(areas(2).at(0).pressure, 0.7);
    // Without pressure lubrication the film starts on a line at ambient pressure opposite the load.
    r.druckschmierung = false;
    FilmProblem p;
    EXPECT_EQ(CaseFilmStart(r, 0.7, p), FilmFault::None);
    EXPECT_TRUE(p.areas.empty());
    EXPECT_EQ(p.start.kind, FilmStart::Kind::LineAtAngle);
    EXPECT_DOUBLE_EQ(p.start.angle, std::numbers::pi);
}

TEST(CaseFilm, ARingGroovePartsTheFilmIntoTwoLands) {
    const core::CaseRun run = ExampleRun([](core::TRBrecord& r) {
        r.zufuhr = core::kRingGroove;
        r.bg = 12;
    });
    const CaseFilm film = SolveCaseFilm(run.record, run.status, {kDefaultGrid, false, false, {}});
    ASSERT_EQ(film.fault, FilmFault::None);
    // The middle plane lies in the groove at pe; the peak is on a land and reported from there.
    EXPECT_GT(film.pmax, 10 * static_cast<double>(run.record.pe));
    double middle = 0;
    for (double p : film.middlePlane) middle = std::max(middle, p);
    EXPECT_GT(middle, 0.98 * film.pmax);
    // Each land carries less than a plain bearing of the same width would: the film sits lower.
    const CaseFilm plain =
        SolveCaseFilm(ExampleRun().record, ExampleRun().status, {kDefaultGrid, false, false, {}});
    EXPECT_GT(film.eccentricity, plain.eccentricity);
}

TEST(CaseFilm, CasesWithoutAFilmSayWhy) {
    const auto faultOf = [](void (*change)(core::TRBrecord&), GridSize grid = kDefaultGrid) {
        const core::CaseRun run = ExampleRun(change);
        return SolveCaseFilm(run.record, run.status, {grid, true, false, {}}).fault;
    };
    EXPECT_EQ(faultOf([](core::TRBrecord& r) { r.schmier = 0; }), FilmFault::DinRunFailed);
    EXPECT_EQ(faultOf([](core::TRBrecord& r) { r.f = 5e7; }), FilmFault::EccentricityTooLarge);
    // A bearing 2 mm wide on a 120 mm bore: the DIN run passes (with its warnings), the film refuses.
    EXPECT_EQ(faultOf([](core::TRBrecord& r) {
                  r.b = 2;
                  r.dh = 1;
              }),
              FilmFault::WidthRatioOutOfRange);
    // Two holes beside the load fed far above the film's own pressure: no hydrodynamic film.
    EXPECT_EQ(faultOf([](core::TRBrecord& r) {
                  r.zufuhr = core::kTwoHolesAt90;
                  r.pe = 100;
              }),
              FilmFault::SupplyPressureTooHigh);
    EXPECT_EQ(faultOf([](core::TRBrecord& r) {
                  r.zufuhr = core::kPartialGroove;
                  r.bg = 10;
                  r.phia = -200;
                  r.phie = 200;
              }),
              FilmFault::SupplyLargerThanBearing);
    EXPECT_EQ(faultOf(nullptr, {3'000'000, 200}), FilmFault::GridTooLarge);
    EXPECT_EQ(faultOf(nullptr, {216, 18}), FilmFault::GridAxialCount);
    // A run that reports no failure but carries a broken state is refused, not solved.
    core::CaseRun run = ExampleRun();
    run.record.etaeff = std::nanl("");
    EXPECT_EQ(SolveCaseFilm(run.record, run.status).fault, FilmFault::BadInput);
    run.record.etaeff = -1;
    EXPECT_EQ(SolveCaseFilm(run.record, run.status).fault, FilmFault::BadInput);
    for (FilmFault f : {FilmFault::DinRunFailed, FilmFault::EccentricityTooLarge, FilmFault::Cancelled}) {
        EXPECT_FALSE(FilmFaultText(f).empty());
    }
}

TEST(CaseFilm, TheRotorOfTheExampleIsStableAndWhirlsFromItsOnsetSpeed) {
    const core::CaseRun run = ExampleRun();
    CaseFilmOptions options;
    options.onsetSpeed = true;
    const CaseFilm film = SolveCaseFilm(run.record, run.status, options);
    ASSERT_EQ(film.fault, FilmFault::None);
    ASSERT_TRUE(film.hasCoefficients);
    EXPECT_TRUE(film.stability.stable);
    EXPECT_EQ(film.stability.massParameter, RotorMassParameter(run.record));
    ASSERT_TRUE(film.onset.searched);
    ASSERT_TRUE(film.onset.speed.has_value());
    const real onset = *film.onset.speed;
    EXPECT_GT(onset, run.record.ns);
    EXPECT_LT(onset, film.onset.to);
    // Just below the onset speed the rotor is stable, just above it whirls; each with its own DIN run.
    for (const auto& [factor, stable] : {std::pair{0.99L, true}, std::pair{1.01L, false}}) {
        core::CaseRun at;
        at.record = run.record;
        at.record.ns = onset * factor;
        core::Calculate(at);
        const CaseFilm there = SolveCaseFilm(at.record, at.status);
        ASSERT_EQ(there.fault, FilmFault::None);
        EXPECT_EQ(there.stability.stable, stable) << static_cast<double>(factor);
        // Where there is a threshold, stability is M̄ below it.
        if (there.stability.threshold) {
            EXPECT_EQ(there.stability.massParameter < there.stability.criticalMass, stable);
        }
    }
}

TEST(CaseFilm, ACancelledCaseFilmHasNoResult) {
    const core::CaseRun run = ExampleRun();
    CaseFilmOptions options;
    options.onsetSpeed = true;
    int calls = 0;
    options.progress = [&](double) { return ++calls < 6; };
    const CaseFilm film = SolveCaseFilm(run.record, run.status, options);
    EXPECT_EQ(film.fault, FilmFault::Cancelled);
    EXPECT_TRUE(film.pressure.empty());
    EXPECT_EQ(film.eccentricity, 0);
}

TEST(CaseFilm, AnyCaseEndsInAFilmOrAReasonNeverInANumberThatIsNotOne) {
    // Widths, loads, speeds, supply features and pressures drawn at random (a fixed seed), a rotating
    // bore now and then: every film is either refused with a reason or has finite, non-negative
    // pressures, a journal inside the bore and finite coefficients.
    std::mt19937 random(31652);
    std::uniform_real_distribution<double> unit(0, 1);
    int solved = 0;
    for (int n = 0; n < 40; ++n) {
        core::CaseRun run;
        core::LoadExampleCase(run.record);
        core::TRBrecord& r = run.record;
        r.b = 10 + 200 * unit(random);
        r.f = std::exp(std::log(100.0) + unit(random) * std::log(1e6));
        r.ns = 1 + 200 * unit(random);
        r.nb = unit(random) < 0.2 ? -50 + 100 * unit(random) : 0;
        r.zufuhr = static_cast<std::uint16_t>(1 + 8 * unit(random));
        r.druckschmierung = unit(random) < 0.8;
        r.pe = 2 * unit(random) * unit(random);
        r.dh = 1 + 8 * unit(random);
        r.bg = 2 + 20 * unit(random);
        r.bp = 5 + 40 * unit(random);
        r.phia = -180 * unit(random);
        r.phie = 180 * unit(random);
        core::Calculate(run);
        const CaseFilm film = SolveCaseFilm(r, run.status);
        if (film.fault != FilmFault::None) {
            EXPECT_FALSE(FilmFaultText(film.fault).empty());
            EXPECT_TRUE(film.pressure.empty());
            continue;
        }
        ++solved;
        for (double p : film.pressure) ASSERT_TRUE(std::isfinite(p) && p >= 0) << n;
        EXPECT_LE(film.eccentricity, 0.98L) << n;
        EXPECT_GT(film.h0, 0) << n;
        for (const auto& row : film.stiffness) {
            for (double k : row) EXPECT_TRUE(std::isfinite(k)) << n;
        }
    }
    EXPECT_GT(solved, 8);
}

}  // namespace
}  // namespace trb::film
