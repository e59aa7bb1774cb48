#include "cad/dxf_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <locale>
#include <sstream>

#include "sample_drawing.h"
#include "test_files.h"

namespace trb::cad {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string Dxf(const std::function<void(DxfDevice&)>& draw, const CadSettings& settings = {}) {
    std::ostringstream out;
    DxfDevice device(out, settings);
    draw(device);
    EXPECT_TRUE(device.Good());
    return out.str();
}

// Count of the group value `value` right after group code `code` ("  0", "LINE" ...).
int CountGroup(const std::string& dxf, const std::string& code, const std::string& value) {
    int count = 0;
    const std::string item = code + "\n" + value + "\n";
    for (std::size_t at = dxf.find(item); at != std::string::npos; at = dxf.find(item, at + 1)) {
        if (at == 0 || dxf[at - 1] == '\n') ++count;
    }
    return count;
}

TEST(DxfDevice, LineIsTwelveLinesWithPaddedCodesAndFixedDecimals) {
    const std::string dxf = Dxf([](DxfDevice& d) { d.Line(0, 0, 10, 5); });
    EXPECT_EQ(dxf, "  0\nLINE\n  8\n0\n 10\n0.000000\n 20\n0.000000\n 11\n10.000000\n 21\n5.000000\n");
}

TEST(DxfDevice, RealsFollowTheConfiguredDecimalsAndNeverShowMinusZero) {
    CadSettings settings;
    settings.dxfDecimals = 2;
    const std::string dxf =
        Dxf([](DxfDevice& d) { d.Line(-1e-9L, -2.345L, 1234567.891L, 0.006L); }, settings);
    EXPECT_THAT(dxf, HasSubstr(" 10\n0.00\n 20\n-2.35\n 11\n1234567.89\n 21\n0.01\n"));
}

TEST(DxfDevice, FullTurnArcsBecomeCirclesAndZeroRadiusDrawsNothing) {
    const std::string dxf = Dxf([](DxfDevice& d) {
        d.Arc(1, 2, 0, 360, 5);
        d.Arc(1, 2, 360, 0.000001L, 5);
        d.Arc(1, 2, 45, 45, 5);
        d.Arc(1, 2, 0, 90, 0);
    });
    EXPECT_EQ(CountGroup(dxf, "  0", "CIRCLE"), 3);
    EXPECT_EQ(CountGroup(dxf, "  0", "ARC"), 0);
    EXPECT_THAT(dxf, HasSubstr(" 40\n5.000000\n"));

    const std::string arc = Dxf([](DxfDevice& d) { d.Arc(1, 2, 350, 10, 5); });
    EXPECT_THAT(arc, HasSubstr("ARC\n  8\n0\n 10\n1.000000\n 20\n2.000000\n 40\n5.000000\n 50\n350.000000\n"
                               " 51\n10.000000\n"));
}

TEST(DxfDevice, EntitiesThatRoundToAPointAreLeftOut) {
    CadSettings settings;
    settings.dxfDecimals = 3;
    const std::string dxf = Dxf(
        [](DxfDevice& d) {
            d.Line(5, 5, 5.0002L, 5.0001L);
            d.Circle(1, 2, 0.0003L);
            d.Arc(0, 0, 10, 10.0001L, 2);
        },
        settings);
    EXPECT_EQ(dxf, "");
    EXPECT_NE(Dxf([](DxfDevice& d) { d.Line(5, 5, 5.001L, 5); }, settings), "");
}

TEST(DxfDevice, TablesEndWithTheStyleAndAnUnpaddedZeroBeforeEndtab) {
    CadSettings settings;
    settings.fontFile = "txt8";
    const std::string dxf = Dxf([](DxfDevice& d) { d.Tables(2); }, settings);
    EXPECT_TRUE(dxf.starts_with("  0\nSECTION\n  2\nTABLES\n  0\nTABLE\n  2\nLTYPE\n 70\n23\n"));
    EXPECT_TRUE(dxf.ends_with("  3\nTXT8\n  4\n\n0\nENDTAB\n  0\nENDSEC\n"));
    // kind 2: layer "0", the five standard layers and the sixteen colour layers
    EXPECT_EQ(CountGroup(dxf, "  0", "LAYER"), 22);
    EXPECT_THAT(dxf, HasSubstr("LAYER\n  2\n1\n 70\n0\n 62\n2\n  6\nDASHDOT\n"));
    EXPECT_THAT(dxf, HasSubstr("LAYER\n  2\n2\n 70\n0\n 62\n2\n  6\nDASHED\n"));
    EXPECT_THAT(dxf, HasSubstr("LAYER\n  2\n31\n 70\n0\n 62\n16\n  6\nCONTINUOUS\n"));

    const std::string kind0 = Dxf([](DxfDevice& d) { d.Tables(0); });
    EXPECT_THAT(kind0, HasSubstr("LTYPE\n 70\n6\n"));
    EXPECT_EQ(CountGroup(kind0, "  0", "LAYER"), 6);
    const std::string kind1 = Dxf([](DxfDevice& d) { d.Tables(1); });
    EXPECT_EQ(CountGroup(kind1, "  0", "LAYER"), 16);
    EXPECT_THAT(kind1, HasSubstr("LAYER\n  2\n15\n 70\n0\n 62\n16\n"));
}

TEST(DxfDevice, MonochromeLayersAllHaveColourOne) {
    CadSettings settings;
    settings.monochromeLayers = true;
    for (int kind : {0, 1, 2}) {
        const std::string dxf = Dxf([kind](DxfDevice& d) { d.Tables(kind); }, settings);
        EXPECT_EQ(CountGroup(dxf, " 62", "1"), CountGroup(dxf, "  0", "LAYER")) << "kind " << kind;
    }
}

TEST(DxfDevice, ConfiguredLayerNamesAreMadeSafeAndWrittenOnce) {
    CadSettings settings;
    settings.layerNames = {"0", "Mitte/Achse", "Verdeckt", "KONTUR", "KONTUR", ""};
    const std::string dxf = Dxf(
        [](DxfDevice& d) {
            d.Tables(0);
            d.Pen(1);
            d.Line(0, 0, 1, 1);
            d.Pen(5);
            d.Line(0, 0, 1, 1);
        },
        settings);
    EXPECT_THAT(dxf, HasSubstr("LAYER\n  2\nMitte_Achse\n"));
    EXPECT_EQ(CountGroup(dxf, "  2", "KONTUR"), 1);
    EXPECT_THAT(dxf, HasSubstr("LAYER\n  2\n5\n"));  // an empty name falls back to the number
    EXPECT_THAT(dxf, HasSubstr("LINE\n  8\nMitte_Achse\n"));
    EXPECT_THAT(dxf, HasSubstr("LINE\n  8\n5\n"));
}

TEST(DxfDevice, TextWritesCompactWidthAndAnglesAndSingleByteText) {
    CadSettings settings;
    settings.format.decimalSeparator = 2;  // the display comma never reaches a DXF file
    TextStyle style;
    style.height = 3.5L;
    style.widthFactor = 0.7L;
    style.angle = 90;
    const std::string dxf = Dxf([&](DxfDevice& d) { d.Text("Ma\xe1 \x81\nx", 1, 2, style); }, settings);
    EXPECT_EQ(dxf,
              "  0\nTEXT\n  8\n0\n 10\n1.000000\n 20\n2.000000\n 40\n3.500000\n  1\nMa\xdf \xfc x\n"
              "  7\nSTANDARD\n 41\n0.7\n 50\n90\n 51\n0\n");
    EXPECT_EQ(Dxf([&](DxfDevice& d) { d.Text("", 1, 2, style); }), "");

    style.align = TextAlign::Center;
    EXPECT_THAT(Dxf([&](DxfDevice& d) { d.Text("A", 1, 2, style); }),
                HasSubstr(" 72\n1\n 11\n1.000000\n 21\n2.000000\n"));
}

TEST(DxfDevice, TextModesDecideTheBytesAndTheDeclaredCodePage) {
    for (auto [mode, text, codePage] : {std::tuple{1, "\x81", "DOS850"}, std::tuple{2, "\xfc", "ANSI_1252"},
                                        std::tuple{3, "ue", "DOS850"}}) {
        CadSettings settings;
        settings.format.cadTextMode = mode;
        const std::string dxf = Dxf(
            [](DxfDevice& d) {
                d.Limits(0, 0, 1, 1);
                d.Text("\x81", 0, 0, TextStyle{});
            },
            settings);
        EXPECT_THAT(dxf, HasSubstr("$DWGCODEPAGE\n  3\n" + std::string(codePage) + "\n")) << mode;
        EXPECT_THAT(dxf, HasSubstr("  1\n" + std::string(text) + "\n  7\n")) << mode;
    }
}

TEST(DxfDevice, PolylineGroupsAppearOnlyWhenNeeded) {
    const std::string open = Dxf([](DxfDevice& d) {
        d.PolylineBegin(0);
        d.Vertex(0, 1, 2);
        d.Vertex(0.5L, 3, 4);
        d.PolylineEnd();
    });
    EXPECT_EQ(open,
              "  0\nPOLYLINE\n  8\n0\n 66\n1\n"
              "  0\nVERTEX\n  8\n0\n 10\n1.000000\n 20\n2.000000\n"
              "  0\nVERTEX\n  8\n0\n 10\n3.000000\n 20\n4.000000\n 42\n0.500000\n"
              "  0\nSEQEND\n  8\n0\n");
    EXPECT_THAT(Dxf([](DxfDevice& d) { d.PolylineBegin(1); }), HasSubstr(" 66\n1\n 70\n1\n"));
}

TEST(DxfDevice, PensSelectTheLayerOfEveryFollowingEntity) {
    CadSettings settings;
    settings.layerNames[2] = "VERDECKT";
    const std::string dxf = Dxf(
        [](DxfDevice& d) {
            d.Pen(2);
            d.Circle(0, 0, 1);
            d.Pen(24);
            d.Solid(0, 0, 1, 0, 0, 1, 1, 1);
            d.Insert("B", 2, 3, 45, 4, 5);
        },
        settings);
    EXPECT_THAT(dxf, HasSubstr("CIRCLE\n  8\nVERDECKT\n"));
    EXPECT_THAT(dxf, HasSubstr("SOLID\n  8\n24\n"));
    EXPECT_THAT(dxf, HasSubstr("INSERT\n  8\n24\n  2\nB\n 10\n4.000000\n 20\n5.000000\n 41\n2.000000\n"
                               " 42\n3.000000\n 50\n45.000000\n"));

    settings.layerMode = 1;
    EXPECT_THAT(Dxf(
                    [](DxfDevice& d) {
                        d.Pen(2);
                        d.Circle(0, 0, 1);
                    },
                    settings),
                HasSubstr("CIRCLE\n  8\n2\n"));
}

TEST(DxfDevice, SampleDrawingMatchesTheGoldenFile) {
    const std::string dxf = Dxf([](DxfDevice& d) { test::DrawSample(d); });
    EXPECT_TRUE(dxf.ends_with("  0\nENDSEC\n  0\nEOF\n"));
    EXPECT_TRUE(test::MatchesGolden("sample.dxf", dxf));
}

// A locale that writes numbers the German way, for the C++ streams and, when installed, C.
class GermanNumbers : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

std::string SampleUnderLocale(const std::locale& streams) {
    const std::locale previous = std::locale::global(streams);
    std::ostringstream out;  // takes the global locale
    DxfDevice device(out, CadSettings{});
    test::DrawSample(device);
    std::locale::global(previous);
    return out.str();
}

TEST(DxfDevice, GermanStreamLocaleGivesByteIdenticalFiles) {
    const std::string expected = Dxf([](DxfDevice& d) { test::DrawSample(d); });
    EXPECT_EQ(SampleUnderLocale(std::locale(std::locale::classic(), new GermanNumbers)), expected);
}

TEST(DxfDevice, GermanSystemLocaleGivesByteIdenticalFiles) {
    const std::string expected = Dxf([](DxfDevice& d) { test::DrawSample(d); });
    const std::string previousC = std::setlocale(LC_ALL, nullptr);
    std::string german;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_DE@euro"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            german = name;
            break;
        }
    }
    if (german.empty()) GTEST_SKIP() << "no German locale installed (package locales)";
    std::string written;
    try {
        written = SampleUnderLocale(std::locale(german));
    } catch (const std::runtime_error&) {
        written = SampleUnderLocale(std::locale::classic());
    }
    std::setlocale(LC_ALL, previousC.c_str());
    EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace trb::cad
