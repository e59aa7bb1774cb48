#pragma once

#include <string>

#include "text/language.h"

// The texts of the clearance range view, the operating charts and their input dialog, in the
// language of the calculation texts (German, English or Romanian; code page 850).
namespace trb::text {

enum class ChartText : int {
    Spielbereich,      // the view's title
    Massgebend,        // "maßgebend": marks the governing clearance
    KeineMeldungen,    // a run without messages
    Betriebskennfeld,  // the charts' title and the dialog's caption
    Betriebspunkte,    // the points table's title
    Groesse,           // the swept quantity
    Von,               // start of the range
    Bis,               // end of the range
    Schritte,          // number of steps
    Diagramm,          // which chart
    AlleDiagramme,     // every chart on one sheet
    Temperaturen,      // teff and t2 (or tB)
    KleinstesSpiel,    // smallest clearance
    MittleresSpiel,    // mean clearance
    GroesstesSpiel,    // largest clearance
    Fehlgeschlagen,    // a point whose run failed
    Punkte,            // points of a range
    Grenzwert,         // limit line
    Reserven,          // the thresholds' crossings marked on the limit lines
    BeiSpiel,          // what "smin", "sm" and "smax" in a column heading mean
};
inline constexpr int kChartTextCount = 20;

// The text in the current calculation language.
const std::string& Chart(const LanguageTexts& texts, ChartText id);

}  // namespace trb::text
