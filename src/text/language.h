#pragma once

#include <array>
#include <string>

// The interface-language texts: the calculation texts (designations used by the report, the input
// dialogs and the drawings; code page 850 bytes), the menu captions and the small caption
// dictionary (both UTF-8, they include Korean).
namespace trb::text {

// Language codes as stored in the configuration.
inline constexpr int kGerman = 1;
inline constexpr int kEnglish = 2;
inline constexpr int kFrench = 3;
inline constexpr int kRomanian = 7;
inline constexpr int kKorean = 8;

// The calculation texts, numbered 1..88; each is named after its German text.
enum class CalcText : int {
    HydrodynamischeRadialGleitlager = 1,
    Radialgleitlager,
    Nach,
    Lager,
    Zeichen,
    Einheit,
    Welle,
    Lagerinnendurchmesser,
    Lagerbreite,
    Rauhtiefe,
    Drehzahl,  // 11
    Laengenausdehnungskoeff,
    Umschliessungswinkel,
    Schmierlochdurchmesser,
    Wellendurchmesser,
    Schmierstoff,
    Schmierstoffzufuehrdruck,
    Umgebungstemperatur,
    Schmierstoffeintrittstemperatur,
    OberflaecheLagergehaeuse,
    Waermeuebergangszahl,  // 21
    Lagerkraft,
    LagerCaps,  // "LAGER"
    Gleitgeschwindigkeit,
    Winkelgeschwindigkeit,
    Tragend,
    SchmierungCaps,  // "SCHMIERUNG"
    WelleCaps,       // "WELLE"
    Dichte,
    SpezifischeWaermekapazitaet,
    TemperaturCaps,  // 31, "TEMPERATUR"
    Oberflaeche,
    Lagergehaeuse,
    DynamischeViskositaet,
    KinematischeViskositaet,
    Lagerspiel,
    Lagertemperatur,
    ReynoldsscheZahl,
    Exzentrizitaet,
    RelativesLagerspiel,
    SpezifischeLagerbelastung,  // 41
    SommerfeldZahl,
    RelativeExzentrizitaet,
    Schmierfilmdicke,
    BezogeneReibungszahl,
    Reibungszahl,
    Waermestrom,
    Reibleistung,
    WaermestromAnUmgebung,
    Luftgeschwindigkeit,
    Schmierstoffaustrittstemperatur,  // 51
    Druckschmierung,
    Konvektion,
    Schmierloch,
    Lastrichtung180,          // "180° zur Lastrichtung"
    Lastrichtung90,           // "90° zur Lastrichtung"
    ZweiSchmierloecher,       // "2 Schmierlöcher"
    LastrichtungPlusMinus90,  // "+/- 90° zur Lastrichtung"
    Schmiernut,
    Ringnut,
    Umfangsnut,  // 61
    Schmiertasche,
    ZweiSchmiertaschen,  // "2 Schmiertaschen"
    Schmierstoffzufuhr,
    Schmiernutbreite,
    Breite,
    Schmiernutwinkel,
    Start,
    Ende,
    Waermeabfuhr,
    Schmierstofftemperatur,  // 71
    WaermeabfuhrDurchSchmierstoff,
    WaermeabflussDurchKonvektion,
    Schmierstoffdurchsatz,
    Eigendruck,
    Zufuehrdruck,
    Gesamt,
    GrenzwerteCaps,  // "GRENZWERTE"
    MaxSpezifischeLagerbelastung,
    HoechstzulaessigeLagertemperatur,
    KleinstzulMinSchmierfilmdicke,  // 81
    Lageraussendurchmesser,
    UebergangswerteCaps,  // "ÜBERGANGSWERTE"
    Uebergangsdrehzahl,
    IsoToleranz,
    Zurueck,
    Fertigungszeichnung,
    BitteWaehlen,  // 88
};
inline constexpr int kCalcTextCount = 88;

// The menu captions, numbered 1..35.
enum class MenuCaption : int {
    Datei = 1,
    Neu,
    Oeffnen,
    Speichern,
    SpeichernUnter,
    Einstellungen,
    Beenden,
    Drucken,
    Druckereinstellung,
    Bearbeiten,
    Text,  // 11
    Quick,
    Vorauslegung,
    Ansicht,
    Datenbank,
    Cad,
    Fertigungszeichnung,
    Dokument,
    Zeichnungsdaten,
    AenderungenInfo,
    AenderungenAusdruck,  // 21
    NeueAenderung,
    LetzteAenderungBearbeiten,
    LetzteAenderungLoeschen,
    DokumentSetup,
    Hilfe,
    Hilfebild,
    Fehlermeldungen,
    Homepage,
    EMail,
    Ausdruck,  // 31
    Sprache,
    Sonstige,
    Tabelle,
    Basisdaten,        // 35
    Spielbereich,      // the clearance range view
    Betriebskennfeld,  // the operating charts
    Betriebspunkte,    // the table of operating points
    Reserven,          // the reserves view: how far the case is from its limits
    Verifikation,      // the verification report of the Help menu
    Benutzerhandbuch,  // the user guide in the desktop's browser
    Druckverteilung,   // the pressure distribution of the lubricant film
};
inline constexpr int kMenuCaptionCount = 42;

// The caption dictionary entries this program uses.
enum class DictionaryCaption : int { Lager = 1, Schmierung, Grenzwerte };
inline constexpr int kDictionaryCaptionCount = 3;

// Number of lubricant-supply texts: index 0 (no feature) and the supply codes 1..8.
inline constexpr int kSupplyTextCount = 9;
inline constexpr std::size_t kProgramTitleMaxLength = 60;

// All language-dependent texts of one program instance. Starts in German with language code 0.
class LanguageTexts {
  public:
    LanguageTexts();

    // Assigns the calculation texts for code 1, 2 or 7 (other codes keep the current ones) and
    // always rebuilds the supply texts and the program title from them.
    void SetCalculationTexts(int code);
    // Assigns the menu captions for code 1, 2, 3, 7 or 8; other codes change nothing.
    void SetMenuCaptions(int code);
    // Assigns the dictionary captions for code 1, 2, 3, 7 or 8; other codes change nothing.
    void SetDictionaryCaptions(int code);
    // Makes code the current language and sets all three tables for it.
    void SwitchLanguage(int code);
    // Menus and dictionary in the given language (French, Korean) while the calculation texts
    // become English; the current language code stays as it is.
    void ShowMenusOnlyIn(int code);
    // What the language menu does for its items: German, English, Romanian switch the language,
    // French and Korean only the menus (see ShowMenusOnlyIn).
    void LanguageMenuCommand(int code);

    int CurrentLanguage() const { return currentLanguage_; }
    // The language of the menu captions (French and Korean too): German until one is set.
    int MenuLanguage() const { return menuLanguage_; }
    // The language of the calculation texts: German, English or Romanian.
    int CalculationLanguage() const { return calcLanguage_; }

    // Code page 850 bytes.
    const std::string& Calc(CalcText id) const { return calc_[Index(static_cast<int>(id))]; }
    const std::string& Calc(int number) const { return calc_.at(Index(number)); }
    // Supply text for the supply code 0..8 (0 is ".."); codes outside give "..".
    const std::string& SupplyText(int code) const;
    // "TRB - " followed by the first calculation text, at most 60 characters (code page 850).
    const std::string& ProgramTitle() const { return programTitle_; }

    // UTF-8.
    const std::string& Menu(MenuCaption id) const { return menu_[Index(static_cast<int>(id))]; }
    const std::string& Dictionary(DictionaryCaption id) const {
        return dictionary_[Index(static_cast<int>(id))];
    }

  private:
    static std::size_t Index(int number) { return static_cast<std::size_t>(number - 1); }
    void RebuildComposites();

    int currentLanguage_ = 0;
    int calcLanguage_ = kGerman;
    int menuLanguage_ = kGerman;
    std::array<std::string, kCalcTextCount> calc_;
    std::array<std::string, kSupplyTextCount> supply_;
    std::string programTitle_;
    std::array<std::string, kMenuCaptionCount> menu_;
    std::array<std::string, kDictionaryCaptionCount> dictionary_;
};

}  // namespace trb::text
