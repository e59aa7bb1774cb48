#include "text/chart_texts.h"

#include <array>

#include "text/calculation_row.h"

namespace trb::text {

namespace {

// German, English, Romanian in code page 850: \x94 o-umlaut, \xE1 sharp s.
const std::array<CalculationRow, kChartTextCount> kChartRows = {{
    {"Spielbereich", "Clearance range", "Domeniu de joc"},
    {"ma\xE1gebend", "governing", "determinant"},  // maßgebend
    {"keine Meldungen", "no messages", "fara mesaje"},
    {"Betriebskennfeld", "Operating charts", "Diagrame de functionare"},
    {"Betriebspunkte", "Operating points", "Puncte de functionare"},
    {"Gr\x94\xE1"
     "e",
     "quantity", "marime"},  // Größe
    {"von", "from", "de la"},
    {"bis", "to", "pana la"},
    {"Schritte", "steps", "pasi"},
    {"Diagramm", "chart", "diagrama"},
    {"alle Diagramme", "all charts", "toate diagramele"},
    {"Temperaturen", "temperatures", "temperaturi"},
    {"kleinstes Spiel", "smallest clearance", "joc minim"},
    {"mittleres Spiel", "mean clearance", "joc mediu"},
    {"gr\x94\xE1tes Spiel", "largest clearance", "joc maxim"},  // größtes Spiel
    {"fehlgeschlagen", "failed", "esuat"},
    {"Punkte", "points", "puncte"},
    {"Grenzwert", "limit", "limita"},
    {"Reserven", "reserves", "rezerve"},
    // smin, sm, smax: bei kleinstem, mittlerem, größtem Spiel
    {"smin, sm, smax: bei kleinstem, mittlerem, gr\x94\xE1tem Spiel",
     "smin, sm, smax: at the smallest, mean, largest clearance",
     "smin, sm, smax: la jocul minim, mediu, maxim"},
}};

}  // namespace

const std::string& Chart(const LanguageTexts& texts, ChartText id) {
    return kChartRows[static_cast<std::size_t>(id)].In(texts);
}

}  // namespace trb::text
