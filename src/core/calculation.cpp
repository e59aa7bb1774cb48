#include "core/calculation.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "core/characteristic.h"
#include "core/input_bounds.h"
#include "core/iteration_cycles.h"
#include "core/lubricant.h"
#include "core/messages.h"
#include "core/representable.h"
#include "core/utilmath.h"

namespace trb::core {

namespace {

constexpr real kTwoPi = 2 * kPi;
constexpr real kConvergence = 0.1L;  // K between the relaxed and the new temperature

// A fatal finding: the text, the failed flag and, where asked, the abort flag. The caller ends at once;
// the result false tells it so.
bool Fatal(RunStatus& status, bool& abort, std::string_view text, bool setsAbort) {
    status.AddMessage(text);
    status.calculationFailed = true;
    if (setsAbort) abort = true;
    return false;
}

// The input checks before any result is written; false when one of them was fatal.
bool CheckInputs(const TRBrecord& r, RunStatus& status, bool& abort) {
    // Checked first: a value no bearing can have would otherwise be echoed as a number of hundreds
    // of digits, or carried into results that look sound.
    if (InputOutOfBounds(r) != nullptr) return Fatal(status, abort, kMsgInputOutOfBounds, true);
    if (!(r.db > 0)) return Fatal(status, abort, kMsgBoreDiameterZero, true);
    if (!(r.dbmax > 0)) return Fatal(status, abort, kMsgBoreMaxZero, true);
    if (!(r.dbmin > 0)) return Fatal(status, abort, kMsgBoreMinZero, true);
    if (!(r.dsmin > 0)) return Fatal(status, abort, kMsgShaftMinZero, true);
    if (!(r.dsmax > 0)) return Fatal(status, abort, kMsgShaftMaxZero, true);
    // Every size deviates from the bore's nominal diameter, the shaft sizes too.
    if (RelDeviation(r.dbmax, r.db) > 5) status.AddMessage(kMsgBoreMaxDeviates);
    if (RelDeviation(r.dbmin, r.db) > 5) status.AddMessage(kMsgBoreMinDeviates);
    if (RelDeviation(r.dsmax, r.db) > 5) status.AddMessage(kMsgShaftMaxDeviates);
    if (RelDeviation(r.dsmin, r.db) > 5) status.AddMessage(kMsgShaftMinDeviates);
    if (RelDeviation(r.ds, r.db) > 2) status.AddMessage(kMsgNominalSizesDiffer);
    if (!(r.b > 0)) return Fatal(status, abort, kMsgWidthZero, true);
    if (!(r.rho > 0)) return Fatal(status, abort, kMsgDensityZero, true);
    if (!(r.c > 0)) return Fatal(status, abort, kMsgHeatCapacityZero, true);
    if (!(r.f > 0)) return Fatal(status, abort, kMsgLoadZero, true);
    if (r.dsmax < r.dsmin) status.AddMessage(kMsgShaftLimitsSwapped);
    if (r.dbmax < r.dbmin) status.AddMessage(kMsgBoreLimitsSwapped);
    if (!(r.dbmin > r.dsmax)) return Fatal(status, abort, kMsgNoClearance, false);
    if (!(r.de > r.db)) return Fatal(status, abort, kMsgOuterDiameterTooSmall, false);
    return true;
}

// The supply feature checks of pressure lubrication; false when one of them was fatal. A groove or
// pocket as wide as the bearing leaves no land for the flow formulas, so it is refused like a hole
// wider than the bearing.
bool CheckSupply(const TRBrecord& r, RunStatus& status, bool& abort) {
    const int code = r.zufuhr;
    if (!(r.db > r.dh)) return Fatal(status, abort, kMsgHoleWiderThanBore, false);
    if (!(r.b > r.dh)) return Fatal(status, abort, kMsgHoleWiderThanWidth, false);
    const bool hole = code >= kHoleOppositeLoad && code <= kTwoHolesAt90;
    const bool groove = code == kRingGroove || code == kPartialGroove;
    const bool pocket = code >= kPocketOppositeLoad && code <= kTwoPocketsAt90;
    if (hole && !(r.dh > 0)) return Fatal(status, abort, kMsgHoleDiameterZero, true);
    if (groove && !(r.bg > 0)) return Fatal(status, abort, kMsgGrooveWidthZero, true);
    if (code == kPartialGroove && !(r.phie > r.phia))
        return Fatal(status, abort, kMsgGrooveAnglesSwapped, true);
    if (pocket && !(r.bp > 0)) return Fatal(status, abort, kMsgPocketWidthZero, true);
    if (groove && !(r.b > r.bg)) return Fatal(status, abort, kMsgGrooveAsWideAsBearing, false);
    if (pocket && !(r.b > r.bp)) return Fatal(status, abort, kMsgPocketAsWideAsBearing, false);
    return true;
}

// Transition to mixed friction and the limit checks, after the temperature iteration.
void FinalStage(TRBrecord& r, RunStatus& status, bool& abort) {
    r.re = r.rho * r.us * r.seff * 0.0005L / r.etaeff;
    if (!(r.seff > 0)) {
        Fatal(status, abort, kMsgClearanceZero, true);
        return;
    }
    r.relim = 41.3L * std::sqrt(r.db / r.seff);
    r.eta20 = DynamicViscosity(ViscosityAt(r.nu40, 40, 20), r.rho);

    // The transition eccentricity must lie between 0 and 1: with no film limit or no mean clearance it
    // reaches 1, where the Sommerfeld number has no value; a film limit of half the clearance or more
    // puts it at or below 0, where the transition speed is infinite or negative.
    if (!(r.h0lim > 0)) {
        Fatal(status, abort, kMsgFilmLimitZero, true);
        return;
    }
    if (!(r.psim > 0)) {
        Fatal(status, abort, kMsgMeanClearanceZero, true);
        return;
    }
    r.epstr20 = 1 - 2 * r.h0lim / (r.db * r.psim);
    r.epstreff = 1 - 2 * r.h0lim / (r.db * r.psieff);
    if (!(r.epstr20 > 0 && r.epstreff > 0)) {
        Fatal(status, abort, kMsgFilmLimitTooLarge, true);
        return;
    }
    const real widthRatio = r.b / r.db;
    r.sotr20 = SommerfeldOfEps(r.epstr20, widthRatio);
    r.ntr20 = r.psim * r.psim * r.p * 1e6L / (r.eta20 * r.sotr20 * kTwoPi);
    r.sotreff = SommerfeldOfEps(r.epstreff, widthRatio);
    r.ntreff = r.psieff * r.psieff * r.p * 1e6L / (r.etaeff * r.sotreff * kTwoPi);

    if (r.h0 < r.h0lim) status.AddMessage(kMsgFilmTooThin);
    if (r.druckschmierung) {
        if (r.t2new > r.tblim) status.AddMessage(kMsgOutletTooHot);
        if (r.teff > r.tblim) status.AddMessage(kMsgFilmTooHot);
    } else {
        if (r.tbnew > r.tblim) status.AddMessage(kMsgBearingTooHot);
    }
    if (r.p > r.plim) status.AddMessage(kMsgLoadTooHigh);
    if (r.pe > r.p) status.AddMessage(kMsgSupplyPressureAboveLoad);
    if (r.pe > 0.3L * r.p) status.AddMessage(kMsgSupplyPressureHigh);
}

// Inputs or results beyond what a double holds would be printed as thousands of digits, or as 0 after
// an overflow to infinity: such a run has no results to show.
void CheckRange(const TRBrecord& r, RunStatus& status, bool& abort) {
    if (!status.calculationFailed && !RecordRepresentable(r)) Fatal(status, abort, kMsgOutOfRange, true);
}

}  // namespace

namespace {

// What every step of one run uses alike: the oil's viscosity line through its 40 °C value, the
// friction characteristic's factors for the width ratio, the supply feature's fixed part, and the
// Sommerfeld numbers a search keeps (none for a single run).
struct StepAids {
    ViscosityLine oil;
    FrictionShape friction;
    SupplyShape supply;
    SommerfeldMemo* sommerfeld = nullptr;
};

SupplyGeometry SupplyOf(const TRBrecord& r) {
    return {r.zufuhr, r.b, r.db, r.dh, r.bg, r.bp, r.phia, r.phie};
}

StepAids AidsFor(const TRBrecord& r, SommerfeldMemo* sommerfeld) {
    return {ViscosityLineThrough(r.nu40, 40), FrictionShapeOf(r.b / r.db), SupplyShapeOf(SupplyOf(r)),
            sommerfeld};
}

void Step(TRBrecord& r, RunStatus& status, bool& abort, const StepAids& aids) {
    r.teff = r.druckschmierung ? (r.t1 + r.t2) * 0.5L : r.tb;
    r.eta40 = DynamicViscosity(r.nu40, r.rho);
    r.nueff = ViscosityOn(aids.oil, r.teff);
    r.etaeff = DynamicViscosity(r.nueff, r.rho);
    r.dt20 = r.teff - 20;

    const real boreGrowth = 1 + r.alpha1b * r.dt20;
    const real shaftGrowth = 1 + r.alpha1s * r.dt20;
    r.smax = boreGrowth * r.dbmax - shaftGrowth * r.dsmin;
    r.smin = boreGrowth * r.dbmin - shaftGrowth * r.dsmax;
    r.seff = (r.smin + r.smax) / 2;
    r.s20max = r.dbmax - r.dsmin;
    r.s20min = r.dbmin - r.dsmax;
    r.s20 = (r.s20min + r.s20max) / 2;
    r.psimax = r.s20max / r.db;
    r.psimin = r.s20min / r.db;
    r.psim = (r.psimin + r.psimax) / 2;
    r.dpsi = (r.alpha1b - r.alpha1s) * r.dt20;
    r.psieff = r.psim + r.dpsi;
    if (!(r.psieff > 0)) {
        Fatal(status, abort, kMsgEffectiveClearanceZero, true);
        return;
    }
    if (!(r.etaeff > 0)) {
        Fatal(status, abort, kMsgEffectiveViscosityZero, true);
        return;
    }

    r.so = r.psieff * r.psieff * r.f / (r.db * 0.001L * r.b * 0.001L * r.etaeff * r.weff);
    if (!(r.so > 0)) {
        Fatal(status, abort, kMsgSommerfeldZero, true);
        return;
    }
    const real widthRatio = r.b / r.db;
    r.epsilon = aids.sommerfeld != nullptr ? EpsOfSommerfeld(r.so, widthRatio, status, *aids.sommerfeld)
                                           : EpsOfSommerfeld(r.so, widthRatio, status);
    if (r.epsilon == 0) {
        Fatal(status, abort, kMsgEccentricityZero, true);
        return;
    }
    r.e = r.epsilon * r.seff * 0.5L;
    r.h0 = r.db * 0.5L * r.psieff * (1 - r.epsilon);

    r.mupsi = FrictionCharacteristic(r.so, aids.friction);
    r.mu = r.mupsi * r.psieff;
    r.p0 = r.mu * r.f * r.us;  // the shaft's sliding speed only
    r.q1c = OwnPressureFlowCharacteristic(r.epsilon, widthRatio);
    const real db3 = r.db * r.db * r.db;
    r.q1 = db3 * r.psieff * r.weff * r.q1c;

    if (r.druckschmierung) {
        r.q2c = SupplyPressureFlowCharacteristic(SupplyOf(r), aids.supply, r.epsilon, r.q2c, status);
        r.q2 = db3 * r.psieff * r.psieff * r.psieff * r.pe * 1e6L / r.etaeff * r.q2c;
        r.q = r.q1 + r.q2;
        if (!(r.q > 0)) {
            Fatal(status, abort, kMsgFlowZero, true);
            return;
        }
        const real heatPerKelvin = LubricantHeatPerKelvin(r.rho, r.c, r.q);
        r.t2new = r.p0 / heatPerKelvin + r.t1;
        r.t2 = (r.t2 + r.t2new) / 2;  // the iteration relaxes by halves
        r.pq = heatPerKelvin * (r.t2new - r.t1);
    } else {
        r.q2 = 0;
        r.q = r.q1;
        if (!(r.k > 0)) {
            Fatal(status, abort, kMsgHeatTransferZero, true);
            return;
        }
        if (!(r.a > 0)) {
            Fatal(status, abort, kMsgHousingAreaZero, true);
            return;
        }
        r.tbnew = r.p0 / (r.k * r.a) + r.ta;
        r.tb = (r.tb + r.tbnew) / 2;
        r.pa = r.p0;
        if (!(r.q > 0)) {
            Fatal(status, abort, kMsgFlowZero, true);
            return;
        }
    }
}

}  // namespace

void OperatingPoint(TRBrecord& r, RunStatus& status, bool& abort) {
    Step(r, status, abort, AidsFor(r, nullptr));
}

namespace {

// The temperature iteration until the change is below kConvergence, a step fails or the step limit
// is passed; the number of steps made, as the limit check counts them.
int Iterate(TRBrecord& r, RunStatus& status, bool& abort, RunMemo* memo) {
    static_assert(CycleWatch::kSteps == kMaxTemperatureSteps + 1, "the watch knows the last step");
    const StepAids aids = AidsFor(r, memo != nullptr ? &memo->sommerfeld : nullptr);
    std::optional<CycleWatch> watch;
    if (memo != nullptr) watch.emplace(StateOf(r));
    int steps = 0;
    for (;;) {
        ++steps;
        Step(r, status, abort, aids);
        const real change = r.druckschmierung ? r.t2new - r.t2 : r.tbnew - r.tb;
        if (std::fabs(change) < kConvergence) break;
        if (steps > kMaxTemperatureSteps || abort || status.calculationFailed) break;
        if (!watch) continue;
        // Going round a cycle it neither settles nor fails: its last step writes the same record from
        // the state it would start from, and its messages are in the list already.
        if (const auto last = watch->LastStartOnceCycling(StateOf(r), static_cast<std::size_t>(steps))) {
            Restore(r, *last);
            Step(r, status, abort, aids);
            return kMaxTemperatureSteps + 1;
        }
    }
    return steps;
}

int Run(TRBrecord& r, RunStatus& status, bool& abort, RunMemo* memo) {
    status.ClearMessages();
    if (!CheckInputs(r, status, abort)) return 0;

    r.ws = r.ns * kTwoPi;
    r.wb = r.nb * kTwoPi;
    r.us = r.ws * r.db * 0.0005L;
    r.ub = r.wb * r.db * 0.0005L;

    if (r.schmier == 0) {
        Fatal(status, abort, kMsgNoViscosityClass, false);
        return 0;
    }
    r.nu40 = ViscosityClassNu40(r.schmier);
    // A class index beyond the table cannot come from the class list; it has no viscosity either.
    if (!(r.nu40 > 0)) {
        Fatal(status, abort, kMsgNoViscosityClass, false);
        return 0;
    }

    r.p = r.f / (r.db * r.b);
    r.weff = std::fabs(r.wb + r.ws);
    if (r.weff == 0) {
        Fatal(status, abort, kMsgNoRelativeSpeed, true);
        return 0;
    }

    if (r.druckschmierung) {
        if (!CheckSupply(r, status, abort)) return 0;
        r.t2 = r.t1 + 20;
    } else {
        r.tb = 60;  // °C, whatever the ambient temperature
    }

    const int steps = Iterate(r, status, abort, memo);
    if (steps > kMaxTemperatureSteps) status.AddMessage(kMsgTemperatureIteration);
    if (!abort) FinalStage(r, status, abort);
    CheckRange(r, status, abort);
    return steps;
}

}  // namespace

int RunCalculation(TRBrecord& r, RunStatus& status, bool& abort) {
    return Run(r, status, abort, nullptr);
}

int RunCalculation(TRBrecord& r, RunStatus& status, bool& abort, RunMemo& memo) {
    return Run(r, status, abort, &memo);
}

}  // namespace trb::core
