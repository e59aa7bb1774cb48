#include "config/dialog_fit.h"

#include <gtest/gtest.h>

#include "config/config_file.h"

namespace trb::config {
namespace {

TEST(DialogFit, ScalesAndCentresOverTheMainWindow) {
    ConfigSettings s;
    s.inputWindowScale = 150;
    s.dialogElementSize = 200;
    const Rect scaled = ScaleDialog({5, 6, 200, 100}, s);
    EXPECT_EQ(scaled.width, 300);
    EXPECT_EQ(scaled.height, 150);
    EXPECT_EQ(scaled.left, 5);
    EXPECT_EQ(ScaleElement(25, s), 50);
    const Rect centred = CentreOver(scaled, {100, 50, 900, 650});
    EXPECT_EQ(centred.left, 100 + 300);
    EXPECT_EQ(centred.top, 50 + 250 + 20);
    // A dialog larger than the window starts at its corner, still 20 pixels lower.
    const Rect large = CentreOver({0, 0, 1000, 1000}, {100, 50, 900, 650});
    EXPECT_EQ(large.left, 100);
    EXPECT_EQ(large.top, 70);
}

TEST(DialogFit, WindowScaleFollowsThePixelDensity) {
    EXPECT_EQ(InputWindowScaleFor({1920, 1080, 96, 0}, 900), 101);
    EXPECT_EQ(InputWindowScaleFor({1920, 1080, 144, 0}, 900), 151);
    EXPECT_EQ(InputWindowScaleFor({1920, 1080, 96, 1000}, 900), 107);  // 1000 / 946 + 0.009
}

TEST(DialogFit, ImportingAMissingFileChangesNothing) {
    ConfigSettings s;
    s.zoomFactor = 3;
    EXPECT_FALSE(ReadConfigFile("/nonexistent/other.cfg", s, "/", ScreenInfo{}).read);
    EXPECT_EQ(s.zoomFactor, 3);
}

}  // namespace
}  // namespace trb::config
