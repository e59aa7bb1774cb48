#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/iso286.h"
#include "core/real.h"
#include "core/run_status.h"
#include "tables/table_access.h"
#include "ui/dialogs.h"

// The values the "<", class and unit buttons of the case dialogs propose. Lengths in mm, forces
// in N, speeds in 1/s, pressures in MPa.
namespace trb::tables {

// B = D × width factor.
real BearingWidthProposal(real d, real bfactor);
// De = 1.2 × D.
real OuterDiameterProposal(real d);
// F = 5 N/mm² × D × B; nothing without a width.
std::optional<real> LoadProposal(real d, real b);
// Housing surface A = 18 × B × D × 10⁻⁶ m² (B, D in mm).
real HousingAreaProposal(real b, real d);

// Air velocity va (m/s) and heat transfer coefficient k (W/(m² K)): k = 12·√va + 7, at least 15.
real AirVelocityForHeatTransfer(real k);
real HeatTransferForAirVelocity(real va);
// Speed in 1/min from 1/s and back.
real RevolutionsPerMinute(real ns);
real RevolutionsPerSecond(real perMinute);
// Supply pressure in bar from MPa and back.
real BarFromMegapascal(real pe);
real MegapascalFromBar(real bar);

// Asks for a value in another unit (the current help number set first and left set); nothing
// when the question is cancelled, and the abort flag is then clear again.
std::optional<real> AskValueInOtherUnit(ui::Dialogs& dialogs, std::string_view prompt, real start,
                                        real minimum, real maximum, std::uint16_t helpNumber, bool& abort);

// Limit sizes from a tolerance class.
struct ClassLimits {
    real minimum = 0;
    real maximum = 0;
    std::string caption;  // the class as written on the button
};

// The limits of the class typed for a bore (letters made upper case) or a shaft (lower case) at
// nominal size n; nothing when the class is refused at this size or has no width.
std::optional<ClassLimits> ToleranceClassLimits(core::ToleranceSteps& steps, std::string_view answer, real n,
                                                bool bore, bool& abort);
// The limits of H7 at the nominal size.
std::optional<ClassLimits> H7Limits(core::ToleranceSteps& steps, real n, bool& abort);

// Which cell of a reference table a proposal reads.
struct TableCell {
    int record = 0;
    int field = 0;
};

// The cell of "h0lim" for bore D (mm) and speed n (1/s): record = diameter class 1–6,
// field = sliding-speed class 1–5 plus one.
TableCell H0limCell(real d, real n);
// The admissible minimum film thickness (mm) from "h0lim"; 0 when the table or cell is missing.
real H0limProposal(TableAccess& access, real d, real n, bool& abort);
// What the limits dialog proposes for h0: the table value, at least the sum of the roughness
// depths (µm).
real MinimumFilmProposal(real h0limTable, real rzb, real rzs);

// The cell of "psi_m" for D (mm) and n (1/s): record = diameter class 1–3, field = speed class
// 1–6 plus one.
TableCell PsiMeanCell(real d, real n);
// The mean relative clearance ψm from "psi_m"; 0 when the table or cell is missing.
real PsiMeanProposal(TableAccess& access, real d, real n, bool& abort);

struct ShaftLimits {
    real dsmin = 0;
    real dsmax = 0;
    std::string shaftClass;  // empty when the bore has no class
};

// Shaft limits giving the mean relative clearance of "psi_m" for a bore with limits dmin, dmax:
// without a bore class placed symmetrically about the target mean size, with one as the shaft
// class one grade finer that reaches the clearance. Nothing when that class is refused.
std::optional<ShaftLimits> ShaftLimitsProposal(TableAccess& access, core::ToleranceSteps& steps,
                                               std::string_view boreClass, real d, real dmin, real dmax,
                                               real n, core::RunStatus& status, bool& abort);

}  // namespace trb::tables
