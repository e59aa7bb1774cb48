#include "tables/proposals.h"

#include <algorithm>
#include <cmath>

#include "core/characteristic.h"
#include "tables/reference_tables.h"
#include "text/format.h"

namespace trb::tables {

namespace {

constexpr real kPi = 3.14159265358979323846264338327950288L;
constexpr real kSpecificLoad = 5;  // N/mm²
constexpr real kMinimumHeatTransfer = 15;

real SlidingSpeed(real d, real n) {
    return n * kPi * d * 0.001L;
}  // m/s

real CellNumber(TableAccess& access, std::string_view table, TableCell cell, bool& abort) {
    return text::TextToReal(ReadReferenceCell(access, table, cell.record, cell.field, abort));
}

}  // namespace

real BearingWidthProposal(real d, real bfactor) {
    return d * bfactor;
}

real OuterDiameterProposal(real d) {
    return 1.2L * d;
}

std::optional<real> LoadProposal(real d, real b) {
    if (b == 0) return std::nullopt;
    return kSpecificLoad * d * b;
}

real HousingAreaProposal(real b, real d) {
    return 18 * b * d * 1e-6L;
}

real AirVelocityForHeatTransfer(real k) {
    const real root = (k - 7) / 12;
    return root * root;
}

real HeatTransferForAirVelocity(real va) {
    return std::max(kMinimumHeatTransfer, 12 * std::sqrt(std::max(va, real{0})) + 7);
}

real RevolutionsPerMinute(real ns) {
    return ns * 60;
}

real RevolutionsPerSecond(real perMinute) {
    return perMinute * 0.016666666666666666667L;
}

real BarFromMegapascal(real pe) {
    return pe * 10;
}

real MegapascalFromBar(real bar) {
    return bar * 0.1L;
}

std::optional<real> AskValueInOtherUnit(ui::Dialogs& dialogs, std::string_view prompt, real start,
                                        real minimum, real maximum, std::uint16_t helpNumber, bool& abort) {
    dialogs.SetHelpNumber(helpNumber);
    real value = start;
    dialogs.AskReal(prompt, value, maximum, minimum, abort);
    if (abort) {
        abort = false;
        return std::nullopt;
    }
    return value;
}

std::optional<ClassLimits> ToleranceClassLimits(core::ToleranceSteps& steps, std::string_view answer, real n,
                                                bool bore, bool& abort) {
    std::string text(answer);
    for (char& c : text) {
        if (bore && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!bore && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    const core::ToleranceZone zone = core::ToleranceLimits(steps, text, n, abort);
    if (abort) {
        abort = false;
        return std::nullopt;
    }
    if (zone.lower == 0 && zone.upper == 0) return std::nullopt;
    return ClassLimits{n + zone.lower * 0.001L, n + zone.upper * 0.001L, text};
}

std::optional<ClassLimits> H7Limits(core::ToleranceSteps& steps, real n, bool& abort) {
    const core::ToleranceZone zone = core::ToleranceLimits(steps, "H7", n, abort);
    if (abort) {
        abort = false;
        return std::nullopt;
    }
    return ClassLimits{n + zone.lower * 0.001L, n + zone.upper * 0.001L, "H7"};
}

TableCell H0limCell(real d, real n) {
    const long k = core::RoundToClass(d, 0.4999L);
    int diameterClass = 6;
    if (k >= 0 && k <= 24)
        diameterClass = 1;
    else if (k >= 25 && k <= 63)
        diameterClass = 2;
    else if (k >= 64 && k <= 160)
        diameterClass = 3;
    else if (k >= 161 && k <= 400)
        diameterClass = 4;
    else if (k >= 401 && k <= 1000)
        diameterClass = 5;
    const long j = core::RoundToClass(SlidingSpeed(d, n), 0.4999L);
    int speedClass = 5;
    if (j >= 0 && j <= 1)
        speedClass = 1;
    else if (j >= 2 && j <= 3)
        speedClass = 2;
    else if (j >= 4 && j <= 10)
        speedClass = 3;
    else if (j >= 11 && j <= 30)
        speedClass = 4;
    return {diameterClass, speedClass + 1};
}

real H0limProposal(TableAccess& access, real d, real n, bool& abort) {
    return CellNumber(access, "h0lim", H0limCell(d, n), abort) * 0.001L;
}

real MinimumFilmProposal(real h0limTable, real rzb, real rzs) {
    return std::max(h0limTable, (rzs + rzb) * 0.001L);
}

TableCell PsiMeanCell(real d, real n) {
    const long j = core::RoundToClass(SlidingSpeed(d, n), 0.49999L);
    int speedClass = 6;
    if (j >= 0 && j <= 3)
        speedClass = 1;
    else if (j >= 4 && j <= 10)
        speedClass = 2;
    else if (j >= 11 && j <= 25)
        speedClass = 3;
    else if (j >= 26 && j <= 50)
        speedClass = 4;
    else if (j >= 51 && j <= 125)
        speedClass = 5;
    const long k = core::RoundToClass(d, 0.4999L);
    int diameterClass = 3;
    if (k >= 0 && k <= 100)
        diameterClass = 1;
    else if (k >= 101 && k <= 250)
        diameterClass = 2;
    return {diameterClass, speedClass + 1};
}

real PsiMeanProposal(TableAccess& access, real d, real n, bool& abort) {
    return CellNumber(access, "psi_m", PsiMeanCell(d, n), abort) * 0.001L;
}

std::optional<ShaftLimits> ShaftLimitsProposal(TableAccess& access, core::ToleranceSteps& steps,
                                               std::string_view boreClass, real d, real dmin, real dmax,
                                               real n, core::RunStatus& status, bool& abort) {
    // A table that cannot be read has been reported; the proposal goes on with no clearance.
    const real psiMean = PsiMeanProposal(access, d, n, abort);
    abort = false;
    const real s = psiMean * d;
    const real mean = (dmax + dmin) / 2;
    const real half = (dmax - dmin) / 2;
    std::string bore(boreClass);
    bore.erase(0, bore.find_first_not_of(' '));
    if (bore.empty()) return ShaftLimits{mean - s - 0.625L * half, mean - s + 0.625L * half, {}};

    const int grade = core::GradeOfClass(bore) - 1;
    const std::string shaftClass = core::ShaftClassForClearance(steps, grade, mean - s, d, status);
    const core::ToleranceZone zone = core::ToleranceLimits(steps, shaftClass, d, abort);
    if (abort || (zone.lower == 0 && zone.upper == 0)) {
        abort = false;
        return std::nullopt;
    }
    return ShaftLimits{d + zone.lower * 0.001L, d + zone.upper * 0.001L, shaftClass};
}

}  // namespace trb::tables
