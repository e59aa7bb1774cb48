#pragma once

#include <span>
#include <string_view>

#include "film/coefficients.h"
#include "film/film_problem.h"

// Published solutions of the lubricant film that the film engine is held against: the tables of
// Raimondi and Boyd and of Lund and Thomsen, and Ocvirk's closed forms of the short bearing. The
// verification tests and the verification report read them from here, so both compare with the same
// numbers.
namespace trb::verify {

// Raimondi and Boyd, "A solution for the finite journal bearing and its application to analysis and
// design", ASLE Transactions 1 (1958) 159–209: the full 360° bearing with the film starting at the
// widest gap (P = 0 there) and ending at the Reynolds condition, tabulated against the eccentricity.
//
// Their columns: S = (R/C)² μ N / P = 1/(2π So), the attitude angle φ, the friction variable
// (R/C) f = μ/ψ, the flow variable Q/(R C N L) into the film at the widest gap, the side-flow ratio
// Qs/Q and the load ratio P/p_max (P = W/(L D) the specific load). The rows are the table as design
// textbooks reproduce it; only its S and (R/C) f columns at L/D = 1 could be checked against a public
// copy (MathWorks Answers 707318), the other columns not against a printed page. Two entries look
// doubtful against the film: P/p_max at ε = 0.8 lies 2–2.5 % below what the film gives on grids up to
// eight times as fine, and the rows at ε = 0.97 (kept apart) differ by up to 3.5 % (P/p_max 6 %).
struct RaimondiBoydRow {
    double widthRatio;  // L/D
    double eps;
    double s;
    double phi;  // °
    double friction;
    double flow;
    double sideFlowRatio;
    double loadRatio;
};

// Their bearing as a film problem: the film starts at the widest gap.
film::FilmProblem RaimondiBoydBearing(double widthRatio);

std::span<const RaimondiBoydRow> RaimondiBoydTable();        // ε 0.1 … 0.9 at L/D 1, 1/2, 1/4
std::span<const RaimondiBoydRow> RaimondiBoydNearTheWall();  // ε 0.97

inline constexpr std::string_view kRaimondiBoydSource =
    "A. A. Raimondi, J. Boyd: A solution for the finite journal bearing and its application to "
    "analysis and design, Parts I-III. ASLE Transactions 1 (1958), pp. 159-209; full 360-degree "
    "bearing, tables of S, phi, (r/c)f, Q/(rcnL), Qs/Q and P/pmax for L/D = 1, 1/2, 1/4.";

// Lund and Thomsen, "A calculation method and data for the dynamic coefficients of oil-lubricated
// journal bearings", in Topics in Fluid Film Bearing and Rotor Bearing System Design and Optimization,
// ASME 1978, pp. 1–28: the bearing with two axial grooves of 20° at the horizontal split (two 160°
// pads), isoviscous, Reynolds cavitation, the load between the grooves; x along the load, y a quarter
// turn further in the direction of rotation, as in the film engine.
//
// The rows are their table as two independent reproductions print it, which agree where they
// overlap: the L/D = 0.5 table in the DTU course material "Journal bearing dynamics & stability
// analysis" (I. F. Santos, Tribology of Machine Elements 41524, 2023), and rows of both tables in the
// literature validation of the open rotordynamics package ROSS. Someya's Journal-Bearing Databook
// (1989) tabulates the same bearing family with 10° grooves; its values are not the ones below.
struct LundThomsenRow {
    double s;  // Sommerfeld number of Raimondi and Boyd, 1/(2π So)
    double eps;
    double phi;  // °
    double k[2][2];
    double bxx, bxy, byy;  // the damping is symmetric: B̄yx = B̄xy
};

std::span<const LundThomsenRow> LundThomsenHalfWidth();  // L/D = 0.5
std::span<const LundThomsenRow> LundThomsenFullWidth();  // L/D = 1

inline constexpr double kLundThomsenGrooveAngle = 20;  // °, each of the two axial grooves

// Their bearing as a film problem: the grooves are supply areas at ambient pressure over the whole
// width, centred a quarter turn before and after the load; on a grid twice as fine as the default one,
// since the coefficients converge more slowly than So and β (the groove edges).
film::FilmProblem LundThomsenBearing(double widthRatio);

inline constexpr std::string_view kLundThomsenSource =
    "J. W. Lund, K. K. Thomsen: A calculation method and data for the dynamic coefficients of "
    "oil-lubricated journal bearings. In: Topics in Fluid Film Bearing and Rotor Bearing System Design "
    "and Optimization, ASME, New York 1978, pp. 1-28; two-axial-groove bearing (2 x 20 deg grooves), "
    "tables for L/D = 0.5 and 1, as reproduced by I. F. Santos, DTU course 41524 (2023), and the ROSS "
    "validation set.";

// Ocvirk's short bearing (the circumferential pressure flow dropped, a parabola across the width over
// the converging half of the gap, the π film): the load, the attitude angle and the eight coefficients
// in Lund's form. Load and angle as Childs (Turbomachinery Rotordynamics, Wiley 1993) and Friswell,
// Penny, Garvey and Lees (Dynamics of Rotating Machines, Cambridge 2010) give them; the coefficients
// as Friswell et al. print them, where u is horizontal against y here and v is along the load, so
// K̄xx = a_vv, K̄xy = −a_vu, K̄yx = −a_uv, K̄yy = a_uu (and the same for the damping). The expressions
// were checked against a direct quadrature of the linearised π film before they went in here.
double OcvirkSommerfeld(double eps, double widthRatio);
double OcvirkAttitude(double eps);  // rad
film::DynamicCoefficients OcvirkCoefficients(double eps);

inline constexpr std::string_view kOcvirkSource =
    "F. W. Ocvirk: Short-bearing approximation for full journal bearings, NACA TN 2808 (1952); closed "
    "forms of So and beta as in D. W. Childs, Turbomachinery Rotordynamics, Wiley 1993, ch. 3, and the "
    "eight coefficients as in M. I. Friswell et al., Dynamics of Rotating Machines, Cambridge 2010, "
    "sect. 5.5.";

}  // namespace trb::verify
