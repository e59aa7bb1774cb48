// PDF, SVG and PNG documents and report pages, read back by poppler, librsvg, Python and libpng.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include "paper/paper_document.h"
#include "paper/text_pages.h"
#include "paper_readers.h"
#include "temp_folder.h"
#include "whole_file.h"

namespace trb::paper {
namespace {

using test_support::TempFolder;
using test_support::WriteWholeFile;
using ::testing::HasSubstr;

constexpr double kPointsPerMm = 72 / 25.4;

void Cross(cairo_t* cr, double w, double h) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, h);
    cairo_stroke(cr);
}

TEST(PdfDocument, PagesKeepTheirOwnSizesAndOrientation) {
    TempFolder temp;
    PdfDocument document("Lager", "TRB 1.6");
    Cross(document.BeginPage(kA4WidthMm, kA4HeightMm), 210, 297);
    Cross(document.BeginPage(kA4HeightMm, kA4WidthMm), 297, 210);  // the open page ends by itself
    Cross(document.BeginPage(100, 50), 100, 50);
    EXPECT_EQ(document.PageCount(), 3);
    ASSERT_TRUE(document.Finish());
    WriteWholeFile(temp.Path() / "pages.pdf", document.Bytes());

    const test::PdfPages info = test::PdfInfo(temp.Path() / "pages.pdf");
    ASSERT_TRUE(info.read);
    ASSERT_EQ(info.sizes.size(), 3u);
    EXPECT_NEAR(info.sizes[0].first, 210 * kPointsPerMm, 0.01);
    EXPECT_NEAR(info.sizes[0].second, 297 * kPointsPerMm, 0.01);
    EXPECT_NEAR(info.sizes[1].first, 297 * kPointsPerMm, 0.01);
    EXPECT_NEAR(info.sizes[2].second, 50 * kPointsPerMm, 0.01);
    // The cross of the middle page reaches its corners: the context measures millimetres.
    const test::Image page = test::PdfPage(temp.Path() / "pages.pdf", 2, 50);
    ASSERT_TRUE(page.Valid());
    EXPECT_LT(page.R(page.width - 2, page.height - 2), 128);
}

TEST(PdfDocument, ADocumentWithoutPagesIsNoFile) {
    PdfDocument document("", "");
    EXPECT_FALSE(document.Finish());
    EXPECT_TRUE(document.Bytes().empty());
    EXPECT_EQ(document.BeginPage(210, 297), nullptr);  // finished for good
}

TEST(TextPages, ReportLinesKeepUmlautsSymbolsAndBoxLines) {
    TempFolder temp;
    // Code page 850: box corner and double line, "ä", "°", "²", "µ", a thin rule.
    const ui::TextPage first = {"\xC9\xCD\xCD\xBB", "\xBA Bl. 1 \xBA",
                                "L\x84nge  50 \xF8"
                                "C  12 mm\xFD  3 \xE6m",
                                std::string(20, '\xC4')};
    const ui::TextPage second = {"", "", "Seite zwei"};
    ui::TextPageLayout layout;
    PdfDocument document("Bericht", "TRB 1.6");
    AddTextPages(document, {first, second}, layout, {});
    ASSERT_TRUE(document.Finish());
    WriteWholeFile(temp.Path() / "report.pdf", document.Bytes());

    const test::PdfPages info = test::PdfInfo(temp.Path() / "report.pdf");
    ASSERT_EQ(info.sizes.size(), 2u);
    // pdftotext spaces words by its own judgement: runs of blanks count as one.
    std::string text = test::PdfText(temp.Path() / "report.pdf");
    text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
               text.end());
    EXPECT_THAT(text, HasSubstr("\xE2\x95\x94\xE2\x95\x90\xE2\x95\x90\xE2\x95\x97"));  // ╔══╗
    EXPECT_THAT(text, HasSubstr("\xE2\x95\x91 Bl. 1 \xE2\x95\x91"));                   // ║ Bl. 1 ║
    EXPECT_THAT(text, HasSubstr("L\xC3\xA4nge 50 \xC2\xB0"
                                "C 12 mm\xC2\xB2 3 \xC2\xB5m"));
    EXPECT_THAT(text, HasSubstr("\xE2\x94\x80\xE2\x94\x80\xE2\x94\x80"));  // ───
    EXPECT_THAT(test::PdfText(temp.Path() / "report.pdf", 2, 2), HasSubstr("Seite zwei"));
    // Lines stand one line height apart below the top margin: the third line of page two
    // (empty lines count) lies three line heights down.
    const test::Image page = test::PdfPage(temp.Path() / "report.pdf", 2, 100);
    ASSERT_TRUE(page.Valid());
    const double lineHeight = static_cast<double>(layout.LineHeightMm(kA4HeightMm));
    int firstInkedRow = -1;
    for (int y = 0; y < page.height && firstInkedRow < 0; ++y)
        for (int x = 0; x < page.width; ++x)
            if (page.R(x, y) < 128) {
                firstInkedRow = y;
                break;
            }
    const double baselineMm = static_cast<double>(layout.marginTopMm) + 3 * lineHeight;
    EXPECT_NEAR(firstInkedRow * 25.4 / 100, baselineMm - 3.0, 1.0);  // capital height of 10 pt above it
}

// One report line drawn at 20 pixels per millimetre on white, in the given font style.
class StyledLine {
  public:
    static constexpr double kPixelsPerMm = 20;

    StyledLine(const std::string& line, int style) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2000, 400);  // 100 x 20 mm
        cairo_t* cr = cairo_create(surface_);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_scale(cr, kPixelsPerMm, kPixelsPerMm);
        layout.fontStyle = style;
        DrawTextPage(cr, {line}, layout, kA4HeightMm, {});
        cairo_destroy(cr);
        cairo_surface_flush(surface_);
    }
    ~StyledLine() { cairo_surface_destroy(surface_); }
    StyledLine(const StyledLine&) = delete;
    StyledLine& operator=(const StyledLine&) = delete;

    bool Inked(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        const int stride = cairo_image_surface_get_stride(surface_);
        std::uint32_t pixel;
        std::memcpy(&pixel, data + y * stride + x * 4, 4);
        return ((pixel >> 8) & 0xFF) < 128;  // the green channel
    }
    // The row of a height below (positive) or above the baseline of the line, in millimetres.
    int Row(double belowBaselineMm) const {
        const double baseline =
            static_cast<double>(layout.marginTopMm) + static_cast<double>(layout.LineHeightMm(kA4HeightMm));
        return static_cast<int>(std::lround((baseline + belowBaselineMm) * kPixelsPerMm));
    }
    // The share of inked pixels of a row between two columns.
    double InkedShare(int y, int x1, int x2) const {
        int inked = 0;
        for (int x = x1; x < x2; ++x) inked += Inked(x, y) ? 1 : 0;
        return static_cast<double>(inked) / (x2 - x1);
    }
    // The first and last inked column of the rows from y1 to y2.
    std::pair<int, int> InkedColumns(int y1, int y2) const {
        int first = 2000, last = -1;
        for (int y = y1; y <= y2; ++y)
            for (int x = 0; x < 2000; ++x)
                if (Inked(x, y)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return {first, last};
    }

    ui::TextPageLayout layout;

  private:
    cairo_surface_t* surface_;
};

// "mmmm" has neither descenders nor a full row of ink at half its height: below the baseline only
// an underline inks (0.12 of the 10 pt size = 0.42 mm down, 0.18 mm thick), and a row through the
// middle of the letters is inked across only where a strike-out runs (0.28 of the size = 0.99 mm up).
TEST(TextPages, UnderlineAndStrikeOutRunUnderAndThroughTheWholeText) {
    const double left = 15 * StyledLine::kPixelsPerMm;
    const auto check = [&](int style, bool underlined, bool struck) {
        const StyledLine line("mmmm mmmm", style);
        const auto [first, last] = line.InkedColumns(line.Row(-1.5), line.Row(-0.5));
        ASSERT_GT(last, first) << "style " << style;
        EXPECT_NEAR(first, left, 0.5 * StyledLine::kPixelsPerMm) << "style " << style;
        const int from = static_cast<int>(left) + 4;
        const double under = line.InkedShare(line.Row(0.42), from, last - 4);
        const double through = line.InkedShare(line.Row(-0.99), from, last - 4);
        if (underlined) {
            EXPECT_EQ(under, 1.0) << "style " << style << ": the underline runs under every letter";
        } else {
            EXPECT_EQ(under, 0.0) << "style " << style << ": nothing below the baseline";
        }
        if (struck) {
            EXPECT_EQ(through, 1.0) << "style " << style << ": the strike-out runs through every letter";
        } else {
            EXPECT_LT(through, 0.9) << "style " << style << ": the gaps between the stems stay white";
        }
        // Neither line reaches further down than the underline's thickness.
        EXPECT_EQ(line.InkedShare(line.Row(0.7), 0, 2000), 0.0) << "style " << style;
    };
    check(0, false, false);
    check(1, false, false);  // bold
    check(2, false, false);  // italic
    check(4, true, false);
    check(8, false, true);
    check(12, true, true);
    check(5, true, false);  // bold and underlined
}

TEST(Pictures, SvgSaysMillimetresAndPngKeepsItsResolution) {
    TempFolder temp;
    std::string svg;
    ASSERT_TRUE(WriteSvg(svg, 160, 120, [](cairo_t* cr) { Cross(cr, 160, 120); }));
    WriteWholeFile(temp.Path() / "cross.svg", svg);
    EXPECT_EQ(test::SvgRoot(temp.Path() / "cross.svg"), "svg 160mm 120mm\n");
    const test::Image rendered = test::RenderSvg(temp.Path() / "cross.svg");
    ASSERT_TRUE(rendered.Valid());
    EXPECT_NEAR(rendered.width, 160 / 25.4 * 96, 1.5);
    EXPECT_GT(rendered.InkedPixels(), 500);

    std::string png;
    ASSERT_TRUE(WritePng(png, 160, 120, 254, [](cairo_t* cr) { Cross(cr, 160, 120); }));
    const test::Image image = test::DecodePng(png);
    EXPECT_EQ(image.width, 1600);
    EXPECT_EQ(image.height, 1200);
    EXPECT_EQ(image.R(1500, 100), 255);  // white ground
    EXPECT_LT(image.R(800, 600), 128);   // on the cross
    EXPECT_FALSE(WritePng(png, 0, 120, 254, [](cairo_t*) {}));
}

TEST(Pictures, HugePngsAreMadeWithALowerResolution) {
    EXPECT_EQ(PngResolution(210, 297, 300), 300);
    // 4 m long at 1200 dpi would be 189,000 pixels wide.
    const int dpi = PngResolution(4000, 100, 1200);
    EXPECT_LE(4000 / 25.4 * dpi, kMaxPngSide + 1.0);
    const int square = PngResolution(2000, 2000, 600);
    EXPECT_LE((2000 / 25.4 * square) * (2000 / 25.4 * square), static_cast<double>(kMaxPngPixels));
    EXPECT_GE(PngResolution(1e9L, 1e9L, 300), 1);
}

}  // namespace
}  // namespace trb::paper
