#pragma once

#include <string>

#include "text/language.h"

// The texts of the pressure-distribution view and the coefficient chart, in the language of the
// calculation texts (German, English or Romanian; code page 850), like every drawing's texts.
namespace trb::text {

enum class FilmText : int {
    Druckverteilung,    // the view's title
    Mittelebene,        // the polar diagram: pressure in the middle plane
    Abgewickelt,        // the colour map: the developed bore surface
    Last,               // the load arrow
    Drehrichtung,       // the rotation arrow
    Wellenmitte,        // the journal centre
    Winkel,             // the map's angle axis
    Breite,             // the map's width axis
    Zufuhr,             // the supply feature
    Filmbeginn,         // the film-start line at p = 0
    Abweichung,         // the table's deviation column
    Durchsatz,          // flow: DIN total flow, film side flow
    Steifigkeit,        // the stiffness block
    Daempfung,          // the damping block
    Dimensionslos,      // Lund's form
    Stabil,             // the rotor at the operating speed
    Instabil,           //
    Wirbelverhaeltnis,  // whirl frequency ratio gamma
    KritischeMasse,     // critical mass parameter
    Massenparameter,    // the rotor's own mass parameter
    KeineSchwelle,      // no stability threshold
    Einsatzdrehzahl,    // onset speed of whirl
    KeinEinsatz,        // no onset in the searched range
    Gitter,             // the grid used
    StartZufuhr,        // the film starts at the supply feature held at pE
    StartLinie,         // without pressure lubrication: an axial line at p = 0 at 180°
    Modell,             // the model in one line
    Achsen,             // the frame of the coefficients
    KeinErgebnis,       // the film has no result
    WirdBerechnet,      // the film is being solved
    Koeffizienten,      // the coefficient chart's title
    Fehlgeschlagen,     // a sweep point whose film failed
    // Why a film has no result, one per fault of the film solution (None excluded), in its order.
    FehlerDinLauf,
    FehlerEingabe,
    FehlerBreite,
    FehlerGitterGrob,
    FehlerGitterAxial,
    FehlerGitterGross,
    FehlerSpeicher,
    FehlerZufuhrGross,
    FehlerKeinFilm,
    FehlerZufuhrdruck,
    FehlerExzentrizitaet,
    FehlerKeinGleichgewicht,
    FehlerNichtKonvergiert,
    FehlerNichtEndlich,
    FehlerAbgebrochen,
};
inline constexpr int kFilmTextCount = 47;

// The text in the current calculation language.
const std::string& Film(const LanguageTexts& texts, FilmText id);

}  // namespace trb::text
