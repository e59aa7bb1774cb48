#include "graphics/replay.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace trb::graphics {
namespace {

class RecordingCanvas : public ReplayCanvas {
  public:
    std::vector<std::string> calls;
    std::vector<PixelText> texts;
    Rgb color;
    void SetColor(Rgb c) override { color = c; }
    void SetPenStyle(PenStyle s) override { calls.push_back("style " + std::to_string(static_cast<int>(s))); }
    void SetPenWidth(int w) override { calls.push_back("width " + std::to_string(w)); }
    void Line(PixelPoint a, PixelPoint b) override {
        calls.push_back("line " + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
                        std::to_string(b.x) + "," + std::to_string(b.y));
    }
    void Ellipse(PixelPoint, PixelPoint) override { calls.push_back("ellipse"); }
    void Arc(PixelPoint, PixelPoint, PixelPoint, PixelPoint) override { calls.push_back("arc"); }
    void Polygon(const PixelPoint (&p)[4]) override {
        std::string call = "polygon";
        for (const PixelPoint& c : p) call += " " + std::to_string(c.x) + "," + std::to_string(c.y);
        calls.push_back(call);
    }
    void Text(const PixelText& t) override {
        calls.push_back("text " + t.text);
        texts.push_back(t);
    }
};

WindowSettings Device() {
    WindowSettings s;
    s.deviceWidth = 800;
    s.deviceHeight = 600;
    s.background = {10, 20, 30};
    return s;
}

TEST(Replay, ZoomSurvivesWindowCommandsUntilTheNextHeader) {
    GraphicsWindow window(Device());
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 800, 600, abort);
    window.line(0, 0, 400, 300);
    window.RubberBandZoom(0, 300, 400, 600, 800, 600);  // lower left quarter
    RecordingCanvas canvas;
    Replay(window, canvas, nullptr, abort);
    ASSERT_FALSE(abort);
    // Doubled: the line from the corner reaches the top right of the client area.
    EXPECT_EQ(canvas.calls.back(), "line 0,600 800,0");
    bool headerAbort = false;
    window.Header(0, 0, 800, 600, headerAbort);
    window.line(0, 0, 400, 300);
    RecordingCanvas again;
    Replay(window, again, nullptr, abort);
    EXPECT_EQ(again.calls.back(), "line 1,599 400,300");
}

// A solid comes with its corners in a DXF SOLID's order (the fourth opposite the first); the canvas gets
// them round the outline, so that a rectangle fills whole and is no bow tie.
TEST(Replay, SolidsFillRoundTheirOutline) {
    GraphicsWindow window(Device());
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 800, 600, abort);
    window.Solid(0, 0, 400, 0, 0, 300, 400, 300);
    RecordingCanvas canvas;
    Replay(window, canvas, nullptr, abort);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.back(), "polygon 0,600 400,600 400,300 0,300");
}

TEST(Replay, StopsAtAnEmptyWindow) {
    GraphicsWindow window(Device());
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 10, 10, abort);
    window.line(0, 0, 1, 1);
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 0, 10, abort);
    abort = false;
    window.line(0, 0, 1, 1);
    RecordingCanvas canvas;
    Replay(window, canvas, nullptr, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(canvas.calls.size(), 1u);
}

TEST(Replay, TextsGoToPaperOnlyWhilePrinting) {
    GraphicsWindow window(Device());
    bool abort = false;
    window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 800, 600, abort);
    window.SetColor(0);
    window.line(0, 0, 10, 10);
    window.SetTextStyle(2, 90, 10, 5);
    window.OutTextXY("abc", 100, 100);
    window.SetLineWidth(2);
    RecordingCanvas screen, paper;
    PrintTarget print;
    print.canvas = &paper;
    PaperSheet sheet;
    sheet.dotsPerMmX = sheet.dotsPerMmY = 4;
    print.mapping = PrinterMapping(window.CurrentView(), sheet, {});  // one world unit: 4 dots
    Replay(window, screen, &print, abort);
    EXPECT_EQ(screen.color, (Rgb{10, 20, 30}));    // colour 0 is the background
    EXPECT_EQ(paper.color, (Rgb{255, 255, 255}));  // and the paper's white on paper
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"line 0,600 10,590", "width 2"}));
    // Width 2 is a 0.35 mm line.
    EXPECT_EQ(paper.calls, (std::vector<std::string>{"line 0,2400 40,2360", "text abc", "width 1"}));
    const PixelText& t = paper.texts.front();
    EXPECT_EQ(t.escapement, 900);
    EXPECT_EQ(t.height, 64);  // 10·1.6 world units, 4 dots each
    // At 90° the cell's corner lies 0.7·h to the left of the given point and at its height.
    EXPECT_EQ(t.origin.x, RoundPixel(4 * (100 - 0.7L * 16)));
    EXPECT_EQ(t.origin.y, 4 * (600 - 100));
}

// One world unit is one pixel (800 by 600 over 800 by 600) and four dots on paper. A text style
// of height 20 and width 50 is 32 by 55 world units (1.6 and 1.1 times), then the settings' factors
// scale each: 1.25 and 0.8 make 40 by 44.
TEST(Replay, TheSettingsTextFactorsScaleHeightAndWidthEachOnItsOwn) {
    const auto texts = [](real heightFactor, real widthFactor) {
        WindowSettings settings = Device();
        settings.textHeightFactor = heightFactor;
        settings.textWidthFactor = widthFactor;
        GraphicsWindow window(settings);
        bool abort = false;
        window.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 800, 600, abort);
        window.SetTextStyle(2, 0, 20, 50);
        window.OutTextXY("abc", 100, 100);
        RecordingCanvas screen, paper;
        Replay(window, screen, nullptr, abort);
        PrintTarget print;
        print.canvas = &paper;
        PaperSheet sheet;
        sheet.dotsPerMmX = sheet.dotsPerMmY = 4;
        print.mapping = PrinterMapping(window.CurrentView(), sheet, {});
        RecordingCanvas unused;
        Replay(window, unused, &print, abort);
        EXPECT_FALSE(abort);
        return std::pair{screen.texts.at(0), paper.texts.at(0)};
    };
    const auto [plainScreen, plainPaper] = texts(1, 1);
    EXPECT_EQ(plainScreen.height, 32);
    EXPECT_EQ(plainScreen.width, 55);
    EXPECT_EQ(plainPaper.height, 4 * 32);
    EXPECT_EQ(plainPaper.width, 4 * 55);

    const auto [narrowScreen, narrowPaper] = texts(1, 0.8L);
    EXPECT_EQ(narrowScreen.height, 32);
    EXPECT_EQ(narrowScreen.width, 44);
    EXPECT_EQ(narrowPaper.height, 4 * 32);
    EXPECT_EQ(narrowPaper.width, 4 * 44);

    const auto [tallScreen, tallPaper] = texts(1.25L, 1);
    EXPECT_EQ(tallScreen.height, 40);
    EXPECT_EQ(tallScreen.width, 55);
    EXPECT_EQ(tallPaper.height, 4 * 40);
    EXPECT_EQ(tallPaper.width, 4 * 55);
}

}  // namespace
}  // namespace trb::graphics
