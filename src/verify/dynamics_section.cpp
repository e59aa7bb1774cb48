#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "film/film_solution.h"
#include "text/format.h"
#include "verify/published_film.h"
#include "verify/sections.h"

namespace trb::verify {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = 180 / kPi;
constexpr double kShortWidthRatio = 0.1;

std::string Number(double x) {
    return text::FormatLong(static_cast<real>(x), {});
}

// A tolerance of `share` of the reference, but not below `floor` (the small cross-coupled terms that
// change sign): relative from |reference| = floor/share on, absolute below.
Comparison Coefficient(std::string item, double program, double reference, double share, double floor) {
    if (std::fabs(reference) * share >= floor) return Relative(std::move(item), program, reference, share);
    return Absolute(std::move(item), program, reference, floor);
}

const char* const kNames[2][2] = {{"xx", "xy"}, {"yx", "yy"}};

void AddCoefficients(ComparisonTable& table, const std::string& at, const film::DynamicCoefficients& program,
                     const film::DynamicCoefficients& reference, double share, double floor) {
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            table.rows.push_back(Coefficient(at + "K" + kNames[i][j], program.stiffness[i][j],
                                             reference.stiffness[i][j], share, floor));
        }
    }
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            table.rows.push_back(Coefficient(at + "B" + kNames[i][j], program.damping[i][j],
                                             reference.damping[i][j], share, floor));
        }
    }
}

ComparisonTable OcvirkTable(bool quick) {
    ComparisonTable table{"Short bearing B/D = 0.1 against Ocvirk's closed forms", "", {}};
    film::FilmProblem problem;
    problem.widthRatio = kShortWidthRatio;
    const std::vector<double> loads =
        quick ? std::vector<double>{0.5} : std::vector<double>{0.1, 0.3, 0.5, 0.7, 0.8};
    for (double eps : loads) {
        const film::FilmSolution s = film::SolveAtPosition(problem, eps, 0.3, false);
        const std::string at = "eps " + Number(eps) + ": ";
        // The width's own share grows with eps: 0.4 % at 0.1, 2 % at 0.7, 3.1 % at 0.8.
        table.rows.push_back(Relative(at + "So", s.result.sommerfeld, OcvirkSommerfeld(eps, kShortWidthRatio),
                                      eps < 0.75 ? 0.03 : 0.035));
        table.rows.push_back(
            Absolute(at + "beta [deg]", s.result.attitude * kDegree, OcvirkAttitude(eps) * kDegree, 0.5));
    }
    const std::vector<double> positions =
        quick ? std::vector<double>{0.4} : std::vector<double>{0.2, 0.4, 0.6, 0.7};
    for (double eps : positions) {
        const film::FilmSolution s = film::SolveAtPosition(problem, eps, OcvirkAttitude(eps), true);
        AddCoefficients(table, "eps " + Number(eps) + ": ", s.coefficients, OcvirkCoefficients(eps), 0.03,
                        0.03);
    }
    return table;
}

film::DynamicCoefficients Published(const LundThomsenRow& row) {
    film::DynamicCoefficients c;
    c.stiffness = {{{row.k[0][0], row.k[0][1]}, {row.k[1][0], row.k[1][1]}}};
    c.damping = {{{row.bxx, row.bxy}, {row.bxy, row.byy}}};
    return c;
}

void LundThomsenTable(Section& section, double widthRatio, std::span<const LundThomsenRow> rows, bool quick) {
    ComparisonTable table{
        "Two axial grooves, L/D = " + Number(widthRatio) + ", against Lund & Thomsen (1978)", "", {}};
    Chart chart{
        "Two axial grooves, L/D = " + Number(widthRatio) + ": program (lines), Lund & Thomsen (marks)",
        "eps",
        "K, B",
        {},
        std::nullopt};
    const char* const labels[] = {"Kxx", "Kyy", "Bxx", "Byy"};
    std::vector<Curve> program(4), reference(4);
    for (std::size_t n = 0; n < 4; ++n) {
        program[n].label = labels[n];
        reference[n].label = std::string(labels[n]) + " L&T";
        reference[n].marks = true;
    }
    for (std::size_t n = 0; n < rows.size(); ++n) {
        if (quick && n % 3 != 0) continue;
        const LundThomsenRow& row = rows[n];
        const film::FilmSolution s =
            film::SolveAtLoad(LundThomsenBearing(widthRatio), 1 / (2 * kPi * row.s), true, row.eps, 0.8);
        const std::string at = "S " + Number(row.s) + ": ";
        table.rows.push_back(Absolute(at + "eps", s.result.eccentricity, row.eps, 0.01));
        table.rows.push_back(Absolute(at + "phi [deg]", s.result.attitude * kDegree, row.phi, 0.5));
        const film::DynamicCoefficients published = Published(row);
        AddCoefficients(table, at, s.coefficients, published, 0.04, 0.05);
        const double e = s.result.eccentricity;
        const double values[4][2] = {{s.coefficients.stiffness[0][0], published.stiffness[0][0]},
                                     {s.coefficients.stiffness[1][1], published.stiffness[1][1]},
                                     {s.coefficients.damping[0][0], published.damping[0][0]},
                                     {s.coefficients.damping[1][1], published.damping[1][1]}};
        for (std::size_t k = 0; k < 4; ++k) {
            program[k].points.emplace_back(e, values[k][0]);
            reference[k].points.emplace_back(row.eps, values[k][1]);
        }
    }
    for (std::size_t n = 0; n < 4; ++n) {
        chart.curves.push_back(std::move(program[n]));
        chart.curves.push_back(std::move(reference[n]));
    }
    section.tables.push_back(std::move(table));
    section.charts.push_back(std::move(chart));
}

}  // namespace

Section DynamicsSection(bool quick) {
    Section s;
    s.title = "3. Dynamic coefficients: Ocvirk, Lund & Thomsen";
    s.compared = {
        "The eight linearised stiffness and damping coefficients of the film in Lund's dimensionless form",
        "(K = k C/F, B = d C omega/F; x along the load, y a quarter turn further in the direction of",
        "rotation), with the load and attitude angle they belong to: (a) the short bearing B/D = 0.1",
        "against Ocvirk's closed forms, (b) the bearing with two axial grooves of 20 deg at the horizontal",
        "split, L/D = 0.5 and 1, held at Lund & Thomsen's Sommerfeld numbers. Tolerances: So 3 % (3.5 % at",
        "eps 0.8), beta 0.5 deg, Ocvirk's coefficients 3 % but at least 0.03, Lund & Thomsen's 4 % but at",
        "least 0.05, their eps 0.01 and phi 0.5 deg.",
    };
    s.sources = {std::string(kOcvirkSource), std::string(kLundThomsenSource)};
    s.notes = {
        "Ocvirk's forms drop the circumferential pressure flow; at B/D = 0.1 the finite film keeps a share "
        "of",
        "it that grows with eps (0.4 % of So at eps 0.1, 3.1 % at 0.8), so the film lies below the limit.",
        "Someya's Journal-Bearing Databook (1989) tabulates the same bearing family with 10 deg grooves; its",
        "values are not the ones compared here.",
    };
    s.tables.push_back(OcvirkTable(quick));
    LundThomsenTable(s, 0.5, LundThomsenHalfWidth(), quick);
    LundThomsenTable(s, 1.0, LundThomsenFullWidth(), quick);
    return s;
}

}  // namespace trb::verify
