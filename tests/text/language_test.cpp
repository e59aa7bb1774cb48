#include "text/language.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace trb::text {
namespace {

// Every text of all three tables, for comparing whole states.
std::vector<std::string> Snapshot(const LanguageTexts& t) {
    std::vector<std::string> all;
    for (int i = 1; i <= kCalcTextCount; ++i) all.push_back(t.Calc(i));
    for (int k = 0; k < kSupplyTextCount; ++k) all.push_back(t.SupplyText(k));
    all.push_back(t.ProgramTitle());
    for (int i = 1; i <= kMenuCaptionCount; ++i) all.push_back(t.Menu(static_cast<MenuCaption>(i)));
    for (int i = 1; i <= kDictionaryCaptionCount; ++i) {
        all.push_back(t.Dictionary(static_cast<DictionaryCaption>(i)));
    }
    return all;
}

TEST(LanguageTexts, StartsGermanWithLanguageZero) {
    LanguageTexts t;
    EXPECT_EQ(t.CurrentLanguage(), 0);
    EXPECT_EQ(t.ProgramTitle(), "TRB - Hydrodynamische Radial-Gleitlager");
    // Code page 850: ä = 0x84, ü = 0x81, Ü = 0x9A, ° = 0xF8.
    EXPECT_EQ(t.Calc(CalcText::Laengenausdehnungskoeff), "L\x84ngenausdehnungskoeff.");
    EXPECT_EQ(t.Calc(CalcText::Waermeuebergangszahl),
              "W\x84rme\x81"
              "bergangszahl");
    EXPECT_EQ(t.Calc(CalcText::UebergangswerteCaps),
              "\x9A"
              "BERGANGSWERTE");
    EXPECT_EQ(t.Calc(CalcText::Lageraussendurchmesser),
              "Lagerau\xE1"
              "endurchmesser");
    EXPECT_EQ(t.Calc(88), "Bitte w\x84hlen");
    EXPECT_EQ(t.Menu(MenuCaption::Oeffnen), "Ö&ffnen...");
    EXPECT_EQ(t.Menu(MenuCaption::Basisdaten), "&Basisdaten");
    EXPECT_EQ(t.Dictionary(DictionaryCaption::Grenzwerte), "&Grenzwerte");
}

TEST(LanguageTexts, SupplyTextsFollowTheSupplyCodes) {
    LanguageTexts t;
    EXPECT_EQ(t.SupplyText(0), "..");
    EXPECT_EQ(t.SupplyText(1), "Schmierloch, 180\xF8 zur Lastrichtung");
    EXPECT_EQ(t.SupplyText(3),
              "2 Schmierl\x94"
              "cher, +/- 90\xF8 zur Lastrichtung");
    EXPECT_EQ(t.SupplyText(5), "Schmiernut (Umfangsnut)");
    EXPECT_EQ(t.SupplyText(7), "Schmiertasche, 90\xF8 zur Lastrichtung");
    EXPECT_EQ(t.SupplyText(8), "2 Schmiertaschen, +/- 90\xF8 zur Lastrichtung");
    EXPECT_EQ(t.SupplyText(9), "..");
    EXPECT_EQ(t.SupplyText(-1), "..");
    t.SwitchLanguage(kEnglish);
    EXPECT_EQ(t.SupplyText(4), "lubrication groove (circumferential)");
    EXPECT_EQ(t.SupplyText(6), "bore relief, 180\xF8 against direction of load");
}

TEST(LanguageTexts, SwitchingThroughLanguagesAndBackRestoresEveryText) {
    LanguageTexts t;
    const auto german = Snapshot(t);
    t.SwitchLanguage(kEnglish);
    const auto english = Snapshot(t);
    EXPECT_EQ(t.CurrentLanguage(), kEnglish);
    EXPECT_EQ(t.ProgramTitle(), "TRB - Hydrodynamic Plain Journal Bearings");
    EXPECT_EQ(t.Calc(CalcText::Lager), "bearing");
    EXPECT_EQ(t.Menu(MenuCaption::SpeichernUnter), "Save &As...");

    t.SwitchLanguage(kRomanian);
    EXPECT_EQ(t.ProgramTitle(), "TRB - Cuzineti Hidrodinamici Simpli(fara filet)");
    EXPECT_EQ(t.Calc(CalcText::WaermeabfuhrDurchSchmierstoff), "evac. a cald. cu ajut. ulei. de racire");
    EXPECT_EQ(t.Menu(MenuCaption::Quick), "&Vizualizare Rapida");
    EXPECT_EQ(t.Dictionary(DictionaryCaption::Schmierung), "Lubrifiere(ungere)");
    EXPECT_EQ(t.SupplyText(2), "orificiu de ungere, 90\xF8 contra dir. de incarc.");

    t.SwitchLanguage(kGerman);
    EXPECT_EQ(Snapshot(t), german);
    t.SwitchLanguage(kEnglish);
    EXPECT_EQ(Snapshot(t), english);
    EXPECT_NE(german, english);
}

TEST(LanguageTexts, KoreanAndFrenchMenusUseEnglishCalculationTexts) {
    LanguageTexts t;
    t.SwitchLanguage(kGerman);
    t.LanguageMenuCommand(kKorean);
    EXPECT_EQ(t.CurrentLanguage(), kGerman);  // language and window title stay
    EXPECT_EQ(t.Menu(MenuCaption::Datei), "파일(&F)");
    EXPECT_EQ(t.Menu(MenuCaption::SpeichernUnter), "다른이름으로 저장(&A)");
    EXPECT_EQ(t.Dictionary(DictionaryCaption::Lager), "베어링(&B)");
    EXPECT_EQ(t.Calc(CalcText::Radialgleitlager), "plain journal bearing");
    EXPECT_EQ(t.ProgramTitle(), "TRB - Hydrodynamic Plain Journal Bearings");

    t.LanguageMenuCommand(kFrench);
    EXPECT_EQ(t.CurrentLanguage(), kGerman);
    EXPECT_EQ(t.Menu(MenuCaption::Vorauslegung), "&Pré-dimension");
    EXPECT_EQ(t.Dictionary(DictionaryCaption::Grenzwerte), "&Valeur marginale");
    EXPECT_EQ(t.Calc(CalcText::Gesamt), "total");

    t.LanguageMenuCommand(kRomanian);
    EXPECT_EQ(t.CurrentLanguage(), kRomanian);
    EXPECT_EQ(t.Menu(MenuCaption::Datei), "&Fisier");
}

// The reserves view speaks the menus' language, French and Korean too.
TEST(LanguageTexts, TheMenuLanguageIsKnownAlsoWhereTheCalculationTextsAreEnglish) {
    LanguageTexts t;
    EXPECT_EQ(t.MenuLanguage(), kGerman);
    EXPECT_EQ(t.Menu(MenuCaption::Reserven), "&Reserven...");
    t.LanguageMenuCommand(kKorean);
    EXPECT_EQ(t.MenuLanguage(), kKorean);
    EXPECT_EQ(t.CalculationLanguage(), kEnglish);
    EXPECT_EQ(t.Menu(MenuCaption::Reserven), "여유(&M)...");
    t.LanguageMenuCommand(kFrench);
    EXPECT_EQ(t.MenuLanguage(), kFrench);
    EXPECT_EQ(t.Menu(MenuCaption::Reserven), "&Réserves...");
    t.SetMenuCaptions(4);  // no such language: the menus stay French
    EXPECT_EQ(t.MenuLanguage(), kFrench);
    t.SwitchLanguage(kRomanian);
    EXPECT_EQ(t.MenuLanguage(), kRomanian);
    EXPECT_EQ(t.Menu(MenuCaption::Reserven), "&Rezerve...");
}

// A stored language 3 at start-up: menus French, calculation texts stay German because that
// table has no French column; the composites are rebuilt all the same.
TEST(LanguageTexts, CodesWithoutTextsKeepThePreviousLanguage) {
    LanguageTexts t;
    t.SwitchLanguage(kFrench);
    EXPECT_EQ(t.CurrentLanguage(), kFrench);
    EXPECT_EQ(t.Menu(MenuCaption::Beenden), "&Quitter");
    EXPECT_EQ(t.Calc(CalcText::Lager), "Lager");
    EXPECT_EQ(t.ProgramTitle(), "TRB - Hydrodynamische Radial-Gleitlager");

    t.SwitchLanguage(kEnglish);
    const std::string menu = t.Menu(MenuCaption::Hilfe);
    t.SetCalculationTexts(kKorean);
    t.SetMenuCaptions(4);
    t.SetDictionaryCaptions(9);
    EXPECT_EQ(t.Calc(CalcText::Lager), "bearing");
    EXPECT_EQ(t.SupplyText(1), "lubricant hole, 180\xF8 against direction of load");
    EXPECT_EQ(t.Menu(MenuCaption::Hilfe), menu);
    EXPECT_EQ(t.Dictionary(DictionaryCaption::Lager), "&Bearing");
    EXPECT_THROW((void)t.Calc(89), std::out_of_range);
}

}  // namespace
}  // namespace trb::text
