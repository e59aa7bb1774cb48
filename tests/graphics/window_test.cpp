#include "graphics/graphics_window.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
    // A window twice as wide as high: the smaller scale serves both directions.
    window.SetWindow(true, false, 0, 0, 1, 1, 0, 0, 200, 100, abort);
    const View& v = window.CurrentView();
    EXPECT_EQ(v.sx, v.sy);
    EXPECT_NEAR(static_cast<double>(v.sx), 1015.0 / 200, 1e-12);
    EXPECT_EQ(v.LengthX(80), v.LengthY(80));
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

// The device follows the drawing area: the window commands already in the list, the viewport
// and a zoom all follow a new size, and circles stay round at every size.
TEST(GraphicsWindow, ANewDeviceSizeRecomputesTheListsWindows) {
    GraphicsWindow window(Device(800, 600));
    bool abort = false;
    window.Header(0, 0, 160, 120, abort);
    window.circle(80, 60, 50);
    EXPECT_EQ(FormatCommand(window.List()[0]), "10;1;1;799;599;0;0;160;120");
    for (const auto& [w, h] : {std::pair{400, 600}, std::pair{1600, 500}, std::pair{801, 599}}) {
        ASSERT_TRUE(window.SetDeviceSize(w, h));
        EXPECT_EQ(FormatCommand(window.List()[0]),
                  "10;1;1;" + std::to_string(w - 1) + ";" + std::to_string(h - 1) + ";0;0;160;120");
        const View& v = window.CurrentView();
        EXPECT_EQ(v.right, w - 1);
        EXPECT_EQ(v.zoom, (ZoomRect{1, 1, static_cast<real>(w - 1), static_cast<real>(h - 1)}));
        EXPECT_EQ(v.sx, v.sy) << w << "x" << h;
        EXPECT_EQ(v.LengthX(100), v.LengthY(100));
    }
    // Back to the first size: the list is exactly as written, not worn by rounding.
    window.SetDeviceSize(800, 600);
    EXPECT_EQ(FormatCommand(window.List()[0]), "10;1;1;799;599;0;0;160;120");
    EXPECT_FALSE(window.SetDeviceSize(800, 600));
    EXPECT_FALSE(window.SetDeviceSize(0, 600)) << "a collapsed area keeps the last size";

    // A zoom keeps its share of the viewport.
    window.SetScale(200, 150, 600, 450);
    window.SetDeviceSize(1600, 1200);
    EXPECT_NEAR(static_cast<double>(window.CurrentView().wx1), 40, 0.5);
    EXPECT_NEAR(static_cast<double>(window.CurrentView().wy1), 30, 0.5);
}

TEST(GraphicsWindow, WheelZoomKeepsThePointUnderTheMouse) {
    GraphicsWindow window(Device(1000, 500));
    bool abort = false;
    window.Header(0, 0, 160, 120, abort);
    const View& v = window.CurrentView();
    const real x = v.WorldX(300), y = v.WorldY(200);
    ASSERT_TRUE(window.ZoomAt(300, 200, 1000, 500, 1.2L));
    EXPECT_NEAR(static_cast<double>(v.WorldX(300)), static_cast<double>(x), 1e-9);
    EXPECT_NEAR(static_cast<double>(v.WorldY(200)), static_cast<double>(y), 1e-9);
    EXPECT_EQ(v.sx, v.sy);
    // Deep in and out again, still about the same point and still round.
    for (int i = 0; i < 40; ++i) window.ZoomAt(300, 200, 1000, 500, 1.2L);
    EXPECT_NEAR(static_cast<double>(v.WorldX(300)), static_cast<double>(x), 1e-9);
    for (int i = 0; i < 41; ++i) window.ZoomAt(300, 200, 1000, 500, 1 / 1.2L);
    EXPECT_NEAR(static_cast<double>(v.WorldY(200)), static_cast<double>(y), 1e-9);
    EXPECT_NEAR(static_cast<double>(v.sx), 498.0 / 120, 1e-9);
    EXPECT_EQ(v.sx, v.sy);
    EXPECT_FALSE(window.ZoomAt(300, 200, 1000, 500, 1));
    // A double click shows the whole drawing again and adds nothing to the list.
    const std::size_t size = window.List().Size();
    window.DoubleClickReset();
    EXPECT_EQ(v.zoom, (ZoomRect{1, 1, 999, 499}));
    EXPECT_EQ(window.List().Size(), size);
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

TEST(GraphicsWindow, HeaderResetsZoom) {
    GraphicsWindow window(Device(800, 600));
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 100, 50, abort);
    window.SetScale(10, 10, 100, 100);
    window.Header(0, 0, 160, 120, abort);
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

    // With one scale, a band wider than the viewport's shape is shown whole and centred.
    window.Header(0, 0, 800, 600, abort);
    const View& v = window.CurrentView();
    const real xa = v.WorldX(100), xb = v.WorldX(500), ya = v.WorldY(300), yb = v.WorldY(200);
    ASSERT_TRUE(window.RubberBandZoom(100, 200, 500, 300, 800, 600));
    EXPECT_EQ(v.sx, v.sy);
    EXPECT_NEAR(static_cast<double>(v.WorldX(v.left)), static_cast<double>(xa), 1e-6);
    EXPECT_NEAR(static_cast<double>(v.WorldX(v.right)), static_cast<double>(xb), 1e-6);
    EXPECT_NEAR(static_cast<double>(v.WorldY((v.top + v.bottom) / 2.0L)), static_cast<double>((ya + yb) / 2),
                1e-6);
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
