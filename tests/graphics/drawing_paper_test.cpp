// The drawings of the example case as PDF, SVG and PNG files, read back by poppler, Python's XML
// parser, librsvg and libpng.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/calculation.h"
#include "drawing_fixture.h"
#include "graphics/drawing_views.h"
#include "paper_readers.h"
#include "whole_file.h"

namespace trb::graphics::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr double kMmPerInch = 25.4;

class DrawingPaperTest : public DrawingFixture, public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(UseCalculatedExample());
        title.drawingName = "Radialgleitlager";
        title.drawingNumber = "31652";
    }

    std::filesystem::path Draw(int device, int view) {
        DrawBearingView(*driver, dialogs, Data(), device, view);
        EXPECT_FALSE(abort);
        const char* extension = device == kDevicePdf ? "pdf" : device == kDeviceSvg ? "svg" : "png";
        return folder / (std::string("example.") + extension);
    }
};

TEST_F(DrawingPaperTest, ProductionDrawingPdfIsAnA4SheetWhoseFrameMeasuresWhatItSays) {
    const auto pdf = Draw(kDevicePdf, kViewProduction);
    const paper::test::PdfPages info = paper::test::PdfInfo(pdf);
    ASSERT_TRUE(info.read);
    ASSERT_EQ(info.sizes.size(), 1u);
    EXPECT_NEAR(info.sizes[0].first, 595.28, 0.01);
    EXPECT_NEAR(info.sizes[0].second, 841.89, 0.01);
    // The texts are text: the title block's headings with their umlauts, the names.
    const std::string text = paper::test::PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("\xC3\x84nderung"));
    EXPECT_THAT(text, HasSubstr("Radialgleitlager"));
    EXPECT_THAT(text, HasSubstr("31652"));

    // The drawing frame (18, 5)–(205, 292) in the contour pen's red, dark on paper.
    constexpr int kDpi = 200;
    const paper::test::Image page = paper::test::PdfPage(pdf, 1, kDpi);
    ASSERT_TRUE(page.Valid());
    const auto mm = [](double pixels) { return pixels * kMmPerInch / kDpi; };
    const std::vector<double> columns = paper::test::VerticalLines(page, 192, 0, 0, 0.5);
    const std::vector<double> rows = paper::test::HorizontalLines(page, 192, 0, 0, 0.5);
    ASSERT_EQ(columns.size(), 2u);
    ASSERT_EQ(rows.size(), 3u);  // the frame and the title block's top edge
    EXPECT_NEAR(mm(columns[1] - columns[0]), 187, 0.5);
    EXPECT_NEAR(mm(rows[2] - rows[0]), 287, 0.5);
    EXPECT_NEAR(mm(columns[0]), 18, 0.5);
    EXPECT_NEAR(mm(rows[0]), 297 - 292, 0.5);
    EXPECT_NEAR(mm(rows[2] - rows[1]), 43 - 5, 0.5);
}

TEST_F(DrawingPaperTest, EveryViewAsSvgIsWellFormedAtItsLimitsAndRendersOnWhite) {
    for (int view = kViewResultSheet; view < kViewEnd; ++view) {
        SCOPED_TRACE(view);
        const auto svg = Draw(kDeviceSvg, view);
        const std::string root = paper::test::SvgRoot(svg);
        ASSERT_THAT(root, StartsWith("svg ")) << root;
        double width = 0, height = 0;
        ASSERT_EQ(std::sscanf(root.c_str(), "svg %lfmm %lfmm", &width, &height), 2) << root;
        const Rect limits = ViewLimits(view, record);
        if (view != kViewKinematicViscosity && view != kViewDynamicViscosity) {
            EXPECT_NEAR(width, static_cast<double>(limits.x2 - limits.x1), 0.01);
            EXPECT_NEAR(height, static_cast<double>(limits.y2 - limits.y1), 0.01);
        }
        const paper::test::Image image = paper::test::RenderSvg(svg);
        ASSERT_TRUE(image.Valid());
        EXPECT_NEAR(image.width, width / kMmPerInch * 96, 1.5);
        EXPECT_GT(image.InkedPixels(), image.width * image.height / 200);
        EXPECT_EQ(image.R(0, 0), 255);  // white paper
    }
}

TEST_F(DrawingPaperTest, PngFromTheDeviceChoiceAtTheResolutionAsked) {
    driver->SetBatchMode(false);
    // PNG, 100 dpi, a name without extension.
    dialogs.Reply("8").Reply("100").Reply((folder / "sheet").string());
    DrawBearingView(*driver, dialogs, Data(), kDeviceAsk, kViewResultSheet);
    ASSERT_FALSE(abort);
    const auto lists = dialogs.Entries("list");
    ASSERT_FALSE(lists.empty());
    ASSERT_EQ(lists[0].items.size(), 8u);
    EXPECT_EQ(lists[0].items[5], "PDF");
    EXPECT_EQ(lists[0].items[7], "PNG");
    const paper::test::Image image =
        paper::test::DecodePng(test_support::ReadWholeFile(folder / "sheet.png"));
    ASSERT_TRUE(image.Valid());
    EXPECT_EQ(image.width, 630);   // 160 mm
    EXPECT_EQ(image.height, 472);  // 120 mm
    EXPECT_GT(image.InkedPixels(), 2000);
    EXPECT_EQ(driver->PngResolution(), 100);  // offered again next time

    // Cancelling the resolution writes nothing.
    dialogs.Reply("8").ReplyCancel();
    DrawBearingView(*driver, dialogs, Data(), kDeviceAsk, kViewResultSheet);
    EXPECT_TRUE(abort);
    EXPECT_EQ(dialogs.Entries("save").size(), 1u);
}

}  // namespace
}  // namespace trb::graphics::testing
