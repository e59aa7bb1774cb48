#include <cmath>
#include <numbers>
#include <string>

#include "core/calculation.h"
#include "core/clearance_range.h"
#include "core/supply_feature.h"
#include "text/format.h"
#include "verify/sections.h"

namespace trb::verify {

namespace {

constexpr double kPi = std::numbers::pi;

double D(real x) {
    return static_cast<double>(x);
}

// Half a unit of the last digit a documented value is given to.
Comparison Documented(std::string item, real program, double reference, double lastDigit) {
    return Absolute(std::move(item), D(program), reference, lastDigit / 2);
}

bool OnlyMessage(const core::RunStatus& status, const std::string& text) {
    return status.MessageCount() == 1 && status.Message(1) == text;
}

ComparisonTable ExampleTable() {
    core::CaseRun run;
    core::LoadExampleCase(run.record);
    core::Calculate(run);
    const core::TRBrecord& r = run.record;
    ComparisonTable table{"Example case (pressure lubrication, hole opposite the load)", "", {}};
    auto& rows = table.rows;
    rows.push_back(Absolute("iteration steps", run.steps, 4, 0));
    rows.push_back(Absolute("only message 'Warnung: t2>tBlim !' (1 = yes)",
                            OnlyMessage(run.status, "Warnung: t2>tBlim !") ? 1 : 0, 1, 0));
    rows.push_back(Documented("teff [C]", r.teff, 65.94, 0.01));
    rows.push_back(Documented("t2 [C]", r.t2, 73.81, 0.01));
    rows.push_back(Documented("t2new [C]", r.t2new, 73.74, 0.01));
    rows.push_back(Documented("nueff [mm2/s]", r.nueff, 30.06, 0.01));
    rows.push_back(Documented("psieff", r.psieff, 0.0015513, 1e-7));
    rows.push_back(Documented("So", r.so, 2.124, 0.001));
    rows.push_back(Documented("epsilon", r.epsilon, 0.8196, 1e-4));
    rows.push_back(Documented("h0 [mm]", r.h0, 0.01679, 1e-5));
    rows.push_back(Documented("mu", r.mu, 0.004367, 1e-6));
    rows.push_back(Documented("p [N/mm2]", r.p, 5, 0));
    rows.push_back(Documented("P0 [W]", r.p0, 1975.4, 0.1));
    rows.push_back(Documented("Q1 [mm3/s]", r.q1, 54305, 1));
    rows.push_back(Documented("Q2 [mm3/s]", r.q2, 15401, 1));
    rows.push_back(Documented("Q [mm3/s]", r.q, 69706, 1));
    rows.push_back(Documented("Re", r.re, 38.9, 0.1));
    rows.push_back(Documented("Re lim", r.relim, 1048, 1));
    rows.push_back(Documented("n tr 20 [1/s]", r.ntr20, 0.845, 0.001));
    rows.push_back(Documented("n tr eff [1/s]", r.ntreff, 12.53, 0.01));
    return table;
}

ComparisonTable ConvectionTable() {
    core::CaseRun run;
    core::LoadExampleCase(run.record);
    run.record.druckschmierung = false;
    core::Calculate(run);
    const core::TRBrecord& r = run.record;
    const bool messages = run.status.MessageCount() == 2 && run.status.Message(1) == "Fehler : h0<h0lim !" &&
                          run.status.Message(2) == "Fehler : tB>tBlim !";
    ComparisonTable table{"Convection variant (k = 20, A = 0.3, ta = 40)", "", {}};
    table.rows.push_back(Absolute("iteration steps", run.steps, 6, 0));
    table.rows.push_back(Absolute("messages h0<h0lim and tB>tBlim (1 = yes)", messages ? 1 : 0, 1, 0));
    table.rows.push_back(Documented("teff [C]", r.teff, 137.2, 0.1));
    table.rows.push_back(Documented("epsilon", r.epsilon, 0.9752, 1e-4));
    table.rows.push_back(Documented("h0 [mm]", r.h0, 0.00358, 1e-5));
    table.rows.push_back(Documented("PA [W]", r.pa, 583, 1));
    return table;
}

// The flow characteristic of the supply pressure as DIN 31652-2 gives it (written out here once more,
// apart from the program's own function).
double DinSupplyFlow(int feature, double eps, double width, double bore, double dh, double bg, double bp,
                     double phia, double phie) {
    const double b = width / bore;
    const auto hole = [&](double l) { return 1.204 + 0.368 * l - 1.046 * l * l + 1.942 * l * l * l; };
    const auto pocket = [&](double l) { return 1.188 + 1.582 * l - 2.585 * l * l + 5.563 * l * l * l; };
    const double qh = hole(dh / width);
    const double qp = pocket(bp / width);
    switch (feature) {
        case core::kHoleOppositeLoad:
            return std::pow(1 + eps, 3) * kPi / 48 / (qh * std::log(width / dh));
        case core::kHoleAt90:
            return kPi / 48 / (qh * std::log(width / dh));
        case core::kTwoHolesAt90:
            return kPi / 24 / (qh * std::log(width / dh));
        case core::kRingGroove:
            return (1 + 1.5 * eps * eps) * kPi / 24 / b * width / (width - bg);
        case core::kPartialGroove: {
            const double a = phia * kPi / 180;
            const double e = phie * kPi / 180;
            const double sa = std::sin(a), se = std::sin(e);
            const double sum = (3 * eps + eps * eps * eps) * (se - sa) + (1 + 1.5 * eps * eps) * (e - a) +
                               0.75 * eps * eps * (se * se - sa * sa) -
                               eps * eps * eps / 3 * (se * se * se - sa * sa * sa);
            return sum / 48 / ((width - bg) / bore);
        }
        case core::kPocketOppositeLoad:
            return std::pow(1 + eps, 3) * kPi / 48 / (qp * std::log(width / bp));
        case core::kPocketAt90:
            return kPi / 48 / (qp * std::log(width / bp));
        default:
            return kPi / 24 / (qp * std::log(width / bp));
    }
}

ComparisonTable SupplyFeatureTable() {
    ComparisonTable table{"Flow from the supply pressure Q2 per supply feature (example case)", "mm3/s", {}};
    const char* names[] = {"",
                           "1 hole opposite the load",
                           "2 hole 90 deg to the load",
                           "3 two holes +/-90 deg",
                           "4 ring groove",
                           "5 partial groove -60..60 deg",
                           "6 pocket opposite the load",
                           "7 pocket 90 deg to the load",
                           "8 two pockets +/-90 deg"};
    for (int feature = 1; feature <= 8; ++feature) {
        core::CaseRun run;
        core::LoadExampleCase(run.record);
        core::TRBrecord& c = run.record;
        c.zufuhr = static_cast<std::uint16_t>(feature);
        c.bg = 8;
        c.bp = 40;
        c.phia = -60;
        c.phie = 60;
        core::Calculate(run);
        const core::TRBrecord& r = run.record;
        // Q2 = D³ ψ³ pE / η · Q2*, in mm³/s with D in mm, pE in N/mm² (10⁶ Pa) and η in Pa s.
        const double q2c = DinSupplyFlow(feature, D(r.epsilon), D(r.b), D(r.db), D(r.dh), D(r.bg), D(r.bp),
                                         D(r.phia), D(r.phie));
        const double q2 = std::pow(D(r.db), 3) * std::pow(D(r.psieff), 3) * D(r.pe) * 1e6 / D(r.etaeff) * q2c;
        table.rows.push_back(Relative(names[feature], run.Failed() ? NAN : D(r.q2), q2, 1e-9));
    }
    return table;
}

}  // namespace

Section DinRunSection() {
    Section s;
    s.title = "1. DIN 31652 calculation run";
    s.compared = {
        "The calculation run (temperature iteration, operating values, limit checks) of the program's "
        "example",
        "case and of its convection variant, against the results documented for them to the digits given",
        "there; the tolerance is half a unit of the last documented digit. Then the example case with each "
        "of",
        "the eight supply features (groove width 8 mm, pocket width 40 mm, partial groove from -60 to 60 "
        "deg):",
        "its flow from the supply pressure Q2 against the DIN 31652-2 expression for that feature, evaluated",
        "here apart from the program with the run's own eps, psi eff and eta eff.",
    };
    s.sources = {
        "TRB example case and its convection variant: the results documented with the program's example "
        "case.",
        "DIN 31652-2:1983-02, Gleitlager - Hydrodynamische Radial-Gleitlager im stationaeren Betrieb - Teil "
        "2:",
        "  Funktionen fuer die Berechnung von Kreiszylinderlagern; flow from the supply pressure for holes,",
        "  grooves and pockets, pp. 9-11 (as cited by INGGO TeachNet, 'Schmierstoffdurchsatz').",
    };
    s.notes = {
        "The documented results of the supply features other than the example's are not published; the Q2",
        "comparison checks the expressions, while the heat balance around them is the one the example "
        "checks.",
    };
    s.notes.push_back(
        "The angles of the partial groove count from the widest gap. The DIN 31652-2 expression gives a "
        "negative "
        "Q2 for a groove around the narrowest gap (e.g. 150 to 210 deg); the program takes it as it is, so "
        "such a groove lowers the total flow Q.");
    s.tables = {ExampleTable(), ConvectionTable(), SupplyFeatureTable()};
    return s;
}

}  // namespace trb::verify
