#include "graphics/driver.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include <numbers>

#include "config/settings.h"
#include "driver_fixture.h"
#include "graphics/driver_settings.h"

namespace trb::graphics {
namespace {

using testing::DriverFixture;

TEST(Driver, PensFoldIntoTheirRangeAndArcsOfRadiusZeroVanish) {
    DriverFixture f;
    auto& device = f.Record();
    f.driver->CadColor(40);
    f.driver->CadColor(-3);
    f.driver->CadArc(0, 0, 0, 90, 0);
    EXPECT_EQ(device.calls, (std::vector<std::string>{"Pen 24", "Pen 0"}));
    EXPECT_EQ(f.driver->Pen(), 0);
}

TEST(Driver, PolylinesBecomeLinesAndArcsOnDevicesWithoutThem) {
    constexpr real kQuarter = std::numbers::pi_v<real> / 2;
    DriverFixture f;
    auto& device = f.Record(kDeviceText);
    // Angles 0, π/2, 0: a line to (10, 0), then a quarter arc to (0, 10).
    f.driver->CadPolylineBegin(0);
    f.driver->CadVertex(0, 0, 0);
    f.driver->CadVertex(kQuarter, 10, 0);
    f.driver->CadVertex(0, 0, 10);
    f.driver->CadPolylineEnd();
    EXPECT_EQ(device.calls, (std::vector<std::string>{"Line 0 0 10 0", "Arc 0 0 0 90 10"}));
    // Clockwise arcs are drawn counter-clockwise from the end back to the start.
    device.calls.clear();
    f.driver->CadPolylineBegin(0);
    f.driver->CadVertex(-kQuarter, 0, 10);
    f.driver->CadVertex(0, 10, 0);
    f.driver->CadPolylineEnd();
    EXPECT_EQ(device.calls, (std::vector<std::string>{"Arc 0 0 0 90 10"}));
    // A closed polyline gets its closing side, as a DXF reader draws it.
    device.calls.clear();
    f.driver->CadPolylineBegin(1);
    f.driver->CadVertex(0, 0, 0);
    f.driver->CadVertex(0, 4, 0);
    f.driver->CadVertex(0, 4, 3);
    f.driver->CadPolylineEnd();
    EXPECT_EQ(device.calls.back(), "Line 4 3 0 0");
}

TEST(Driver, PolylineDevicesGetBulges) {
    DriverFixture f;
    auto& device = f.Record(kDeviceDxf, true);
    f.driver->CadPolylineBegin(1);
    f.driver->CadVertex(std::numbers::pi_v<real>, 1, 2);  // half circle: bulge tan(π/4) = 1
    f.driver->CadVertex(0, 3, 2);
    f.driver->CadPolylineEnd();
    EXPECT_EQ(device.calls,
              (std::vector<std::string>{"PolylineBegin 1", "Vertex 1 1 2", "Vertex 0 3 2", "PolylineEnd"}));
}

TEST(Driver, TextStyleAndTextLines) {
    DriverFixture f;
    f.settings.cadTextWidthFactor = 0.8L;
    f.driver->SetSettings(f.settings);
    auto& device = f.Record();
    f.driver->CadTextStyle(2, 0, 5, 4);
    EXPECT_NEAR(static_cast<double>(f.driver->TextStyle().widthFactor), 0.64, 1e-12);  // 0.8·4/5
    f.driver->CadTextStyle(2, 0, 2, 0);
    EXPECT_NEAR(static_cast<double>(f.driver->TextStyle().widthFactor), 0.56, 1e-12);  // 0.8·0.7
    f.driver->CadTextPosition(100, 115);
    f.driver->CadLineSpacing(1.5L);
    f.driver->CadTextLine("a");
    f.driver->CadTextLine("");  // moves on, writes nothing
    f.driver->CadTextLine("b");
    const auto texts = device.With("Text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].substr(0, 13), "Text a 100 11");
    EXPECT_EQ(texts[1].substr(0, 17), "Text b 100 105.4 ");  // 115 − 2·(2·1.6·1.5)
}

TEST(DriverSettings, TakeLineWidthsAndTheCadPartFromTheConfiguration) {
    config::ConfigSettings c;
    for (std::size_t i = 0; i < c.layers.size(); ++i) {
        c.layers[i].thickness = static_cast<int>(10 + i);
        c.layers[i].colour = static_cast<int>(20 + i);
    }
    for (std::size_t i = 0; i < c.colourLayers.size(); ++i) {
        c.colourLayers[i].thickness = static_cast<int>(30 + i);
        c.colourLayers[i].colour = static_cast<int>(50 + i);
    }
    c.layers[5].name = "MASS";
    c.layerMonochrome = true;
    const DriverSettings s = DriverSettingsFrom(c);
    EXPECT_EQ(s.layerWidths, (std::array<int, 6>{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(s.penWidths.front(), 30);
    EXPECT_EQ(s.penWidths.back(), 45);  // pen 31
    EXPECT_EQ(s.cad.layerColors.front(), 20);
    EXPECT_EQ(s.cad.penColors.back(), 65);
    EXPECT_EQ(s.cad.layerNames[0], "0");  // layer 0 keeps its name
    EXPECT_EQ(s.cad.layerNames[5], "MASS");
    EXPECT_TRUE(s.cad.monochromeLayers);
}

TEST(Driver, RectanglesAndPolarMoves) {
    DriverFixture f;
    auto& device = f.Record();
    f.driver->CadRectangle(0, 0, 4, 3);
    EXPECT_EQ(device.calls,
              (std::vector<std::string>{"Line 0 0 0 3", "Line 0 3 4 3", "Line 4 3 4 0", "Line 4 0 0 0"}));
    device.calls.clear();
    f.driver->CadPolarMoveTo(2, 0);
    f.driver->CadPolarLineTo(2, std::numbers::pi_v<real> / 2);
    EXPECT_EQ(device.calls, (std::vector<std::string>{"Line 2 0 0 2"}));
}

TEST(Driver, ArrowsSitOutsideShortDimensions) {
    DriverFixture f;
    auto& device = f.Record();
    // 8 units at symbol scale 1: the arrow at the left end points left (body outside).
    f.driver->CadDimHorizontal("8", "", "", 0, 8, 5);
    auto solids = device.With("Solid");
    ASSERT_EQ(solids.size(), 2u);
    EXPECT_EQ(solids[0].substr(0, 12), "Solid 8 5 11");  // first arrow tip at x = 8, body to the right
    // 12 units: arrows inside.
    device.calls.clear();
    f.driver->CadDimHorizontal("12", "", "", 0, 12, 5);
    solids = device.With("Solid");
    EXPECT_EQ(solids[0].substr(0, 12), "Solid 0 5 3.");
    EXPECT_EQ(device.With("Line")[0], "Line 0 5 12 5");
    // The vertical dimension: arrows at 90° (bottom) and 270° (top) when long enough.
    device.calls.clear();
    f.driver->CadDimVertical("20", "", "", 0, 20, 1);
    solids = device.With("Solid");
    EXPECT_EQ(solids[0].substr(0, 17), "Solid 1 0 0.39223");      // 1 + 3.5·cos 100° = 0.392232
    EXPECT_EQ(device.With("Text")[0].substr(0, 9), "Text 20 0");  // at x − s
}

TEST(Driver, ToleranceTexts) {
    DriverFixture f;
    auto& device = f.Record();
    const auto texts = [&](std::string_view upper, std::string_view lower) {
        device.calls.clear();
        f.driver->CadDimHorizontal("50", upper, lower, 0, 40, 10);
        std::vector<std::string> out;
        for (const std::string& t : device.With("Text")) out.push_back(t.substr(5, t.find(' ', 5) - 5));
        return out;
    };
    EXPECT_EQ(texts("0.025", "-0.025"), (std::vector<std::string>{"50",
                                                                  "\xF1"
                                                                  "0.025"}));
    EXPECT_EQ(texts("0.03", "0.01"), (std::vector<std::string>{"50", "+0.01", "+0.03"}));
    EXPECT_EQ(texts("0", "-0.02"), (std::vector<std::string>{"50", "-0.02"}));
    EXPECT_EQ(texts("", "-0.1"), (std::vector<std::string>{"50", "-0.1"}));
}

// "120 +0.07 +0.05": the two deviations are stacked with a gap, across a horizontal and beside a
// vertical dimension line, so that neither covers the other.
TEST(Driver, StackedDeviationsDoNotOverlap) {
    DriverFixture f;
    auto& device = f.Record();
    const auto fields = [](const std::string& call) {
        std::istringstream in(call.substr(call.find(' ', 5)));
        real x = 0, y = 0, height = 0;
        in >> x >> y >> height;
        return std::array<real, 3>{x, y, height};
    };
    f.driver->CadDimHorizontal("120", "0.07", "0.05", 0, 40, 10);
    auto texts = device.With("Text");
    ASSERT_EQ(texts.size(), 3u);
    auto lower = fields(texts[1]), upper = fields(texts[2]);
    EXPECT_EQ(lower[1], 10.5L) << "the lower deviation sits half a symbol scale above the line";
    EXPECT_GT(upper[1] - lower[1], 1.2L * lower[2]) << texts[1] << " / " << texts[2];
    EXPECT_EQ(upper[0], lower[0]);

    device.calls.clear();
    f.driver->CadDimVertical("120", "0.07", "0.05", 0, 40, 10);
    texts = device.With("Text");
    ASSERT_EQ(texts.size(), 3u);
    lower = fields(texts[1]);
    upper = fields(texts[2]);
    EXPECT_GT(lower[0] - upper[0], 1.2L * lower[2]) << "upper further left of the vertical line";
    EXPECT_EQ(upper[1], lower[1]);
}

TEST(Driver, ExtensionLinesEndBeyondTheDimensionLine) {
    DriverFixture f;
    auto& device = f.Record();
    f.driver->CadSymbolScale(2);
    f.driver->CadDimHorizontalExt("30", "", "", 0, 10, 30, 10, 2);
    const auto lines = device.With("Line");
    EXPECT_EQ(device.calls.front(), "Pen 3");
    EXPECT_EQ(lines[0], "Line 0 10 0 0");  // down to y − s
    EXPECT_EQ(lines[1], "Line 30 10 30 0");
    device.calls.clear();
    f.driver->CadDimVerticalExt("30", "", "", 10, 0, 10, 30, 20);
    EXPECT_EQ(device.With("Line")[0], "Line 10 0 22 0");  // right of x when x > xa
}

TEST(Driver, BlocksThatCannotBeRecordedAreSkipped) {
    DriverFixture f;
    auto& device = f.Record();
    device.acceptBlocks = false;
    f.driver->CadBlocksBegin();
    f.driver->CadBlockBegin("A");
    EXPECT_TRUE(f.abort);
    f.driver->CadBlockBegin("B");  // nothing while the flag is set
    f.driver->CadBlockEnd();       // clears it instead of ending a block
    EXPECT_FALSE(f.abort);
    EXPECT_EQ(device.With("BlockBegin"), (std::vector<std::string>{"BlockBegin A"}));
}

}  // namespace
}  // namespace trb::graphics
