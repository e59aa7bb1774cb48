#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "graphics/graphics_window.h"
#include "gui/window/painter_canvas.h"

namespace trb::gui {
namespace {

// A 200 x 150 device whose world is the pixel grid with y upward: world (x, y) is pixel
// (x, 150 - y).
class ReplayTest : public ::testing::Test {
  protected:
    ReplayTest() {
        settings_.deviceWidth = 200;
        settings_.deviceHeight = 150;
        settings_.background = {255, 255, 255};
        window_.SetSettings(settings_);
        window_.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 200, 150, abort_);
    }

    QImage Render() {
        window_.SetSettings(settings_);
        QImage image(201, 151, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QPainter painter(&image);
        ReplayOnPainter(window_, painter, {}, {}, abort_);
        return image;
    }

    static int CountColour(const QImage& image, QRect area, QColor colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) == colour) ++count;
        return count;
    }
    static int CountNotWhite(const QImage& image, QRect area) {
        return area.width() * area.height() - CountColour(image, area, Qt::white);
    }

    graphics::WindowSettings settings_;
    graphics::GraphicsWindow window_;
    bool abort_ = false;
};

TEST_F(ReplayTest, PaletteColoursBackgroundAndMonochromeMode) {
    window_.SetColor(4);  // red
    window_.line(10, 100, 190, 100);
    window_.SetColor(1);
    window_.Solid(10, 10, 60, 10, 60, 60, 10, 60);
    window_.SetColor(0);  // erases in the background colour
    window_.Solid(20, 20, 40, 20, 40, 40, 20, 40);

    QImage image = Render();
    EXPECT_FALSE(abort_);
    EXPECT_EQ(image.pixelColor(100, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 150 - 15), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(30, 150 - 30), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 20), QColor(Qt::white)) << "the whole area takes the background colour";

    settings_.colorMode = false;
    image = Render();
    EXPECT_EQ(image.pixelColor(100, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15, 150 - 15), QColor(Qt::black));
}

TEST_F(ReplayTest, ArcRunsCounterClockwiseFromStartToEnd) {
    window_.SetColor(16);
    window_.SetLineWidth(2);
    window_.Arc(100, 75, 0, 90, 50);  // first quadrant only
    const QImage quarter = Render();
    EXPECT_GT(CountNotWhite(quarter, QRect(101, 20, 60, 50)), 20);  // above right of the centre
    EXPECT_EQ(CountNotWhite(quarter, QRect(40, 80, 58, 50)), 0);    // below left stays empty
    EXPECT_EQ(CountNotWhite(quarter, QRect(40, 20, 55, 50)), 0);    // above left stays empty

    window_.Clear();
    window_.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 200, 150, abort_);
    window_.Arc(100, 75, 90, 0, 50);  // three quarters, leaving the first quadrant out
    const QImage rest = Render();
    EXPECT_EQ(CountNotWhite(rest, QRect(103, 20, 60, 50)), 0);
    EXPECT_GT(CountNotWhite(rest, QRect(40, 80, 58, 50)), 20);
}

TEST_F(ReplayTest, TextStartsAtItsBaselinePointAndTurnsWithItsAngle) {
    window_.SetColor(16);
    window_.SetTextStyle(0, 0, 10, 8);
    window_.OutTextXY("HHHH", 50, 100);
    const QImage level = Render();
    // Text height 10 replays as 16 world units: the cell's top lies 12 units above the baseline
    // point (50, 100), and the letters run to the right of it without reaching below the baseline.
    EXPECT_GT(CountNotWhite(level, QRect(52, 150 - 112, 60, 12)), 20);
    EXPECT_EQ(CountNotWhite(level, QRect(0, 0, 48, 151)), 0);
    EXPECT_EQ(CountNotWhite(level, QRect(0, 150 - 100 + 6, 201, 40)), 0);

    window_.Clear();
    window_.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 200, 150, abort_);
    window_.SetTextStyle(0, 90, 10, 8);
    window_.OutTextXY("HHHH", 100, 40);
    const QImage upright = Render();
    // At 90 degrees the cell's corner moves 0.7 h (11.2 units) to the left of the given point and
    // the letters run upward from there.
    EXPECT_GT(CountNotWhite(upright, QRect(89, 150 - 40 - 70, 17, 70)), 20);
    EXPECT_EQ(CountNotWhite(upright, QRect(108, 0, 93, 151)), 0);
    EXPECT_EQ(CountNotWhite(upright, QRect(0, 0, 86, 151)), 0);
    EXPECT_EQ(CountNotWhite(upright, QRect(0, 150 - 40 + 3, 201, 30)), 0);
}

TEST_F(ReplayTest, EmptyWorldWindowStopsTheReplay) {
    window_.SetColor(4);
    window_.line(10, 100, 190, 100);
    window_.SetWindow(false, false, 0, 0, 1, 1, 5, 0, 5, 150, abort_);
    abort_ = false;
    window_.line(10, 20, 190, 20);
    const QImage image = Render();
    EXPECT_TRUE(abort_);
    EXPECT_EQ(image.pixelColor(100, 50), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(100, 130), QColor(Qt::white));
}

}  // namespace
}  // namespace trb::gui
