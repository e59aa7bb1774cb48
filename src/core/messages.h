#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"

// Every text the program puts into the message list, declared once: the calculation run, the
// characteristic functions, the tolerance search and the math helpers, the table access, the
// drawing output, the block replay, the hatching and the plane geometry use these, and the
// message catalogue trb.err must describe each of them (a test checks that).
//
// A list entry is X(name, text); the texts are code page 850 and at most 36 characters.
#define TRB_MESSAGES(X)                                     \
    X(BoreDiameterZero, "Fatal  : dB = 0 !")                \
    X(BoreMaxZero, "Fatal  : Dmax = 0 !")                   \
    X(BoreMinZero, "Fatal  : Dmin = 0 !")                   \
    X(ShaftMinZero, "Fatal  : dmin = 0 !")                  \
    X(ShaftMaxZero, "Fatal  : dmax = 0 !")                  \
    X(BoreMaxDeviates, "Fehler : Dmax !")                   \
    X(BoreMinDeviates, "Fehler : Dmin !")                   \
    X(ShaftMaxDeviates, "Fehler : dmax !")                  \
    X(ShaftMinDeviates, "Fehler : dmin !")                  \
    X(NominalSizesDiffer, "Fehler : Dnom<>dnom !")          \
    X(WidthZero, "Fatal  : B <= 0 !")                       \
    X(DensityZero, "Fatal  : rho = 0 !")                    \
    X(HeatCapacityZero, "Fatal  : c = 0 !")                 \
    X(LoadZero, "Fatal  : F = 0 !")                         \
    X(ShaftLimitsSwapped, "Fehler : dmax<dmin !")           \
    X(BoreLimitsSwapped, "Fehler : Dmax<Dmin !")            \
    X(NoClearance, "Fatal  : Dmin<dmax !")                  \
    X(OuterDiameterTooSmall, "Fatal  : de<dB !")            \
    X(NoViscosityClass, "Fatal  : visko !")                 \
    X(NoRelativeSpeed, "Fatal  : n eff = 0 !")              \
    X(HoleWiderThanBore, "Fatal  : dH>dB !")                \
    X(HoleWiderThanWidth, "Fatal  : dH>B !")                \
    X(HoleDiameterZero, "Fatal  : dH = 0 !")                \
    X(GrooveWidthZero, "Fatal  : bG = 0 !")                 \
    X(GrooveAnglesSwapped, "Fatal  : phiA >= phiE !")       \
    X(PocketWidthZero, "Fatal  : bp = 0 !")                 \
    X(GrooveAsWideAsBearing, "Fatal  : bG>=B !")            \
    X(PocketAsWideAsBearing, "Fatal  : bp>=B !")            \
    X(EffectiveClearanceZero, "Fatal  : psi eff <= 0 !")    \
    X(EffectiveViscosityZero, "Fatal  : eta eff <= 0 !")    \
    X(SommerfeldZero, "Fatal  : Sommerfeld = 0 !")          \
    X(EccentricityZero, "Fatal  : epsilon = 0 !")           \
    X(HeatTransferZero, "Fatal  : k <= 0 !")                \
    X(HousingAreaZero, "Fatal  : A <= 0 !")                 \
    X(FlowZero, "Fatal  : q <= 0 !")                        \
    X(EccentricitySearch, "Fehler : Iter ep from So")       \
    X(PocketTooNarrow, "Warnung: bp/B < 0.05 !")            \
    X(PocketTooWide, "Warnung: bp/B > 0.7 !")               \
    X(TemperatureIteration, "Fehler : Iteration T")         \
    X(ClearanceZero, "Fatal  : s <= 0 !")                   \
    X(FilmLimitZero, "Fatal  : h0lim <= 0 !")               \
    X(MeanClearanceZero, "Fatal  : psi m <= 0 !")           \
    X(FilmLimitTooLarge, "Fatal  : h0lim >= s/2 !")         \
    X(FilmTooThin, "Fehler : h0<h0lim !")                   \
    X(OutletTooHot, "Warnung: t2>tBlim !")                  \
    X(FilmTooHot, "Fehler : teff>tBlim !")                  \
    X(BearingTooHot, "Fehler : tB>tBlim !")                 \
    X(LoadTooHigh, "Fehler : p>plim !")                     \
    X(SupplyPressureAboveLoad, "Fehler : pE>p !")           \
    X(SupplyPressureHigh, "Warnung: pE>0.3*p !")            \
    X(ShaftClassRefused, "Fehler : ISO Shaft !")            \
    X(TangentUndefined, "Error: function tan in Unit math") \
    X(ArcSineUndefined, "Error: ArcSin in unit math")       \
    X(HatchLineCount, "Fatal  : n schraff !")               \
    X(HatchIntersection, "Fatal  : schraff schnittp")       \
    X(HatchFailed, "Schraffurfehler")                       \
    X(ArcThroughEqualPoints, "GetArcCenter l12=0")          \
    X(BlockFolderInvalid, "Invalid temp directory")         \
    X(BlockFileError, "Error in DXF File")                  \
    X(OutOfRange, "Fatal  : Zahlenbereich !")               \
    X(InputOutOfBounds,                                     \
      "Fatal  : Eingabe au\xE1"                             \
      "erhalb Bereich !")

namespace trb::core {

#define TRB_MESSAGE_CONSTANT(name, text) inline constexpr std::string_view kMsg##name = text;
TRB_MESSAGES(TRB_MESSAGE_CONSTANT)
#undef TRB_MESSAGE_CONSTANT

// Every fixed message, for the check that the catalogue describes them.
#define TRB_MESSAGE_ENTRY(name, text) text,
inline constexpr std::string_view kAllMessages[] = {TRB_MESSAGES(TRB_MESSAGE_ENTRY)};
#undef TRB_MESSAGE_ENTRY

// Messages with a variable part. The catalogue describes each by its fixed start followed by "*".
// "DBF #<record> not found."
std::string MsgRecordNotFound(int record);
// "Blockname <name> not found !"
std::string MsgBlockNotFound(std::string_view name);
// "error blockno. <depth>"
std::string MsgBlockNesting(int depth);
// "Fehler in GetArcCenter (dphi = <angle> ! "
std::string MsgArcAngle(real phi);

// One instance of each variable message, for the catalogue check.
std::vector<std::string> VariableMessageSamples();

}  // namespace trb::core
