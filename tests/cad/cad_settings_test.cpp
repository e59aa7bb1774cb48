#include "cad/cad_settings.h"

#include <gtest/gtest.h>

#include "cad/cad_numbers.h"
#include "config/settings.h"

namespace trb::cad {
namespace {

TEST(CadSettings, LayerNamesLoseTheCharactersDxfForbids) {
    EXPECT_EQ(DxfSafeLayerName("a/b\\c\"d:e;f?g*h|i=j<k>l"), "a_b_c_d_e_f_g_h_i_j_k_l");
    EXPECT_EQ(DxfSafeLayerName("Kontur 0.5 mm"), "Kontur 0.5 mm");
    EXPECT_EQ(DxfSafeLayerName(std::string(40, 'L')), std::string(32, 'L'));
    EXPECT_EQ(DxfSafeLayerName("a\tb"), "a_b");
}

TEST(CadSettings, PensNameTheirLayerByMode) {
    CadSettings settings;
    settings.layerNames = {"ignored", "MITTE", "VERDECKT", "MASS", "", "KONTUR"};
    EXPECT_EQ(PenLayerName(settings, 0), "0");
    EXPECT_EQ(PenLayerName(settings, 1), "MITTE");
    EXPECT_EQ(PenLayerName(settings, 4), "4");  // empty configured name
    EXPECT_EQ(PenLayerName(settings, 5), "KONTUR");
    EXPECT_EQ(PenLayerName(settings, 17), "17");
    settings.layerMode = 2;
    EXPECT_EQ(PenLayerName(settings, 1), "1");
    EXPECT_EQ(PenLayerName(settings, 0), "0");
}

TEST(CadSettings, TakesLayersPensAndFormatFromTheConfiguration) {
    config::ConfigSettings config;
    config.layers[5].name = "KONTUR";
    config.layers[5].colour = 7;
    config.colourLayers[0].colour = 9;   // pen 16
    config.colourLayers[15].colour = 4;  // pen 31
    config.layerMonochrome = true;
    config.decimalsCad = 4;
    config.format.cadTextMode = 3;
    const CadSettings settings = CadSettingsFromConfig(config);
    EXPECT_EQ(settings.layerNames[0], "0");
    EXPECT_EQ(settings.layerNames[5], "KONTUR");
    EXPECT_EQ(settings.layerColors[5], 7);
    EXPECT_EQ(settings.penColors[0], 9);
    EXPECT_EQ(settings.penColors[15], 4);
    EXPECT_TRUE(settings.monochromeLayers);
    EXPECT_EQ(settings.dxfDecimals, 4);
    EXPECT_EQ(settings.format.cadTextMode, 3);
}

TEST(CadNumbers, FixedTextIsPlainAndLocaleFree) {
    EXPECT_EQ(FixedText(12.5L, 6), "12.500000");
    EXPECT_EQ(FixedText(-0.0000001L, 3), "0.000");
    EXPECT_EQ(FixedText(-1.2345L, 2, ','), "-1,23");
    EXPECT_EQ(FixedText(7, 0), "7");
}

TEST(CadNumbers, CompactTextKeepsThePointAndDropsZeros) {
    text::FormatOptions options;
    options.decimalSeparator = 2;
    EXPECT_EQ(CompactText(0.7L, options), "0.7");
    EXPECT_EQ(CompactText(0.000004L, options), "0");
    EXPECT_EQ(CompactText(-12.5L, options), "-12.5");
    EXPECT_EQ(CompactText(270, options), "270");
}

TEST(CadNumbers, FullTurnsWithinTolerance) {
    EXPECT_TRUE(IsFullTurn(0, 360));
    EXPECT_TRUE(IsFullTurn(360.000001L, 0));
    EXPECT_TRUE(IsFullTurn(33, 33));
    EXPECT_FALSE(IsFullTurn(0, 359.99L));
    EXPECT_FALSE(IsFullTurn(90, 450));
}

}  // namespace
}  // namespace trb::cad
