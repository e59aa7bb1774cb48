// The paper device: pens as on the screen but on white paper, blocks replayed as the screen
// replays them, and the placement of a drawing on an A4 sheet.
#include <gtest/gtest.h>

#include <cairo.h>

#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/messages.h"
#include "graphics/cairo_device.h"
#include "graphics/palette.h"
#include "graphics/paper_drawing.h"
#include "graphics/paper_output.h"

namespace trb::graphics {
namespace {

constexpr Rgb kRed{192, 0, 0};
constexpr Rgb kYellow{112, 112, 0};  // on paper
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kBlack{0, 0, 0};

struct Paper {
    Paper() {
        device.Limits(0, 0, 160, 120);
        device.EntitiesBegin();
    }
    const PaperItem& Last() const { return device.Drawing().items.back(); }
    const PaperDrawing& Drawing() const { return device.Drawing(); }

    DriverSettings settings;
    core::RunStatus status;
    bool abort = false;
    std::optional<PaperDrawing> handedOver;
    CairoDevice device{settings, status, abort, [this](const PaperDrawing& d) {
                           handedOver = d;
                           return true;
                       }};
};

// The contrast of a colour against white, as WCAG measures it (1 to 21).
double ContrastOnWhite(const Rgb& c) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
    return 1.05 / (luminance + 0.05);
}

TEST(PaperColor, EveryColourReadsOnWhiteInTheHueOfTheScreen) {
    for (int n = 1; n <= kMaxColor; ++n) {
        const Rgb screen = PaletteColor(n), paper = PaperColor(n);
        EXPECT_GE(ContrastOnWhite(paper), 4.5) << "colour " << n;
        // The same hue: no channel brighter than on the screen, and the strongest channel of a
        // coloured pen stays the strongest (grey and white become grey and black).
        EXPECT_LE(paper.red, screen.red) << n;
        EXPECT_LE(paper.green, screen.green) << n;
        EXPECT_LE(paper.blue, screen.blue) << n;
        for (const auto& [a, b] : {std::pair{&Rgb::red, &Rgb::green}, std::pair{&Rgb::green, &Rgb::blue},
                                   std::pair{&Rgb::red, &Rgb::blue}}) {
            if (screen.*a > screen.*b) {
                EXPECT_GT(paper.*a, paper.*b) << n;
            }
            if (screen.*a == screen.*b && screen != Rgb{255, 255, 255}) {
                EXPECT_EQ(paper.*a, paper.*b) << n;
            }
        }
    }
    EXPECT_EQ(PaperColor(15), kBlack) << "white";
    EXPECT_EQ(PaperColor(0), kBlack);
    EXPECT_EQ(PaperColor(17), kBlack);
}

TEST(CairoDevice, PensDrawInThePaperColoursWithTheirLineWidthsAndStyles) {
    Paper p;
    p.settings.penWidths[4] = 4;      // pen 20: 0.7 mm
    p.settings.cad.penColors[6] = 7;  // pen 22: white on the screen
    p.device.Pen(5);                  // contour layer: CAD colour 1, width 3
    p.device.Line(0, 0, 10, 0);
    EXPECT_EQ(p.Last().pen, (PaperPen{kRed, 0.5L, 0}));
    p.device.Pen(1);  // centre lines: dash-dot, thin, CAD colour 2
    p.device.Line(0, 0, 10, 0);
    EXPECT_EQ(p.Last().pen, (PaperPen{kYellow, 0.25L, 2}));
    p.device.Pen(2);
    p.device.Circle(0, 0, 5);
    EXPECT_EQ(p.Last().pen.lineStyle, 3);  // hidden lines: dashed
    p.device.Pen(20);
    p.device.Arc(0, 0, 0, 90, 5);
    EXPECT_EQ(p.Last().pen, (PaperPen{kBlue, 0.7L, 0}));
    p.device.Pen(22);  // white would vanish on paper
    p.device.Line(0, 0, 1, 1);
    EXPECT_EQ(p.Last().pen.color, kBlack);

    // With pens named by number and no colours of their own, every pen keeps the colour.
    p.device.Pen(20);
    p.settings.cad.layerMode = 2;
    p.device.Pen(22);
    p.device.Line(0, 0, 1, 1);
    EXPECT_EQ(p.Last().pen.color, kBlue);
    EXPECT_EQ(p.Last().pen.lineStyle, 0);

    p.device.Close();
    ASSERT_TRUE(p.handedOver);
    EXPECT_EQ(p.handedOver->items.size(), 6u);
    EXPECT_TRUE(p.device.Good());
}

TEST(CairoDevice, BlocksArePlacedTurnedAndScaledAsTheScreenReplaysThem) {
    Paper p;
    p.device.Pen(3);
    p.device.BlockBegin("INNER");
    p.device.Pen(4);
    p.device.Line(0, 0, 1, 0);
    p.device.BlockEnd();
    p.device.BlockBegin("OUTER");
    p.device.Pen(5);
    p.device.LineStyle(3);  // the screen's style is not part of a block
    p.device.Line(0, 0, 10, 0);
    p.device.Circle(10, 0, 2);
    p.device.Arc(0, 0, 0, 45, 3);
    cad::TextStyle style;
    style.height = 2;
    style.widthFactor = 0.8L;
    p.device.Text("\x84", 0, 5, style);  // "ä"
    p.device.Insert("INNER", 1, 1, 0, 5, 0);
    p.device.BlockEnd();
    EXPECT_TRUE(p.Drawing().items.empty());  // definitions draw nothing

    p.device.Pen(3);
    p.device.Insert("OUTER", 2, 3, 90, 100, 50);
    const auto& items = p.Drawing().items;
    ASSERT_EQ(items.size(), 5u);
    const auto near = [](real a, real b) { return std::fabs(a - b) < 1e-9L; };
    // x runs up after the quarter turn, scaled by 2; y runs left, scaled by 3.
    EXPECT_TRUE(near(items[0].v[0], 100) && near(items[0].v[1], 50)) << items[0].v[0] << " " << items[0].v[1];
    EXPECT_TRUE(near(items[0].v[2], 100) && near(items[0].v[3], 70));
    EXPECT_EQ(items[0].pen, (PaperPen{kRed, 0.5L, 0}));
    EXPECT_TRUE(near(items[1].v[1], 70) && near(items[1].v[2], 4));  // radius times the x scale
    EXPECT_TRUE(near(items[2].v[2], 90) && near(items[2].v[3], 135) && near(items[2].v[4], 6));
    const PaperItem& text = items[3];
    EXPECT_EQ(text.text, "\xC3\xA4");
    EXPECT_TRUE(near(text.v[0], 85) && near(text.v[1], 50));  // (0, 5) → 15 to the left
    EXPECT_TRUE(near(text.height, 6) && near(text.widthFactor, 0.8L * 2 / 3) && near(text.angle, 90));
    // The nested block inside the outer placement, in its own pen.
    EXPECT_TRUE(near(items[4].v[1], 60) && near(items[4].v[3], 62));
    EXPECT_EQ(items[4].pen.color, (Rgb{0, 128, 0}));  // pen 4: CAD colour 3, green on paper

    // Afterwards the pen of the insert is back.
    p.device.Line(0, 0, 1, 0);
    EXPECT_EQ(p.Last().pen, (PaperPen{kYellow, 0.25L, 0}));
    // An unknown block draws nothing.
    p.device.Insert("NONE", 1, 1, 0, 0, 0);
    EXPECT_EQ(p.Drawing().items.size(), 6u);
}

TEST(CairoDevice, ABlockInsertingItselfStopsAtTheDeepestLevel) {
    Paper p;
    p.device.BlockBegin("LOOP");
    p.device.Line(0, 0, 1, 0);
    p.device.Insert("LOOP", 1, 1, 0, 1, 0);
    p.device.BlockEnd();
    p.device.Insert("LOOP", 1, 1, 0, 0, 0);
    EXPECT_EQ(p.Drawing().items.size(), static_cast<std::size_t>(kMaxBlockDepth));
    EXPECT_TRUE(p.abort);
    ASSERT_EQ(p.status.MessageCount(), 1);
    EXPECT_EQ(p.status.Message(1), core::MsgBlockNesting(kMaxBlockDepth + 1));
}

// Whether the pixel at world (x, y) of a drawing painted at 4 pixels per millimetre (world y
// upward, 120 mm high) is inked.
bool InkedAt(const PaperDrawing& drawing, real x, real y) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640, 480);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, 4, 4);
    PaintDrawing(cr, drawing, SheetMapping{1, 0, -1, 120});
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const int column = static_cast<int>(x * 4);
    const int row = static_cast<int>((120 - y) * 4);
    const unsigned char* pixel =
        cairo_image_surface_get_data(surface) + row * cairo_image_surface_get_stride(surface) + column * 4;
    const bool inked = pixel[1] < 128;  // green of a little-endian xRGB pixel
    cairo_surface_destroy(surface);
    return inked;
}

// A solid takes its corners in DXF order: 1 and 2 along one edge, 3 and 4 along the opposite one,
// so that the outline runs 1, 2, 4, 3. Taken as 1, 2, 3, 4 the rectangle would become two
// triangles meeting in its middle (the arrowheads of the dimensions crossed).
TEST(CairoDevice, ASolidsOutlineRunsThroughItsCornersOneTwoFourThree) {
    Paper p;
    p.device.Pen(5);
    p.device.Solid(10, 10, 50, 10, 10, 40, 50, 40);
    const PaperItem solid = p.Last();  // a copy: later items move the list
    EXPECT_EQ(solid.shape, PaperShape::Solid);
    EXPECT_EQ(solid.v, (std::array<real, 8>{10, 10, 50, 10, 50, 40, 10, 40}));

    // Inside a block turned a quarter about its insertion point the order stays.
    p.device.BlockBegin("ARROW");
    p.device.Solid(0, 0, 4, 0, 0, 2, 4, 2);
    p.device.BlockEnd();
    p.device.Insert("ARROW", 1, 1, 90, 100, 50);
    const auto near = [](real a, real b) { return std::fabs(a - b) < 1e-9L; };
    const std::array<real, 8> turned = {100, 50, 100, 54, 98, 54, 98, 50};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_TRUE(near(p.Last().v[i], turned[i])) << "value " << i;

    // Painted, the whole rectangle is filled: the middles of its left and right edges too.
    PaperDrawing drawing;
    drawing.Add(solid);
    EXPECT_TRUE(InkedAt(drawing, 30, 25));
    EXPECT_TRUE(InkedAt(drawing, 12, 25));
    EXPECT_TRUE(InkedAt(drawing, 48, 25));
    EXPECT_TRUE(InkedAt(drawing, 30, 12));
    EXPECT_TRUE(InkedAt(drawing, 30, 38));
    EXPECT_FALSE(InkedAt(drawing, 8, 25));
    EXPECT_FALSE(InkedAt(drawing, 52, 25));
}

PaperDrawing Rectangle(real x1, real y1, real x2, real y2) {
    PaperDrawing d;
    d.limits.Add(x1 - 5, y1 - 5);
    d.limits.Add(x2 + 15, y2 + 13);
    for (const auto& [a, b, c, e] :
         {std::array<real, 4>{x1, y1, x2, y1}, {x2, y1, x2, y2}, {x2, y2, x1, y2}, {x1, y2, x1, y1}}) {
        PaperItem line;
        line.v = {a, b, c, e};
        d.Add(line);
    }
    PaperItem note;  // a text beyond the sheet, as the maker's line of the production drawing
    note.shape = PaperShape::Text;
    note.text = "KORVANE";
    note.height = 3.5L;
    note.v = {x1 + 1, y2 + 3};
    d.Add(note);
    return d;
}

TEST(PaperOutput, AnA4SheetLiesOnTheA4PageAtRealSizeAndLargerDrawingsAreFitted) {
    // The sheet's edge on the paper's edge, the note falls off.
    SheetPlacement a4 = PlaceOnA4(Rectangle(0, 0, 210, 297), RealSizePrintout());
    ASSERT_TRUE(a4.placed);
    EXPECT_FALSE(a4.fitted);
    EXPECT_NEAR(static_cast<double>(a4.widthMm), 210, 1e-9);
    EXPECT_NEAR(static_cast<double>(a4.mapping.ax), 1, 1e-9);
    EXPECT_NEAR(static_cast<double>(a4.mapping.bx), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(a4.mapping.ay), -1, 1e-9);
    EXPECT_NEAR(static_cast<double>(a4.mapping.by), 297, 1e-9);

    // A drawing wider than high lies on a landscape sheet, one higher than wide upright, whether it
    // would fit the other way or not.
    const auto orientation = [](const PaperDrawing& d) {
        const SheetPlacement sheet = PlaceOnA4(d, RealSizePrintoutFor(d));
        return sheet.widthMm > sheet.heightMm ? "landscape" : "portrait";
    };
    EXPECT_STREQ(orientation(Rectangle(0, 0, 160, 120)), "landscape");
    EXPECT_STREQ(orientation(Rectangle(0, 0, 120, 160)), "portrait");
    EXPECT_STREQ(orientation(Rectangle(0, 0, 250, 100)), "landscape");
    EXPECT_STREQ(orientation(Rectangle(0, 0, 100, 250)), "portrait");
    EXPECT_STREQ(orientation(Rectangle(0, 0, 205, 200)), "landscape");
    const SheetPlacement small =
        PlaceOnA4(Rectangle(0, 0, 160, 120), RealSizePrintoutFor(Rectangle(0, 0, 160, 120)));
    EXPECT_FALSE(small.fitted);
    EXPECT_NEAR(static_cast<double>(small.mapping.ax), 1, 1e-9) << "still at real size";
    // Too wide for a landscape sheet at real size: fitted, still landscape.
    EXPECT_STREQ(orientation(Rectangle(0, 0, 600, 100)), "landscape");

    // A wide drawing turns the sheet; the origins move it as on the printer.
    PrintoutSettings moved = RealSizePrintout();
    moved.xorigin = 21;
    const SheetPlacement wide = PlaceOnA4(Rectangle(0, 0, 250, 100), moved);
    EXPECT_NEAR(static_cast<double>(wide.widthMm), 297, 1e-9);
    EXPECT_NEAR(static_cast<double>(wide.mapping.bx), (297 - 250) / 2.0 + 21, 1e-9);
    EXPECT_NEAR(static_cast<double>(wide.mapping.by), 210 - (210 - 100) / 2.0, 1e-9);

    // Too large either way: fitted into the sheet less its margins, the same scale both ways.
    const SheetPlacement large = PlaceOnA4(Rectangle(0, 0, 500, 600), RealSizePrintout());
    EXPECT_TRUE(large.fitted);
    EXPECT_NEAR(static_cast<double>(large.mapping.ax), -static_cast<double>(large.mapping.ay), 1e-12);
    EXPECT_LE(static_cast<double>(large.mapping.ax) * 500, 190 + 1e-9);
    EXPECT_LE(static_cast<double>(large.mapping.ax) * 611, 277 + 1e-9);

    // Nothing drawn: nothing placed.
    EXPECT_FALSE(PlaceOnA4(PaperDrawing{}, RealSizePrintout()).placed);
}

TEST(PaperOutput, PicturesAreTheDrawingLimitsAtRealSize) {
    const SheetPlacement sheet = PlaceOnLimits(Rectangle(0, 0, 100, 50));
    EXPECT_NEAR(static_cast<double>(sheet.widthMm), 120, 1e-9);
    EXPECT_NEAR(static_cast<double>(sheet.heightMm), 68, 1e-9);
    EXPECT_NEAR(static_cast<double>(sheet.mapping.bx), 5, 1e-9);
    EXPECT_NEAR(static_cast<double>(sheet.mapping.by), 63, 1e-9);
    // Empty limits: the drawing's own extent.
    PaperDrawing unlimited = Rectangle(0, 0, 100, 50);
    unlimited.limits = {};
    EXPECT_NEAR(static_cast<double>(PlaceOnLimits(unlimited).heightMm), 56.5, 1e-9);
    std::string bytes;
    EXPECT_FALSE(WriteDrawingSvg(bytes, PaperDrawing{}));
}

}  // namespace
}  // namespace trb::graphics
