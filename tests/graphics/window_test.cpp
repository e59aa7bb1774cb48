#include "graphics/graphics_window.h"

#include <gtest/gtest.h>

#include "graphics/palette.h"

namespace trb::graphics {
namespace {

WindowSettings Device(int w, int h) {
    WindowSettings s;
    s.deviceWidth = w;
    s.deviceHeight = h;
    return s;
}

TEST(GraphicsWindow, BorderShrinksTheViewportByOnePixel) {
    GraphicsWindow window(Device(1015, 677));
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 10, 10, abort);
    EXPECT_EQ(window.CurrentView().left, 0);
    EXPECT_EQ(window.CurrentView().top, 0);
    EXPECT_EQ(window.CurrentView().right, 1015);
    EXPECT_EQ(window.CurrentView().bottom, 677);
    window.SetWindow(false, true, 0, 0, 1, 1, 0, 0, 10, 10, abort);
    EXPECT_EQ(window.CurrentView().left, 1);
    EXPECT_EQ(window.CurrentView().top, 1);
    EXPECT_EQ(window.CurrentView().right, 1014);
    EXPECT_EQ(window.CurrentView().bottom, 676);
    EXPECT_EQ(FormatCommand(window.List()[1]), "10;1;1;1014;676;0;0;10;10");
    // Half a pixel rounds to even: 0.5·5 = 2.5 → 2.
    GraphicsWindow small(Device(5, 5));
    small.SetWindow(false, false, 0.5L, 0, 1, 1, 0, 0, 1, 1, abort);
    EXPECT_EQ(small.CurrentView().left, 2);
    EXPECT_FALSE(abort);
}

TEST(GraphicsWindow, AspectKeepsCirclesRound) {
    GraphicsWindow window(Device(1015, 677));
    bool abort = false;
    // A window twice as wide as high: sx would be larger than 0.75·W/H·sy.
    window.SetWindow(true, false, 0, 0, 1, 1, 0, 0, 200, 100, abort);
    const View& v = window.CurrentView();
    EXPECT_NEAR(static_cast<double>(v.sx), static_cast<double>(v.sy * 0.75L * 1015 / 677), 1e-12);
    // Without the aspect flag both scales fill the viewport.
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 200, 100, abort);
    EXPECT_NEAR(static_cast<double>(window.CurrentView().sx), 1015.0 / 200, 1e-12);
    EXPECT_NEAR(static_cast<double>(window.CurrentView().sy), 677.0 / 100, 1e-12);
    // World to screen: y grows upward.
    EXPECT_EQ(window.CurrentView().X(40), 203);  // 40·5.075
    EXPECT_EQ(window.CurrentView().X(200), 1015);
    EXPECT_EQ(window.CurrentView().Y(0), 677);
    EXPECT_EQ(window.CurrentView().Y(100), 0);
}

TEST(GraphicsWindow, EmptyWorldWindowAbortsAndKeepsScales) {
    GraphicsWindow window(Device(640, 480));
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 64, 48, abort);
    const real sx = window.CurrentView().sx;
    window.SetWindow(false, false, 0, 0, 1, 1, 5, 0, 5, 48, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(window.CurrentView().sx, sx);
}

TEST(GraphicsWindow, HeaderResetsZoomAndComputesAspectFactor) {
    GraphicsWindow window(Device(800, 600));
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 50, abort);
    window.SetScale(10, 10, 100, 100);
    window.Header(0, 0, 160, 120, abort);
    // G from the window before: (0.75·800/600·640/100) / (480/50) = 6.4 / 9.6
    EXPECT_NEAR(static_cast<double>(window.AspectFactor()), 6.4 / 9.6, 1e-12);
    const View& v = window.CurrentView();
    EXPECT_EQ(v.zoom, (ZoomRect{1, 1, 799, 599}));
    EXPECT_EQ(window.List()[window.List().Size() - 1].code, static_cast<int>(Cmd::LineStyle));
}

TEST(GraphicsWindow, RepeatedColoursStylesAndWidthsAreSuppressed) {
    GraphicsWindow window;
    window.SetColor(3);
    window.SetColor(3);
    window.SetColor(17);     // above the palette: never written
    window.SetColor(0);      // background
    window.SetLineWidth(1);  // the initial width
    window.SetLineWidth(2);
    window.SetLineStyleName("HIDDEN");
    window.SetLineStyleName("VERDECKT");
    window.SetColorAcad(2);  // CAD colour 2 is palette 14
    EXPECT_EQ(window.List().Dump(), "8;3\n8;0\n12;2\n11;3\n8;14\n");
    EXPECT_EQ(PenStyleOf(3), PenStyle::Dashed);
    EXPECT_EQ(LineStyleFromName("STRICHPUNKT"), 2);
    EXPECT_EQ(LineStyleFromName("whatever"), 0);
}

TEST(GraphicsWindow, CadColoursMapOntoThePalette) {
    EXPECT_EQ(GetColorTurbo(0), 0);
    EXPECT_EQ(GetColorTurbo(1), 12);
    EXPECT_EQ(GetColorTurbo(7), 15);
    EXPECT_EQ(GetColorTurbo(8), 1);
    EXPECT_EQ(GetColorTurbo(15), 8);
    EXPECT_EQ(GetColorTurbo(16), 12);  // (16 mod 16) + 1 = 1 → 12
    EXPECT_EQ(GetColorTurbo(40), 2);   // (40 mod 16) + 1 = 9 → 2
    EXPECT_EQ(PaletteColor(16), (Rgb{0, 0, 0}));
    EXPECT_EQ(PaletteColor(14), (Rgb{255, 255, 0}));
}

TEST(GraphicsWindow, SmallArcsBecomeChordsFullTurnsStayArcs) {
    GraphicsWindow window;
    window.Arc(0, 0, 0, 90, 2);
    EXPECT_EQ(window.List()[0].code, static_cast<int>(Cmd::Arc));
    EXPECT_EQ(FormatCommand(window.List()[0]).substr(0, 15), "5;-2;-2;2;2;2;0");
    window.Arc(0, 0, 10, 12, 2);  // 2° sweep
    EXPECT_EQ(window.List()[1].code, static_cast<int>(Cmd::Line));
    window.Arc(0, 0, 10, 368, 2);  // 358° sweep
    EXPECT_EQ(window.List()[2].code, static_cast<int>(Cmd::Arc));
    window.Arc(0, 0, 0, 360, 2);
    EXPECT_EQ(window.List()[3].code, static_cast<int>(Cmd::Arc));
}

TEST(GraphicsWindow, KeyZoomInAndOutReturnsWithinAPixel) {
    GraphicsWindow window(Device(1015, 677));
    bool abort = false;
    window.Header(0, 0, 160, 120, abort);
    const ZoomRect start = window.CurrentView().zoom;
    ASSERT_TRUE(window.ProcessKey(keys::kAdd));
    const ZoomRect in = window.CurrentView().zoom;
    EXPECT_LT(in.x2 - in.x1, start.x2 - start.x1);
    ASSERT_TRUE(window.ProcessKey(keys::kSubtract));
    const ZoomRect out = window.CurrentView().zoom;
    EXPECT_LE(std::abs(out.x1 - start.x1), 1);
    EXPECT_LE(std::abs(out.x2 - start.x2), 1);
    EXPECT_LE(std::abs(out.y1 - start.y1), 1);
    EXPECT_LE(std::abs(out.y2 - start.y2), 1);
    // Pan right moves the rectangle left by a tenth (default pan fraction 0.1).
    const ZoomRect before = window.CurrentView().zoom;
    window.ProcessKey(keys::kRight);
    EXPECT_EQ(window.CurrentView().zoom.x1, before.x1 - RoundPixel(0.1L * (before.x2 - before.x1)));
    window.ProcessKey(keys::kEscape);
    EXPECT_EQ(window.CurrentView().zoom, start);
    EXPECT_FALSE(window.ProcessKey('A'));
}

TEST(GraphicsWindow, RubberBandZoomsIntoTheMarkedArea) {
    GraphicsWindow window(Device(800, 600));
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 800, 600, abort);
    // A band without height changes nothing.
    EXPECT_FALSE(window.RubberBandZoom(100, 100, 300, 100, 800, 600));
    // The band from (200, 150) to (600, 450) in client pixels (y down) → zoom (200, 150)-(600, 450).
    ASSERT_TRUE(window.RubberBandZoom(600, 450, 200, 150, 800, 600));
    EXPECT_EQ(window.CurrentView().zoom, (ZoomRect{200, 150, 600, 450}));
    // The world now shown is the middle half.
    EXPECT_NEAR(static_cast<double>(window.CurrentView().wx1), 200, 1e-9);
    EXPECT_NEAR(static_cast<double>(window.CurrentView().sx), 2, 1e-12);
    window.RightButtonDown();
    EXPECT_EQ(window.CurrentView().zoom, (ZoomRect{0, 0, 800, 600}));
}

TEST(GraphicsWindow, TextDirectionAndReferencePoint) {
    EXPECT_TRUE(GetDirection(90));
    EXPECT_FALSE(GetDirection(45));
    EXPECT_TRUE(GetDirection(-90));
    EXPECT_FALSE(GetDirection(180));
    const TextOrigin o = TextReferencePoint(10, 20, 2, 90);
    EXPECT_NEAR(static_cast<double>(o.x), 10 - 1.4, 1e-12);
    EXPECT_NEAR(static_cast<double>(o.y), 20, 1e-12);
    const TextOrigin flat = TextReferencePoint(10, 20, 2, 0);
    EXPECT_EQ(flat.y, 21.5L);
}

}  // namespace
}  // namespace trb::graphics
