#include "text/language_tables.h"

namespace trb::text::language_tables {

// Code page 850 bytes: \x84 a-umlaut, \x94 o-umlaut, \x81 u-umlaut, \x8E A-umlaut, \x9A U-umlaut,
// \xE1 sharp s, \xF8 degree sign. The comment behind a line shows the German text as read.
const std::array<CalcRow, kCalcTextCount> kCalcRows = {{
    {"Hydrodynamische Radial-Gleitlager", "Hydrodynamic Plain Journal Bearings",
     "Cuzineti Hidrodinamici Simpli(fara filet)"},
    {"Radialgleitlager", "plain journal bearing", "cuzinet simplu"},
    {"nach", "to", "catre"},
    {"Lager", "bearing", "rulment"},
    {"Zeichen", "symbol", "simbol"},
    {"Einheit", "unit", "subansamblu"},
    {"Welle", "shaft", "arbore"},
    {"Lagerinnendurchmesser", "bearing intern.diam.", "diam. intern al rulm."},
    {"Lagerbreite", "bearing width", "latime a rulm."},
    {"Rauhtiefe", "peak-to-valley-height", "imalt. max. si min."},
    {"Drehzahl", "rotational speed", "viteza de rotatie"},
    {"L\x84ngenausdehnungskoeff.", "thermal coefficient", "coef. termic"},  // Längenausdehnungskoeff.
    {"Umschliessungswinkel", "enclosing angle", "unghi de inchidere"},
    {"Schmierlochdurchmesser", "lubrication hole diameter", "ungere a diam. gaurii"},
    {"Wellendurchmesser", "shaft diameter", "diam. arborelui"},
    {"Schmierstoff", "lubricant", "ulei de ungere"},
    {"Schmierstoffzuf\x81hrdruck", "lubricant inlet pressure",
     "pres. la intrare a lubrif."},  // Schmierstoffzuführdruck
    {"Umgebungstemperatur", "ambient temperature", "temp. ambianta"},
    {"Schmierstoffeintrittstemperatur", "lubricant inlet temperature", "temp. init. a uleiului"},
    {"Oberfl\x84"
     "che Lagergeh\x84use",
     "surface of bearing case", "supr. invelis. cuzinet."},  // Oberfläche Lagergehäuse
    {"W\x84rme\x81"
     "bergangszahl",
     "heat transfer coefficient", "coef. de transm. a caldurii"},  // Wärmeübergangszahl
    {"Lagerkraft", "bearing load", "presiune de contact"},
    {"LAGER", "BEARING", "CUZINET(LAGAR)"},
    {"Gleitgeschwindigkeit", "sliding speed", "viteza de alunecare"},
    {"Winkelgeschwindigkeit", "angular frequency", "viteza unghiulara"},
    {"tragend", "bearing", "reazem"},
    {"SCHMIERUNG", "LUBRICATION", "UNGERE"},
    {"WELLE", "SHAFT", "ARBORE"},
    {"Dichte", "density", "densitate"},
    {"spezifische W\x84rmekapazit\x84t", "specific thermal capacity",
     "capacit. termica specif."},  // spezifische Wärmekapazität
    {"TEMPERATUR", "TEMPERATURE", "TEMPERATURA"},
    {"Oberfl\x84"
     "che",
     "surface", "suprafata"},                                                   // Oberfläche
    {"Lagergeh\x84use", "bearing case", "corp al lagarului"},                   // Lagergehäuse
    {"Dynamische Viskosit\x84t", "dynamic viscosity", "viscozitate dinamica"},  // Dynamische Viskosität
    {"Kinematische Viskosit\x84t", "kinematic viscosity",
     "viscozitate cinematica"},  // Kinematische Viskosität
    {"Lagerspiel", "bearing clearance", "joc al lagarului"},
    {"Lagertemperatur", "bearing temperature", "temp. lagarului"},
    {"Reynoldssche Zahl", "Reynolds number", "numarul Reynolds"},
    {"Exzentrizit\x84t", "eccentricity", "excentricitate"},  // Exzentrizität
    {"relatives Lagerspiel", "rel.bearing clearance", "joc al lagar. relativ"},
    {"spezifische Lagerbelastung", "specific bearing load", "pres. de contact caract."},
    {"Sommerfeld-Zahl", "Sommerfeld number", "numarul Sommerfeld"},
    {"relative Exzentrizit\x84t", "relative eccentricity",
     "excentricit. relativa"},  // relative Exzentrizität
    {"Schmierfilmdicke", "film thickness", "densit. a peliculei"},
    {"bezogene Reibungszahl", "specific friction coefficient", "coef. de frecare specif."},
    {"Reibungszahl", "friction coefficient", "coef. de frecare"},
    {"W\x84rmestrom", "heat flow rate", "viteza flux termic"},  // Wärmestrom
    {"Reibleistung", "frictional energy", "energie de frec."},
    {"W\x84rmestrom an Umgebung", "ambient heat flow",
     "transf. de cald. cu ambientul"},  // Wärmestrom an Umgebung
    {"Luftgeschwindigkeit", "air velocity", "viteza aerului"},
    {"Schmierstoffaustrittstemperatur", "lubricant outlet temperature", "temp. de iesire a uleiului"},
    {"Druckschmierung", "forced lubrication", "lubrifiere automata"},
    {"Konvektion", "convection", "convectie(transmitere)"},
    {"Schmierloch", "lubricant hole", "orificiu de ungere"},
    {"180\xF8 zur Lastrichtung", "180\xF8 against direction of load",
     "180\xF8 contra dir. de incarc."},  // 180° zur Lastrichtung
    {"90\xF8 zur Lastrichtung", "90\xF8 against direction of load",
     "90\xF8 contra dir. de incarc."},  // 90° zur Lastrichtung
    {"2 Schmierl\x94"
     "cher",
     "2 lubricant holes", "2 orificiu de ungere"},  // 2 Schmierlöcher
    {"+/- 90\xF8 zur Lastrichtung", "+/- 90\xF8 against load direction",
     "+/- 90\xF8 contra dir. de incarc."},  // +/- 90° zur Lastrichtung
    {"Schmiernut", "lubrication groove", "canal de ungere"},
    {"Ringnut", "circumferential", "tangential (periferic)"},
    {"Umfangsnut", "peripheral groove", "canelura periferica"},
    {"Schmiertasche", "bore relief", "buzunar de ungere"},
    {"2 Schmiertaschen", "2 bore reliefs", "2 buzunare de ungere"},
    {"Schmierstoffzufuhr", "lubricant supply", "alimentare cu lubrifiant"},
    {"Schmiernutbreite", "lubricating groove width", "ungere a latimii canel."},
    {"Breite", "width", "latime"},
    {"Schmiernutwinkel", "lubric.groove angle", "unghi de unger a canel."},
    {"Start", "begin", "initial"},
    {"Ende", "end", "final"},
    {"W\x84rmeabfuhr", "heat removal", "evacuare a caldurii"},  // Wärmeabfuhr
    {"Schmierstofftemperatur", "lubrication temperature", "temp. de ungere"},
    {"W\x84rmeabfuhr durch Schmierstoff", "heat removal by lubricant",
     "evac. a cald. cu ajut. ulei. de racire"},  // Wärmeabfuhr durch Schmierstoff
    {"W\x84rmeabfluss durch Konvektion", "heat emission by convection",
     "emisie de cald. prin convectie"},  // Wärmeabfluss durch Konvektion
    {"Schmierstoffdurchsatz", "lubricant flow", "debit al ulei. de ungere"},
    {"Eigendruck", "induced pressure", "presiune indusa"},
    {"Zuf\x81hrdruck", "forced pressure", "presiune artif."},  // Zuführdruck
    {"gesamt", "total", "total"},
    {"GRENZWERTE", "LIMITS", "LIMITE"},
    {"Max.spezifische Lagerbelastung", "max.specific bearing load", "incarc. max. specif. a rulm."},
    {"H\x94"
     "chstzul\x84ssige Lagertemperatur",
     "max. bearing temperature", "temp. max. a rulmentului"},  // Höchstzulässige Lagertemperatur
    {"Kleinstzul.Min.Schmierfilmdicke", "low.adm.min. film thickness", "consist. min. admisa a peliculei"},
    {"Lagerau\xE1"
     "endurchmesser",
     "external bearing diameter", "diam. extern al rulmentului"},  // Lageraußendurchmesser
    {"\x9A"
     "BERGANGSWERTE",
     "TRANSITION VALUES", "VALORI INTERMEDIARE"},  // ÜBERGANGSWERTE
    {"\x9A"
     "bergangsdrehzahl",
     "transition speed", "viteza de tranz."},  // Übergangsdrehzahl
    {"ISO-Toleranz", "ISO tolerance", "toleranta ISO"},
    {"zur\x81"
     "ck",
     "return", "inapoi"},  // zurück
    {"Fertigungszeichnung", "production drawing", "desen de productie"},
    {"Bitte w\x84hlen", "select", "selecteaza"},  // Bitte wählen
}};

// The Korean captions carry the access key in parentheses behind the word.
const std::array<CaptionRow, kMenuCaptionCount> kMenuRows = {{
    {"&Datei", "&File", "&Fichier", "&Fisier", "파일(&F)"},
    {"&Neu...", "&New...", "&Nouveau...", "&Fisier nou...", "새로만들기(&N)"},
    {"Ö&ffnen...", "&Open...", "&Ouvrir...", "&Deschide...", "열기(&O)"},
    {"&Speichern...", "&Save...", "&Enregistrer", "&Salveaza", "저장(&S)..."},
    {"Speichern &Unter...", "Save &As...", "En&registrer sous...", "Salveaza &ca...",
     "다른이름으로 저장(&A)"},
    {"E&instellungen", "Se&ttings", "&Configuration...", "Se&tari", "환경설정(&t)"},
    {"&Beenden", "E&xit", "&Quitter", "Ie&sire", "끝내기(&x)"},
    {"&Drucken...", "&Print...", "I&mprimer...", "&Imprimare...", "프린트(&P)"},
    {"Druckereinstellung", "Printer Setup", "Configuration Imprimer", "Setari Imprimanta", "프린터설정"},
    {"&Bearbeiten", "&Edit", "&Edition", "&Editare", "편집(&E)"},
    {"Te&xt", "Te&xt", "&Texte", "Te&xt", "텍스트(&x)"},
    {"&Quick", "&Quick", "&Rapide", "&Vizualizare Rapida", "Quick(&Q)"},
    {"&Vorauslegung", "&Pre-Dimensioning", "&Pré-dimension", "&Pre-Dimensionare", "예비치수정의(&P)"},
    {"&Ansicht", "&View", "&Présentation", "&Examinare", "보기(&V)"},
    {"Datenban&k", "&Database", "&BDD", "&Baza de date", "데이터베이스(&D)"},
    {"&CAD", "&CAD", "&CAD", "&CAD", "&CAD"},
    {"&Fertigungszeichnung", "&Production drawing", "D&essin fabrication", "&Desen de productie",
     "산품도(&P)"},
    {"D&okument", "D&ocument", "D&ocumentation", "D&ocument", "문서(&o)"},
    {"&Zeichnungsdaten", "&Drawing data", "&Info Dessin", "&Informatii despre desen", "도면데이터(&D)"},
    {"Änderungen - &Info", "Modifications - &Info", "&Voir changement", "Modificari - &Informatii",
     "수정-정보(&I)"},
    {"Änderungen - &Ausdruck", "Modifications - &Printout", "&Impr. changement",
     "Modificari - &La imprimanta", "수정-프린트출력(&P)"},
    {"&Neue Änderung", "Modification - &New", "&Nouveau changement", "Modificari - &Nou",
     "수정-새로 만들기(&N)"},
    {"Letzte Änderung &bearbeiten", "&Edit previous modification", "&Change changement...",
     "&Editeaza modif. prec.", "이전의 수정편집(&E)"},
    {"Letzte Änderung &löschen", "&Delete previous modification", "&Annuler changement",
     "&Sterge modif. prec.", "이전의 수정삭제(&D)"},
    {"Dokument &Setup", "Document &Setup", "Document &Setup", "Document &Setari", "문서설정(&S)"},
    {"&Hilfe", "&Help", "&Aide", "&Ajutor", "도움말(&H)"},
    {"&Hilfebild", "&Auxiliary images", "&Aide-Image", "&Imagini auxiliare", "도움이미지(&A)"},
    {"&Fehlermeldungen", "&Error messages", "&Message d'erreurs", "&mesaje de eroare", "에러메시지(&E)"},
    {"&KORVANE Homepage", "&KORVANE Homepage", "&KORVANE Homepage", "&Pagina de prezentare KORVANE",
     "KORVANE 홈페이지(&H)"},
    {"&E-Mail an KORVANE", "&E-Mail to KORVANE", "&E-Mail to KORVANE", "&E-Mail catre KORVANE",
     "KORVANE 이메일(&E)"},
    {"&Ausdruck", "&Printout", "&Printout", "&Imprimare", "프린트출력(&P)"},
    {"&Sprache", "&Language", "&Language", "&Limba", "언어(&L)"},
    {"&Sonstige", "&Others", "&Others", "&Altele", "기타(&O)"},
    {"&Tabelle", "&Table", "&Table", "&Tabele", "테이블(&b)"},
    {"&Basisdaten", "&Base Data", "&Base Data", "&Date initiale", "기본데이터(&B)"},
    {"&Spielbereich", "&Clearance range", "&Plage de jeu", "&Domeniu de joc", "간극 범위(&R)"},
    {"Betriebs&kennfeld...", "&Operating charts...", "&Diagrammes de fonctionnement...",
     "Diagrame de &functionare...", "운전 특성도(&O)..."},
    {"Betriebs&punkte...", "Operating poin&ts...", "P&oints de fonctionnement...",
     "&Puncte de functionare...", "운전점 표(&T)..."},
    {"&Reserven...", "&Reserves...", "&Réserves...", "&Rezerve...", "여유(&M)..."},
    {"&Verifikationsbericht", "&Verification report", "Rapport de &vérification", "Raport de &verificare",
     "검증 보고서(&V)"},
    {"&Benutzerhandbuch", "&User guide", "&Guide de l'utilisateur", "&Ghidul utilizatorului",
     "사용자 안내서(&U)"},
    {"&Druckverteilung", "Pressure &distribution", "&Distribution de pression", "&Distributia presiunii",
     "압력 분포(&D)"},
}};

const std::array<CaptionRow, kDictionaryCaptionCount> kDictionaryRows = {{
    {"&Lager", "&Bearing", "&Palier", "&Rulment", "베어링(&B)"},
    {"&Schmierung", "L&ubrication", "L&ubrification", "Lubrifiere(ungere)", "윤활(&u)"},
    {"&Grenzwerte", "&Limits", "&Valeur marginale", "&Limite", "한계(&L)"},
}};

const char* CaptionFor(const CaptionRow& row, int code) {
    switch (code) {
        case kGerman:
            return row.german;
        case kEnglish:
            return row.english;
        case kFrench:
            return row.french;
        case kRomanian:
            return row.romanian;
        case kKorean:
            return row.korean;
        default:
            return nullptr;
    }
}

}  // namespace trb::text::language_tables
