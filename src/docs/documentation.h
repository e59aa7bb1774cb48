#pragma once

#include <array>
#include <string>
#include <string_view>

#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/title_data.h"
#include "text/language.h"

namespace trb::docs {

// The title data that goes with the example case: the drawing name is the language's
// "Radialgleitlager" cut to the drawing name's length, the number core::kExampleDrawingNumber.
void LoadExampleTitle(TitleData& title, const text::LanguageTexts& texts);

// The documentation data of the current case as the program starts: empty title data, no changes,
// no text items, empty texts, and `today` in the dates of the rows "Bearb.", "Gepr." and "Norm".
void InitDocumentation(TitleData& title, ChangeLog& changes, DrawingInfo& info, std::string_view today);

// For a new case: clears the change count, the replaces and replaced-by fields, every name and every
// date except the "Bearb." date, which becomes `today`, and the three remark lines. Text items,
// drawing names and drawing number stay.
void ResetDocumentation(TitleData& title, ChangeLog& changes, DrawingInfo& info, std::string_view today);

// How many rows of the text-item grid the drawing-information form stores: rows are taken from row 1
// on until the row after the last taken one has a blank text, at most 8; so always at least one.
int TextItemRowsToStore(const std::array<std::string, DrawingInfo::kMaxTextItems>& rowTexts);

// One row of the text-item grid of the drawing-information form, as typed.
struct TextItemCells {
    std::string x, y, h, phi, text;
};

// Stores the grid rows as the form's OK does: the rows TextItemRowsToStore takes, numbers that do not
// parse as 0, texts cut to 80 characters.
void StoreTextItems(DrawingInfo& info, const std::array<TextItemCells, DrawingInfo::kMaxTextItems>& rows);

// `text` cut to at most `length` bytes.
std::string CutTo(std::string_view text, std::size_t length);

}  // namespace trb::docs
