#pragma once

#include <string>

#include "text/language.h"

namespace trb::text {

// A text of the drawings and printouts in the three calculation languages.
struct CalculationRow {
    std::string german;
    std::string english;
    std::string romanian;

    // The text in the calculation language of `texts`; German for a language without its own.
    const std::string& In(const LanguageTexts& texts) const {
        switch (texts.CalculationLanguage()) {
            case kEnglish:
                return english;
            case kRomanian:
                return romanian;
            default:
                return german;
        }
    }
};

}  // namespace trb::text
