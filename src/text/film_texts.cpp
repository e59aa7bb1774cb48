#include "text/film_texts.h"

#include <array>

#include "text/calculation_row.h"

namespace trb::text {

namespace {

// German, English, Romanian in code page 850: \x84 a-umlaut, \x94 o-umlaut, \x81 u-umlaut, \xE1 sharp
// s, \xF8 degree, \xE6 micro.
const std::array<CalculationRow, kFilmTextCount> kFilmRows = {{
    {"Druckverteilung", "Pressure distribution", "Distributia presiunii"},
    {"Druck in der Mittelebene", "pressure in the middle plane", "presiunea in planul median"},
    {"abgewickelte Lagerfl\x84"
     "che",
     "developed bearing surface", "suprafata desfasurata a lagarului"},
    {"Last", "load", "sarcina"},
    {"Drehrichtung", "rotation", "sens de rotatie"},
    {"Wellenmitte", "journal centre", "centrul fusului"},
    {"Winkel ab Last [\xF8]", "angle from the load [\xF8]", "unghi de la sarcina [\xF8]"},
    {"Breite Z = 2z/B", "width Z = 2z/B", "latime Z = 2z/B"},
    {"Zuf\x81hrung", "supply", "alimentare"},
    {"Filmbeginn p = 0", "film start p = 0", "inceputul filmului p = 0"},
    {"Abweichung", "deviation", "abatere"},
    {"Durchsatz", "flow", "debit"},
    {"Steifigkeit", "stiffness", "rigiditate"},
    {"D\x84mpfung", "damping", "amortizare"},
    {"dimensionslos", "dimensionless", "adimensional"},
    {"stabil", "stable", "stabil"},
    {"instabil", "unstable", "instabil"},
    {"Wirbelfrequenzverh\x84ltnis gamma", "whirl frequency ratio gamma",
     "raportul frecventei de vartej gamma"},
    {"kritischer Massenparameter", "critical mass parameter", "parametrul critic de masa"},
    {"Massenparameter des Rotors (m = F/g)", "rotor mass parameter (m = F/g)",
     "parametrul de masa al rotorului (m = F/g)"},
    {"keine Stabilit\x84tsgrenze", "no stability threshold", "fara prag de stabilitate"},
    {"Einsatzdrehzahl", "onset speed", "turatia de aparitie"},
    {"kein Einsatz im Suchbereich", "no onset in the range searched", "fara aparitie in domeniul cautat"},
    {"Gitter", "grid", "retea"},
    {"Der Film beginnt an der Zuf\x81hrung: ihre Fl\x84"
     "che liegt auf dem Zuf\x81hrdruck pE.",
     "The film starts at the supply feature: its area is held at the supply pressure pE.",
     "Filmul incepe la alimentare: suprafata ei este la presiunea de alimentare pE."},
    {"Ohne Druckschmierung beginnt der Film an einer axialen Linie mit p = 0 bei 180\xF8.",
     "Without pressure lubrication the film starts at an axial line at p = 0 at 180\xF8.",
     "Fara ungere sub presiune filmul incepe la o linie axiala cu p = 0 la 180\xF8."},
    {"Reynolds-Gleichung, isoviskos bei teff, mittleres Spiel, Kavitation nach Reynolds (p >= 0)",
     "Reynolds equation, isoviscous at teff, mean clearance, Reynolds cavitation (p >= 0)",
     "ecuatia Reynolds, izovascos la teff, joc mediu, cavitatie Reynolds (p >= 0)"},
    {"x in Lastrichtung, y eine Vierteldrehung weiter in Drehrichtung",
     "x along the load, y a quarter turn further in the direction of rotation",
     "x in directia sarcinii, y cu un sfert de tura mai departe in sensul de rotatie"},
    {"Kein Ergebnis des Schmierfilms:", "No result of the lubricant film:", "Niciun rezultat al filmului:"},
    {"Der Schmierfilm wird berechnet ...", "Solving the lubricant film ...", "Se calculeaza filmul ..."},
    {"Federn und D\x84mpfer des Schmierfilms", "Film stiffness and damping",
     "Rigiditatea si amortizarea filmului"},
    {"Film fehlgeschlagen", "film failed", "film esuat"},
    {"Die DIN-Rechnung ist fehlgeschlagen: es gibt keinen Betriebszustand.",
     "The DIN calculation failed: there is no operating state.",
     "Calculul DIN a esuat: nu exista stare de functionare."},
    {"Eine Eingabe des Films ist null, negativ oder keine Zahl.",
     "An input of the film is zero, negative or not a number.",
     "O intrare a filmului este zero, negativa sau nu este numar."},
    {"Das Breitenverh\x84ltnis B/D liegt au\xE1"
     "erhalb des Bereichs der Filml\x94sung.",
     "The width ratio B/D is outside the range of the film solution.",
     "Raportul B/D este in afara domeniului solutiei."},
    {"Das Gitter hat zu wenige Zellen.", "The grid has too few cells.", "Reteaua are prea putine celule."},
    {"Die axiale Zellenzahl muss ein Vielfaches von 4 sein.", "The axial cell count must be a multiple of 4.",
     "Numarul axial de celule trebuie sa fie multiplu de 4."},
    {"Das Gitter braucht mehr Speicher als vorhanden.", "The grid needs more memory than there is.",
     "Reteaua necesita mai multa memorie decat exista."},
    {"Der Speicher reichte nicht.", "Memory ran out.", "Memoria nu a ajuns."},
    {"Die Zuf\x81hrung ist gr\x94\xE1"
     "er als das Lager.",
     "The supply feature is larger than the bearing.", "Alimentarea este mai mare decat lagarul."},
    {"Die Zuf\x81hrung l\x84\xE1t keinen Film \x81"
     "brig.",
     "The supply areas leave no film.", "Alimentarea nu lasa film."},
    {"Der Zuf\x81hrdruck liegt \x81"
     "ber dem Filmdruck: der Film ist nicht hydrodynamisch.",
     "The supply pressure is above the film pressure: the film is not hydrodynamic.",
     "Presiunea de alimentare depaseste presiunea filmului: filmul nu este hidrodinamic."},
    {"Die Welle l\x84"
     "ge bei einer Exzentrizit\x84t \x81"
     "ber der Grenze der Filml\x94sung.",
     "The journal would run at an eccentricity above the limit of the film solution.",
     "Fusul ar avea o excentricitate peste limita solutiei."},
    {"Keine Wellenlage tr\x84gt die Last.", "No journal position carries the load.",
     "Nicio pozitie a fusului nu preia sarcina."},
    {"Die Kavitationszone wurde nicht gefunden.", "The cavitation zone was not found.",
     "Zona de cavitatie nu a fost gasita."},
    {"Ein Ergebnis des Films ist keine endliche Zahl.", "A film result is not a finite number.",
     "Un rezultat al filmului nu este numar finit."},
    {"Die Filmrechnung wurde abgebrochen.", "The film solution was cancelled.",
     "Calculul filmului a fost oprit."},
}};

}  // namespace

const std::string& Film(const LanguageTexts& texts, FilmText id) {
    return kFilmRows[static_cast<std::size_t>(id)].In(texts);
}

}  // namespace trb::text
