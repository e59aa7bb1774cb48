#pragma once

#include <string_view>

// The texts of the reserves view (how far a case is from its limits) in the five interface
// languages, UTF-8 like the menu captions. Sentences hold fields in braces that the view fills in:
// {what} the changed input, {value} the value where the limit is reached, {change} that value
// against the case's own (×2.51, +5.7 K), {film} the checked result (h0, teff, tB, p), {limit} its
// limit (h0lim, tBlim, plim), {from} and {to} the ends of the searched range, {at} the crossings.
namespace trb::text {

enum class ReserveText : int {
    Reserven,                          // the view's title and caption
    DarfSteigen,                       // {what} may rise to {value} ({change}) before {film} reaches {limit}.
    DarfSinken,                        // {what} may fall to {value} ({change}) before {film} reaches {limit}.
    MussSinken,                        // already beyond the limit: {what} must fall to {value} ({change})
    MussSteigen,                       // already beyond the limit: {what} must rise to {value} ({change})
    NichtErreicht,                     // {film} does not reach {limit} for {what} from {from} to {to}.
    KeinBetriebszustand,               // the clearance's own run counts not; the crossings {at}
    KeinBetriebszustandNichtErreicht,  // the same without any crossing
    DieLast,                           // "the load" as the subject of a sentence
    DieDrehzahl,                       // "the shaft speed"
    DieEintrittstemperatur,            // "the inlet temperature" (pressure lubrication)
    DieUmgebungstemperatur,            // "the ambient temperature" (convection)
    KleinstesSpiel,                    // the clearances
    MittleresSpiel,
    GroesstesSpiel,
    Massgebend,   // marks the clearance that reaches a limit first
    Fall,         // the case's values line starts with it
    Suche,        // shown while the search runs
    Abgebrochen,  // the search was stopped
    Drucken,      // buttons
    Pdf,
    Schliessen,
};
inline constexpr int kReserveTextCount = 22;

// The text in a language (1 German, 2 English, 3 French, 7 Romanian, 8 Korean; others German).
std::string_view Reserve(int language, ReserveText id);

}  // namespace trb::text
