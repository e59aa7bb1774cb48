#include "tables/pre_design.h"

#include <array>
#include <cmath>
#include <limits>

#include "core/characteristic.h"
#include "core/supply_feature.h"
#include "tables/proposals.h"
#include "text/format.h"

namespace trb::tables {

namespace {

constexpr std::string_view kBoreClass = "H7";

// The positions that leave clearance under an H bore, from the widest to none.
constexpr std::array<std::string_view, 11> kClearancePositions = {"a",  "b", "c",  "cd", "d", "e",
                                                                  "ef", "f", "fg", "g",  "h"};

}  // namespace

real DiameterForLoad(real f, real plim, real bfactor) {
    if (f <= 0 || plim <= 0 || bfactor <= 0) return 0;
    return std::ceil(std::sqrt(f / (plim * bfactor)));
}

std::string ShaftClassClosestTo(core::ToleranceSteps& steps, int grade, real clearance, real d, real dmin,
                                real dmax) {
    const real boreMean = (dmin + dmax) / 2;
    std::string best;
    real bestGap = std::numeric_limits<real>::infinity();
    for (std::string_view position : kClearancePositions) {
        const std::string text = std::string(position) + text::IntText(grade);
        bool refused = false;
        const core::ToleranceZone zone = core::ToleranceLimits(steps, text, d, refused);
        if (refused) continue;
        const real shaftMean = d + (zone.lower + zone.upper) / 2 * 0.001L;
        const real gap = std::fabs(boreMean - shaftMean - clearance);
        if (gap < bestGap) {
            bestGap = gap;
            best = text;
        }
    }
    return best;
}

bool ApplyPreDesign(core::TRBrecord& record, real d, TableAccess& access, core::ToleranceSteps& steps,
                    bool& abort) {
    bool refused = false;
    const core::ToleranceZone bore = core::ToleranceLimits(steps, kBoreClass, d, refused);
    if (refused) return false;
    const real dmin = d + bore.lower * 0.001L;
    const real dmax = d + bore.upper * 0.001L;

    // A table that cannot be read has been reported by the access; the design goes on without it.
    const real psiMean = PsiMeanProposal(access, d, record.ns, abort);
    abort = false;
    const int shaftGrade = core::GradeOfClass(kBoreClass) - 1;
    const std::string shaftClass = ShaftClassClosestTo(steps, shaftGrade, psiMean * d, d, dmin, dmax);
    const core::ToleranceZone shaft = core::ToleranceLimits(steps, shaftClass, d, refused);
    if (refused || shaftClass.empty()) return false;
    const real h0Table = H0limProposal(access, d, record.ns, abort);
    abort = false;

    record.db = d;
    record.ds = d;
    record.b = BearingWidthProposal(d, record.bfactor);
    record.de = OuterDiameterProposal(d);
    record.toldb = std::string(kBoreClass);
    record.dbmin = dmin;
    record.dbmax = dmax;
    record.tolds = shaftClass;
    record.dsmin = d + shaft.lower * 0.001L;
    record.dsmax = d + shaft.upper * 0.001L;
    record.h0lim = MinimumFilmProposal(h0Table, record.rzb, record.rzs);
    record.dh = core::HoleDiameterProposal(d);
    record.bg = core::HoleDiameterProposal(d);
    record.bp = core::PocketWidthProposal(d);
    record.din1850rec = 0;
    return true;
}

std::vector<std::string> PreDesignSummary(const core::TRBrecord& record, const text::FormatOptions& format) {
    const std::string unit = " " + text::LengthUnit(format);
    const auto length = [&](real mm) { return text::FormatLengthShort(mm, format) + unit; };
    const auto limits = [&](real low, real high) {
        return text::FormatLengthDecimals(low, 3, format) + " ... " +
               text::FormatLengthDecimals(high, 3, format) + unit;
    };
    std::vector<std::string> lines = {
        "D = " + length(record.db),
        "B = " + length(record.b),
        "De = " + length(record.de),
        "Dmin ... Dmax (" + record.toldb + ") = " + limits(record.dbmin, record.dbmax),
        "dmin ... dmax (" + record.tolds + ") = " + limits(record.dsmin, record.dsmax),
        "h0lim = " + text::FormatLengthDecimals(record.h0lim, 4, format) + unit,
    };
    switch (record.zufuhr) {
        case core::kRingGroove:
        case core::kPartialGroove:
            lines.push_back("bG = " + length(record.bg));
            break;
        case core::kPocketOppositeLoad:
        case core::kPocketAt90:
        case core::kTwoPocketsAt90:
            lines.push_back("bP = " + length(record.bp));
            break;
        default:
            lines.push_back("dL = " + length(record.dh));
    }
    if (record.db > 0 && record.b > 0)
        lines.push_back(
            "p = F / (B D) = " + text::FormatPressureShort(record.f / (record.db * record.b), format) + " " +
            text::PressureUnit(format));
    return lines;
}

}  // namespace trb::tables
