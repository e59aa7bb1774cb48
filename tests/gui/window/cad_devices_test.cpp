// The CAD menu's paper devices: PDF, SVG and PNG chosen as the user chooses them, the files read
// back by poppler, librsvg and libpng.
#include <gmock/gmock.h>
#include <unistd.h>

#include <QAction>
#include <filesystem>
#include <string>

#include "app/program.h"
#include "graphics/drawing_views.h"
#include "gui/window/main_window.h"
#include "paper_readers.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"
#include "window_fixture.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class CadDevicesTest : public testing::ScriptedWindowTest {
  protected:
    CadDevicesTest() { Start(); }
};

TEST_F(CadDevicesTest, TheCadMenuWritesPdfSvgAndPngBesideTheOtherDevices) {
    // The production drawing as PDF: one A4 page at real size.
    dialogs_.Reply("6").Reply(Path("drawing"));
    Trigger("mi_cadfertlager");
    const auto lists = dialogs_.Entries("list");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].items, (std::vector<std::string>{"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                                                        "Ausgabe auf Laserprinter/Plotter mit TRACEON", "TXT",
                                                        "PDF", "SVG", "PNG"}));
    const paper::test::PdfPages pdf = paper::test::PdfInfo(Path("drawing.pdf"));
    ASSERT_TRUE(pdf.read);
    ASSERT_EQ(pdf.sizes.size(), 1u);
    EXPECT_NEAR(pdf.sizes[0].first, 595.28, 0.01);
    EXPECT_THAT(paper::test::PdfText(Path("drawing.pdf")), HasSubstr("\xC3\x84nderung"));

    // The bearing as SVG.
    dialogs_.Reply("7").Reply(Path("bearing.svg"));
    Trigger("mi_cadLager");
    EXPECT_THAT(paper::test::SvgRoot(Path("bearing.svg")), ::testing::StartsWith("svg "));
    EXPECT_GT(paper::test::RenderSvg(Path("bearing.svg")).InkedPixels(), 1000);

    // The production drawing as PNG at the resolution the user gives.
    dialogs_.Reply("8").Reply("50").Reply(Path("drawing"));
    Trigger("mi_cadfertlager");
    const paper::test::Image png = paper::test::DecodePng(test_support::ReadWholeFile(Path("drawing.png")));
    EXPECT_EQ(png.width, 453);  // 230 mm at 50 dpi
    EXPECT_GT(png.InkedPixels(), 1000);
    EXPECT_FALSE(program_.abort);
}

// Pixels of the screen's light colours at full strength: pure green, cyan and yellow, which do not
// read on white.
long ScreenColouredPixels(const paper::test::Image& image) {
    long n = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool light = image.G(x, y) >= 230 && (image.R(x, y) <= 40 || image.B(x, y) <= 40);
            n += light ? 1 : 0;
        }
    }
    return n;
}

TEST_F(CadDevicesTest, APaperCopyOfAViewUsesDarkPensOnASheetTurnedAsTheViewLies) {
    // The bearing's front view and section side by side: wider than high, on a landscape sheet.
    dialogs_.Reply("6").Reply(Path("bearing"));
    Trigger("mi_cadLager");
    const paper::test::PdfPages pdf = paper::test::PdfInfo(Path("bearing.pdf"));
    ASSERT_TRUE(pdf.read);
    ASSERT_EQ(pdf.sizes.size(), 1u);
    EXPECT_NEAR(pdf.sizes[0].first, 841.89, 0.01);
    EXPECT_NEAR(pdf.sizes[0].second, 595.28, 0.01);
    const paper::test::Image page = paper::test::PdfPage(Path("bearing.pdf"), 1, 150);
    ASSERT_TRUE(page.Valid());
    EXPECT_GT(page.InkedPixels(), 5000);
    EXPECT_EQ(ScreenColouredPixels(page), 0);

    // The viscosity diagram (160 by 120) would fit an upright sheet at real size, but lies as drawn.
    dialogs_.Reply(std::to_string(graphics::kViewKinematicViscosity))
        .Reply("6")
        .Reply(Path("diagram"))
        .Reply(std::to_string(graphics::kViewEnd));
    Trigger("mi_cadsonstige");
    const paper::test::PdfPages diagram = paper::test::PdfInfo(Path("diagram.pdf"));
    ASSERT_TRUE(diagram.read);
    ASSERT_EQ(diagram.sizes.size(), 1u);
    EXPECT_GT(diagram.sizes[0].first, diagram.sizes[0].second);
    EXPECT_EQ(ScreenColouredPixels(paper::test::PdfPage(Path("diagram.pdf"), 1, 150)), 0);

    // The production drawing stays upright; its picture is in the dark pens as well.
    dialogs_.Reply("8").Reply("100").Reply(Path("drawing"));
    Trigger("mi_cadfertlager");
    const paper::test::Image png = paper::test::DecodePng(test_support::ReadWholeFile(Path("drawing.png")));
    EXPECT_LT(png.width, png.height);
    EXPECT_GT(png.InkedPixels(), 5000);
    EXPECT_EQ(ScreenColouredPixels(png), 0);
}

}  // namespace
}  // namespace trb::gui
