// The colour map's pieces: the round resampling, the ramp, marching squares and line clipping.
#include <gmock/gmock.h>

#include <cmath>
#include <vector>

#include "cad/cad_colors.h"
#include "graphics/film_map.h"

namespace trb::graphics {
namespace {

TEST(FilmMapTest, ResamplingCoversTheTurnAndWrapsAcrossZero) {
    // Four columns at 45°, 135°, 225°, 315° with one row; the value is the column's number.
    const std::vector<double> angles{45, 135, 225, 315};
    const NodeField f = ResampleRound(angles, 1, {0, 1, 2, 3}, 8);
    ASSERT_EQ(f.columns, 9);
    EXPECT_DOUBLE_EQ(f.At(1, 0), 0);    // 45°
    EXPECT_DOUBLE_EQ(f.At(2, 0), 0.5);  // 90°, halfway from 45° to 135°
    EXPECT_DOUBLE_EQ(f.At(7, 0), 3);    // 315°
    // 0° lies halfway between 315° and 405° (= 45°), and 360° equals 0°.
    EXPECT_DOUBLE_EQ(f.At(0, 0), 1.5);
    EXPECT_DOUBLE_EQ(f.At(8, 0), 1.5);
    // Values that do not fit the grid give nothing.
    EXPECT_EQ(ResampleRound(angles, 2, {0, 1, 2, 3}, 8).columns, 0);
    EXPECT_EQ(ResampleRound({10}, 1, {1}, 8).columns, 0);
}

TEST(FilmMapTest, TheRampDarkensThroughoutAndStaysInItsEnds) {
    const auto brightness = [](Rgb c) { return 299 * c.red + 587 * c.green + 114 * c.blue; };
    int last = brightness(RampColor(0)) + 1;
    for (int i = 0; i <= 100; ++i) {
        const int b = brightness(RampColor(i / 100.0));
        EXPECT_LT(b, last) << i;
        last = b;
    }
    EXPECT_EQ(RampColor(-1).blue, RampColor(0).blue);
    EXPECT_EQ(RampColor(2).red, 128);
    EXPECT_EQ(RampColor(std::nan("")).green, RampColor(0).green);
}

TEST(FilmMapTest, ContoursCrossTheEdgesWhereTheFieldMeetsTheLevel) {
    // A 2 by 2 cell rising along x from 0 to 4: the level 1 crosses a quarter of the way, as a line
    // from bottom to top.
    NodeField f{2, 2, {0, 0, 4, 4}};
    std::vector<GridSegment> s = ContourSegments(f, 1);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_DOUBLE_EQ(s[0].x1, 0.25);
    EXPECT_DOUBLE_EQ(s[0].x2, 0.25);
    EXPECT_DOUBLE_EQ(std::fabs(s[0].y1 - s[0].y2), 1);
    EXPECT_TRUE(ContourSegments(f, 5).empty());
    EXPECT_TRUE(ContourSegments(f, -1).empty());
    // A saddle (high corners 0 and 2) with a high mean joins them: the two lines cut off corners 1 and 3.
    NodeField saddle{2, 2, {4, 0, 0, 4}};  // (0,0)=4, (0,1)=0, (1,0)=0, (1,1)=4
    s = ContourSegments(saddle, 1);
    ASSERT_EQ(s.size(), 2u);
    for (const GridSegment& g : s) {
        // Each line stays near the low corner it cuts off: (1,0) or (0,1).
        const double mx = (g.x1 + g.x2) / 2, my = (g.y1 + g.y2) / 2;
        EXPECT_TRUE((mx > 0.5 && my < 0.5) || (mx < 0.5 && my > 0.5)) << mx << " " << my;
    }
    s = ContourSegments(saddle, 3);  // the mean 2 is below: the high corners are cut off
    ASSERT_EQ(s.size(), 2u);
    for (const GridSegment& g : s) {
        const double mx = (g.x1 + g.x2) / 2, my = (g.y1 + g.y2) / 2;
        EXPECT_TRUE((mx < 0.5 && my < 0.5) || (mx > 0.5 && my > 0.5)) << mx << " " << my;
    }
}

TEST(FilmMapTest, ClippingKeepsThePartInsideTheRectangle) {
    const Rect area{0, 0, 10, 10};
    real x1 = -5, y1 = 5, x2 = 15, y2 = 5;
    ASSERT_TRUE(ClipLine(area, x1, y1, x2, y2));
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(x2, 10);
    x1 = 2, y1 = 2, x2 = 3, y2 = 4;
    ASSERT_TRUE(ClipLine(area, x1, y1, x2, y2));
    EXPECT_EQ(x1, 2);
    EXPECT_EQ(y2, 4);
    x1 = -1, y1 = -1, x2 = -2, y2 = 20;
    EXPECT_FALSE(ClipLine(area, x1, y1, x2, y2));
    x1 = 11, y1 = 0, x2 = 11, y2 = 5;  // parallel to a side, outside it
    EXPECT_FALSE(ClipLine(area, x1, y1, x2, y2));
}

TEST(FilmMapTest, CadColoursAreTheNearestOfThePaletteButNeverIndexSeven) {
    EXPECT_EQ(cad::NearestCadColor(255, 0, 0), 1);
    EXPECT_EQ(cad::NearestCadColor(0, 0, 255), 5);
    EXPECT_NE(cad::NearestCadColor(255, 255, 255), 7);
    const cad::CadRgb dark = cad::CadColorRgb(cad::NearestCadColor(128, 0, 38));
    EXPECT_LT(dark.red, 180);
    EXPECT_LT(dark.green, 40);
}

}  // namespace
}  // namespace trb::graphics
