#include "text/language.h"

#include "text/language_tables.h"

namespace trb::text {

namespace {

const char* CalcFor(const language_tables::CalcRow& row, int code) {
    switch (code) {
        case kGerman:
            return row.german;
        case kEnglish:
            return row.english;
        case kRomanian:
            return row.romanian;
        default:
            return nullptr;
    }
}

bool HasCaptions(int code) {
    return language_tables::CaptionFor(language_tables::kMenuRows[0], code) != nullptr;
}

}  // namespace

LanguageTexts::LanguageTexts() {
    SetMenuCaptions(kGerman);
    SetDictionaryCaptions(kGerman);
    SetCalculationTexts(kGerman);
}

void LanguageTexts::SetCalculationTexts(int code) {
    if (CalcFor(language_tables::kCalcRows[0], code) != nullptr) {
        calcLanguage_ = code;
        for (std::size_t i = 0; i < calc_.size(); ++i)
            calc_[i] = CalcFor(language_tables::kCalcRows[i], code);
    }
    RebuildComposites();
}

void LanguageTexts::SetMenuCaptions(int code) {
    if (!HasCaptions(code)) return;
    menuLanguage_ = code;
    for (std::size_t i = 0; i < menu_.size(); ++i)
        menu_[i] = language_tables::CaptionFor(language_tables::kMenuRows[i], code);
}

void LanguageTexts::SetDictionaryCaptions(int code) {
    if (!HasCaptions(code)) return;
    for (std::size_t i = 0; i < dictionary_.size(); ++i) {
        dictionary_[i] = language_tables::CaptionFor(language_tables::kDictionaryRows[i], code);
    }
}

void LanguageTexts::SwitchLanguage(int code) {
    currentLanguage_ = code;
    SetMenuCaptions(code);
    SetDictionaryCaptions(code);
    SetCalculationTexts(code);
}

void LanguageTexts::ShowMenusOnlyIn(int code) {
    SetMenuCaptions(code);
    SetDictionaryCaptions(code);
    SetCalculationTexts(kEnglish);
}

void LanguageTexts::LanguageMenuCommand(int code) {
    if (code == kFrench || code == kKorean) {
        ShowMenusOnlyIn(code);
    } else {
        SwitchLanguage(code);
    }
}

const std::string& LanguageTexts::SupplyText(int code) const {
    if (code < 0 || code >= kSupplyTextCount) return supply_[0];
    return supply_[static_cast<std::size_t>(code)];
}

void LanguageTexts::RebuildComposites() {
    const auto t = [this](CalcText id) -> const std::string& { return Calc(id); };
    const std::string comma = ", ";
    supply_[0] = "..";
    supply_[1] = t(CalcText::Schmierloch) + comma + t(CalcText::Lastrichtung180);
    supply_[2] = t(CalcText::Schmierloch) + comma + t(CalcText::Lastrichtung90);
    supply_[3] = t(CalcText::ZweiSchmierloecher) + comma + t(CalcText::LastrichtungPlusMinus90);
    supply_[4] = t(CalcText::Schmiernut) + " (" + t(CalcText::Ringnut) + ")";
    supply_[5] = t(CalcText::Schmiernut) + " (" + t(CalcText::Umfangsnut) + ")";
    supply_[6] = t(CalcText::Schmiertasche) + comma + t(CalcText::Lastrichtung180);
    supply_[7] = t(CalcText::Schmiertasche) + comma + t(CalcText::Lastrichtung90);
    supply_[8] = t(CalcText::ZweiSchmiertaschen) + comma + t(CalcText::LastrichtungPlusMinus90);
    programTitle_ =
        ("TRB - " + t(CalcText::HydrodynamischeRadialGleitlager)).substr(0, kProgramTitleMaxLength);
}

}  // namespace trb::text
