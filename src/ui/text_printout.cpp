#include "ui/text_printout.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace trb::ui {

real TextPageLayout::LineHeightMm(real sheetHeightMm) const {
    const int lines = linesPerPage > 0 ? linesPerPage : 66;
    return std::max(sheetHeightMm - marginTopMm - marginBottomMm, real{0}) / static_cast<real>(lines);
}

TextPageLayout TextPageLayoutFrom(const config::ConfigSettings& settings) {
    TextPageLayout layout;
    if (!settings.printoutFont.empty()) layout.fontName = settings.printoutFont;
    if (settings.printoutFontSize > 0) layout.fontSizePt = settings.printoutFontSize;
    layout.fontStyle = settings.printoutFontStyle;
    if (settings.linesPerPage > 0) layout.linesPerPage = settings.linesPerPage;
    return layout;
}

std::vector<TextPage> SplitTextPages(std::string_view text) {
    std::vector<TextPage> pages;
    TextPage page;
    const auto endPage = [&] {
        if (!page.empty()) pages.push_back(std::move(page));
        page.clear();
    };
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        // Each form feed ends the page; the text before the first one belongs to it, the text
        // after the last one begins the next page.
        std::size_t feed = line.find('\f');
        if (feed == std::string_view::npos) {
            page.emplace_back(line);
            continue;
        }
        if (feed > 0) page.emplace_back(line.substr(0, feed));
        while (feed != std::string_view::npos) {
            endPage();
            line.remove_prefix(feed + 1);
            feed = line.find('\f');
            const std::string_view piece = line.substr(0, feed);
            if (feed != std::string_view::npos ? !piece.empty() : !line.empty()) page.emplace_back(piece);
        }
    }
    endPage();
    return pages;
}

std::vector<TextPage> ReadTextPages(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::ostringstream content;
    content << in.rdbuf();
    return SplitTextPages(content.str());
}

}  // namespace trb::ui
