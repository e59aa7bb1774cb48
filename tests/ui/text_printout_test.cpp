#include "ui/text_printout.h"

#include <gtest/gtest.h>

namespace trb::ui {
namespace {

using Pages = std::vector<TextPage>;

TEST(TextPages, BreakWhereTheWriterBreaks) {
    // The writer ends every page with a form-feed line: page 1 is the text before the first one,
    // and the form feed at the very end starts no further page.
    EXPECT_EQ(SplitTextPages("Bl. 1\r\nZeile\r\n\f\r\nBl. 2\r\n\f\r\n"),
              (Pages{{"Bl. 1", "Zeile"}, {"Bl. 2"}}));
    // A form feed without a line end (the text printer's page end) starts the next page with the
    // rest of its line; LF line ends work as well.
    EXPECT_EQ(SplitTextPages("a\n\fb\nc\n\f"), (Pages{{"a"}, {"b", "c"}}));
    EXPECT_EQ(SplitTextPages("x\fy\f\fz"), (Pages{{"x"}, {"y"}, {"z"}}));
    // Older texts that start each page with a form feed keep their pages.
    EXPECT_EQ(SplitTextPages("\fSeite 1\r\n\fSeite 2\r\n"), (Pages{{"Seite 1"}, {"Seite 2"}}));
}

TEST(TextPages, PagesWithoutLinesAreNoPages) {
    EXPECT_TRUE(SplitTextPages("").empty());
    EXPECT_TRUE(SplitTextPages("\f\r\n\f\r\n").empty());
    // A break right after a full page and the writer's own page end make no blank sheet.
    EXPECT_EQ(SplitTextPages("voll\r\n\f\r\n\f\r\nweiter\r\n\f\r\n"), (Pages{{"voll"}, {"weiter"}}));
    // Empty lines are lines: they keep their place on the page.
    EXPECT_EQ(SplitTextPages("\r\n\r\nText\r\n"), (Pages{{"", "", "Text"}}));
    // A text without any form feed is one page.
    EXPECT_EQ(SplitTextPages("eine Zeile\r\nohne Seitenvorschub"),
              (Pages{{"eine Zeile", "ohne Seitenvorschub"}}));
}

TEST(TextPageLayout, LinesSpreadBetweenTheMarginsInThePrintoutFont) {
    config::ConfigSettings settings;
    settings.linesPerPage = 50;
    settings.printoutFont = "DejaVu Sans Mono";
    settings.printoutFontSize = 9;
    settings.printoutFontStyle = 2;
    const TextPageLayout layout = TextPageLayoutFrom(settings);
    EXPECT_EQ(layout.fontName, "DejaVu Sans Mono");
    EXPECT_EQ(layout.fontSizePt, 9);
    EXPECT_EQ(layout.fontStyle, 2);
    const real usable = 297 - layout.marginTopMm - layout.marginBottomMm;
    EXPECT_DOUBLE_EQ(static_cast<double>(layout.LineHeightMm(297)), static_cast<double>(usable / 50));
    // A settings file without a font or line count keeps the usual page.
    settings.printoutFont.clear();
    settings.linesPerPage = 0;
    const TextPageLayout fallback = TextPageLayoutFrom(settings);
    EXPECT_EQ(fallback.fontName, "Courier New");
    EXPECT_EQ(fallback.linesPerPage, 66);
}

}  // namespace
}  // namespace trb::ui
