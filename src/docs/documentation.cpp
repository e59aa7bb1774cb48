#include "docs/documentation.h"

namespace trb::docs {

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

std::string CutTo(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, length));
}

}  // namespace trb::docs
