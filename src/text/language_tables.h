#pragma once

#include <array>

#include "text/language.h"

// The fixed text tables behind LanguageTexts.
namespace trb::text::language_tables {

// Calculation texts in code page 850: German, English, Romanian.
struct CalcRow {
    const char* german;
    const char* english;
    const char* romanian;
};
extern const std::array<CalcRow, kCalcTextCount> kCalcRows;

// Menu captions and dictionary entries in UTF-8: German, English, French, Romanian, Korean.
struct CaptionRow {
    const char* german;
    const char* english;
    const char* french;
    const char* romanian;
    const char* korean;
};
extern const std::array<CaptionRow, kMenuCaptionCount> kMenuRows;

// The column of a caption row for a language code; nullptr when the table has no such language.
const char* CaptionFor(const CaptionRow& row, int code);
extern const std::array<CaptionRow, kDictionaryCaptionCount> kDictionaryRows;

}  // namespace trb::text::language_tables
