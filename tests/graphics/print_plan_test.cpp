#include "graphics/print_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace trb::graphics {
namespace {

// Records the lines drawn on paper.
class PaperCanvas : public ReplayCanvas {
  public:
    struct Segment {
        PixelPoint a, b;
    };
    std::vector<Segment> lines;
    std::vector<Rgb> colours;
    void SetColor(Rgb c) override { colours.push_back(c); }
    void Line(PixelPoint a, PixelPoint b) override { lines.push_back({a, b}); }
    void Ellipse(PixelPoint a, PixelPoint b) override { lines.push_back({a, b}); }
    void Arc(PixelPoint, PixelPoint, PixelPoint, PixelPoint) override {}
    void Polygon(const PixelPoint (&)[4]) override {}
    void Text(const PixelText&) override {}
};

// 10 dots per millimetre, so a dot is 0.1 mm.
PaperSheet Sheet(real width, real height) {
    PaperSheet sheet;
    sheet.widthMm = width;
    sheet.heightMm = height;
    sheet.dotsPerMmX = sheet.dotsPerMmY = 10;
    return sheet;
}

// A device whose pixels the window takes for non-square (0.75·W/H is not 1), so that x and y
// have different screen scales.
GraphicsWindow Window() {
    WindowSettings s;
    s.deviceWidth = 1000;
    s.deviceHeight = 600;
    return GraphicsWindow(s);
}

// An A4 sheet drawing as the production drawing draws it: the trimmed sheet and the frame.
void DrawSheet(GraphicsWindow& window) {
    bool abort = false;
    window.Header(-5, -5, 225, 310, abort);
    window.Rectangle(0, 0, 210, 297);
    window.Rectangle(18, 5, 205, 292);
    window.circle(100, 150, 20);
}

std::vector<PaperCanvas::Segment> Print(GraphicsWindow& window, const PaperSheet& sheet,
                                        const PrintoutSettings& settings, PrintPlan& plan) {
    bool abort = false;
    plan = PlanPrintout(window, sheet, settings, abort);
    PaperCanvas paper;
    NullCanvas screen;
    const PrintTarget target{&paper, plan.mapping, settings.colorMode, settings.border};
    Replay(window, screen, &target, abort);
    return paper.lines;
}

// A rectangle of 210 by 297 mm on an A4 sheet of 10 dots per millimetre, within a dot.
void ExpectOnTheA4PapersEdges(const DotRect& r) {
    EXPECT_NEAR(static_cast<double>(r.left), 0, 1);
    EXPECT_NEAR(static_cast<double>(r.right), 2100, 1);
    EXPECT_NEAR(static_cast<double>(r.top), 0, 1);
    EXPECT_NEAR(static_cast<double>(r.bottom), 2970, 1);
}

TEST(PrintPlan, ADrawingAtScaleOneHasItsRealSizeAndFillsItsSheet) {
    GraphicsWindow window = Window();
    DrawSheet(window);
    PrintPlan plan;
    const auto lines = Print(window, Sheet(210, 297), {}, plan);
    ASSERT_FALSE(plan.empty);
    // The trimmed sheet lies on the paper's edges, the frame 18 mm from the left and 5 mm from
    // the top and bottom (within a dot).
    ExpectOnTheA4PapersEdges(plan.drawing);
    ASSERT_EQ(lines.size(), 9u);
    const auto frameTopLeft = lines[7].a;      // (18, 292)
    const auto frameBottomRight = lines[5].a;  // (205, 5)
    EXPECT_NEAR(frameTopLeft.x, 180, 1);
    EXPECT_NEAR(frameTopLeft.y, 50, 1);
    EXPECT_NEAR(frameBottomRight.x, 2050, 1);
    EXPECT_NEAR(frameBottomRight.y, 2920, 1);
    // The circle is round on paper although the screen scales of x and y differ.
    const auto circle = lines[8];
    EXPECT_NEAR(circle.b.x - circle.a.x, 400, 1);
    EXPECT_NEAR(circle.b.y - circle.a.y, 400, 1);
}

TEST(PrintPlan, ScalesShrinkAboutTheSheetCentreAndOriginsMoveInMillimetres) {
    GraphicsWindow window = Window();
    DrawSheet(window);
    PrintoutSettings half;
    half.xscale = 0.5L;
    half.yscale = 0.5L;
    PrintPlan plan;
    Print(window, Sheet(210, 297), half, plan);
    EXPECT_NEAR(static_cast<double>(plan.drawing.Width()), 1050, 1);
    EXPECT_NEAR(static_cast<double>(plan.drawing.Height()), 1485, 1);
    EXPECT_NEAR(static_cast<double>(plan.drawing.left + plan.drawing.right) / 2, 1050, 1);

    PrintoutSettings moved;
    moved.xorigin = 21;  // a tenth of the A4 width to the right
    moved.yorigin = -10;
    Print(window, Sheet(210, 297), moved, plan);
    EXPECT_NEAR(static_cast<double>(plan.drawing.left), 210, 1);
    EXPECT_NEAR(static_cast<double>(plan.drawing.top), -100, 1);
}

TEST(PrintPlan, FittedPrintoutsFillThePrintableAreaKeepingTheirProportions) {
    GraphicsWindow window = Window();
    bool abort = false;
    window.Header(0, 0, 160, 120, abort);
    window.Rectangle(0, 0, 160, 120);
    PaperSheet sheet = Sheet(297, 210);
    sheet.printable = {50, 50, 2920, 2050};  // 5 mm the printer cannot reach
    PrintoutSettings fit;
    fit.fit = true;
    PrintPlan plan;
    Print(window, sheet, fit, plan);
    // 200 mm of height limit it: 160 x 120 becomes 266.7 x 200 mm, centred in the printable area.
    EXPECT_NEAR(static_cast<double>(plan.drawing.Height()), 2000, 1);
    EXPECT_NEAR(static_cast<double>(plan.drawing.Width()), 2666.7, 1);
    EXPECT_NEAR(static_cast<double>(plan.drawing.top), 50, 1);
    EXPECT_NEAR(static_cast<double>(plan.drawing.left + plan.drawing.right) / 2, 1485, 1);
}

TEST(PrintPlan, AZoomedViewPrintsEnlargedAndOnlyWhatTheWindowShows) {
    GraphicsWindow window = Window();
    bool abort = false;
    window.Header(0, 0, 100, 100, abort);
    window.Rectangle(0, 0, 100, 100);
    window.line(30, 50, 60, 50);  // 30 mm long
    const View& view = window.CurrentView();
    // Zoom into the middle of the viewport: twice as large.
    const int w = view.right - view.left, h = view.bottom - view.top;
    window.SetScale(view.left + w / 4, view.top + h / 4, view.right - w / 4, view.bottom - h / 4);
    PrintPlan plan;
    const auto lines = Print(window, Sheet(297, 210), {}, plan);
    ASSERT_FALSE(plan.empty);
    const auto& line = lines.back();
    EXPECT_NEAR(line.b.x - line.a.x, 600, 2);
    // The printed region is the viewport, the drawing clipped to it.
    EXPECT_LE(plan.clip.left, plan.drawing.left);
    EXPECT_GE(plan.clip.right, plan.drawing.right);
    const real dotsPerPixel = static_cast<real>(line.b.x - line.a.x) / (30 * view.sx);
    EXPECT_NEAR(static_cast<double>(plan.clip.Width()), static_cast<double>(w * dotsPerPixel), 2);
}

TEST(PrintPlan, TheBorderOutlinesTheDrawingWindowOnceAndAnEmptyListPrintsNothing) {
    GraphicsWindow window = Window();
    bool abort = false;
    window.Header(0, 0, 100, 50, abort);
    window.line(10, 10, 90, 40);
    PrintoutSettings border;
    border.border = true;
    PrintPlan plan;
    const auto lines = Print(window, Sheet(297, 210), border, plan);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NEAR(lines[1].b.x - lines[1].a.x, 1000, 1);  // (0, 50) to (100, 50)
    EXPECT_NEAR(static_cast<double>(plan.drawing.Width()), 1000, 1);

    GraphicsWindow empty = Window();
    empty.Header(0, 0, 100, 50, abort);
    EXPECT_TRUE(PlanPrintout(empty, Sheet(297, 210), {}, abort).empty);
}

// The x range on paper of the first four segments: the trimmed sheet's rectangle.
std::pair<int, int> SheetColumns(const std::vector<PaperCanvas::Segment>& lines) {
    int left = lines.at(0).a.x, right = left;
    for (std::size_t i = 0; i < 4; ++i)
        for (const PixelPoint& p : {lines.at(i).a, lines.at(i).b}) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
        }
    return {left, right};
}

// The A4 sheet with a note to the right of it, inside the window: 2 characters of a text 5 wide
// (5.5 with the width's 1.1), from x 211 to 222. At real size only the lines place the drawing, so
// the sheet stays on the paper's edges and the note falls off; a fitted printout makes room for
// the note, so the 222 mm from the sheet's left edge to the note's end fill the 210 mm of paper.
TEST(PrintPlan, ANoteBesideTheSheetCountsOnlyWhenThePrintoutIsFitted) {
    GraphicsWindow window = Window();
    DrawSheet(window);
    window.SetTextStyle(0, 0, 5, 5);
    window.OutTextXY("NO", 211, 150);

    PrintPlan plan;
    const auto realSize = Print(window, Sheet(210, 297), {}, plan);
    ASSERT_FALSE(plan.empty);
    ExpectOnTheA4PapersEdges(plan.drawing);
    const auto [realLeft, realRight] = SheetColumns(realSize);
    EXPECT_NEAR(realLeft, 0, 1);
    EXPECT_NEAR(realRight, 2100, 1);

    PrintoutSettings fit;
    fit.fit = true;
    const auto fitted = Print(window, Sheet(210, 297), fit, plan);
    ASSERT_FALSE(plan.empty);
    EXPECT_NEAR(static_cast<double>(plan.drawing.left), 0, 1);
    EXPECT_NEAR(static_cast<double>(plan.drawing.right), 2100, 1) << "the note ends on the paper's edge";
    const auto [fitLeft, fitRight] = SheetColumns(fitted);
    EXPECT_NEAR(fitLeft, 0, 1);
    EXPECT_NEAR(fitRight, 2100 * 210 / 222.0, 3) << "the sheet shrinks to leave room for the note";
}

TEST(PrintPlan, TheOrientationFollowsADrawingThatFitsOnlyOneWay) {
    const SheetSize a4{210, 297};
    PrintoutSettings landscape;
    PrintoutSettings portrait;
    portrait.landscape = false;
    EXPECT_FALSE(ChooseLandscape({210, 297}, landscape, a4));  // the A4 sheet drawing stands upright
    EXPECT_TRUE(ChooseLandscape({160, 120}, landscape, a4));   // fits either way: as configured
    EXPECT_FALSE(ChooseLandscape({160, 120}, portrait, a4));
    EXPECT_TRUE(ChooseLandscape({280, 150}, portrait, a4));
    EXPECT_TRUE(ChooseLandscape({400, 400}, landscape, a4));  // fits neither way
    PrintoutSettings small = landscape;
    small.xscale = small.yscale = 0.5L;
    EXPECT_TRUE(ChooseLandscape({210, 297}, small, a4));
    PrintoutSettings fitted = landscape;
    fitted.fit = true;
    EXPECT_TRUE(ChooseLandscape({210, 297}, fitted, a4));

    GraphicsWindow window = Window();
    DrawSheet(window);
    bool abort = false;
    const SheetSize size = DrawingSizeMm(window, abort);
    EXPECT_NEAR(static_cast<double>(size.widthMm), 210, 0.2);
    EXPECT_NEAR(static_cast<double>(size.heightMm), 297, 0.2);
}

TEST(PrintPlan, PaperColoursKeepEverythingVisible) {
    EXPECT_EQ(PrinterColor(12, 1), (Rgb{0, 0, 0}));
    EXPECT_EQ(PrinterColor(12, 2), PaletteColor(12));
    EXPECT_EQ(PrinterColor(15, 2), (Rgb{0, 0, 0}));       // white lines would vanish on paper
    EXPECT_EQ(PrinterColor(0, 1), (Rgb{255, 255, 255}));  // the background is the paper
}

}  // namespace
}  // namespace trb::graphics
