#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "core/real.h"

// How a report text is laid out on printed pages. The window's printer and any other device that
// prints report texts take the page layout and the page breaks from here, so that every printout
// of a report has the same pages.
namespace trb::ui {

// The page layout of a text printout: margins of the sheet, the printout font of the settings, and
// the lines of a page spread evenly over the height between the margins.
struct TextPageLayout {
    real marginLeftMm = 15;
    real marginTopMm = 10;
    real marginRightMm = 10;
    real marginBottomMm = 10;
    std::string fontName = "Courier New";
    int fontSizePt = 10;
    int fontStyle = 0;  // bold 1, italic 2, underline 4, strike-out 8
    int linesPerPage = 66;

    // The distance of two lines on a sheet of this height; the baseline of line i (1-based) lies
    // i line heights below the top margin.
    real LineHeightMm(real sheetHeightMm) const;
};

TextPageLayout TextPageLayoutFrom(const config::ConfigSettings& settings);

// The lines of one printed page, as stored (code page 850).
using TextPage = std::vector<std::string>;

// Splits a report text into pages where the report writer breaks them: a form feed ends the page,
// and what follows it on its line begins the next one. A page without any line (the writer ends
// its last page with a form feed, and a break may follow a full page) is no page. Line ends may be
// CR LF or LF.
std::vector<TextPage> SplitTextPages(std::string_view text);

// The pages of a report text file; none when it cannot be read.
std::vector<TextPage> ReadTextPages(const std::string& file);

}  // namespace trb::ui
