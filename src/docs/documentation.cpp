#include "docs/documentation.h"

#include "core/record.h"
#include "text/format.h"

namespace trb::docs {

void LoadExampleTitle(TitleData& title, const text::LanguageTexts& texts) {
    title.drawingName = CutTo(texts.Calc(text::CalcText::Radialgleitlager), TitleData::kDrawingNameLength);
    title.drawingNumber = core::kExampleDrawingNumber;
}

void InitDocumentation(TitleData& title, ChangeLog& changes, DrawingInfo& info, std::string_view today) {
    title = TitleData{};
    changes = ChangeLog{};
    info = DrawingInfo{};
    for (const auto row : {kRowBearb, kRowGepr, kRowNorm})
        info.rows[row].date = CutTo(today, SignatureRow::kDateLength);
}

void ResetDocumentation(TitleData& title, ChangeLog& changes, DrawingInfo& info, std::string_view today) {
    changes.count = 0;
    info.replaces.clear();
    info.replacedBy.clear();
    for (auto& row : info.rows) row = SignatureRow{};
    info.rows[kRowBearb].date = CutTo(today, SignatureRow::kDateLength);
    for (auto& remark : title.remarks) remark.clear();
}

int TextItemRowsToStore(const std::array<std::string, DrawingInfo::kMaxTextItems>& rowTexts) {
    const auto blank = [](const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; };
    int rows = 1;
    while (rows < DrawingInfo::kMaxTextItems && !blank(rowTexts[static_cast<std::size_t>(rows)])) ++rows;
    return rows;
}

void StoreTextItems(DrawingInfo& info, const std::array<TextItemCells, DrawingInfo::kMaxTextItems>& rows) {
    std::array<std::string, DrawingInfo::kMaxTextItems> texts;
    for (std::size_t i = 0; i < rows.size(); ++i) texts[i] = rows[i].text;
    info.textItemCount = TextItemRowsToStore(texts);
    for (std::size_t i = 0; i < static_cast<std::size_t>(info.textItemCount); ++i) {
        TextItem& item = info.textItems[i];
        item.x = text::TextToReal(rows[i].x);
        item.y = text::TextToReal(rows[i].y);
        item.h = text::TextToReal(rows[i].h);
        item.phi = text::TextToReal(rows[i].phi);
        item.text = CutTo(rows[i].text, TextItem::kTextLength);
    }
}

std::string CutTo(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, length));
}

}  // namespace trb::docs
