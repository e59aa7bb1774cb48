#include "cad/text_dump_device.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "sample_drawing.h"
#include "test_files.h"

namespace trb::cad {
namespace {

std::string Dump(const std::function<void(TextDumpDevice&)>& draw, const CadSettings& settings = {}) {
    std::ostringstream out;
    TextDumpDevice device(out, settings);
    draw(device);
    EXPECT_TRUE(device.Good());
    return out.str();
}

TEST(TextDumpDevice, CommaSettingWritesDecimalCommas) {
    CadSettings settings;
    settings.format.decimalSeparator = 2;
    EXPECT_EQ(Dump([](TextDumpDevice& d) { d.Line(0, 0, 10, 5.25L); }, settings),
              "LINE\t0,000000\t0,000000\t10,000000\t5,250000\n");
    EXPECT_EQ(Dump([](TextDumpDevice& d) { d.Line(0, 0, 10, 5.25L); }),
              "LINE\t0.000000\t0.000000\t10.000000\t5.250000\n");
}

TEST(TextDumpDevice, ArcsTextsAndInsertsInTheirFieldOrder) {
    CadSettings settings;
    settings.dxfDecimals = 1;
    const std::string dump = Dump(
        [](TextDumpDevice& d) {
            d.Arc(1, 2, 10, 20, 3);
            d.Arc(1, 2, 360, 0, 3);
            d.Arc(1, 2, 10, 20, 0);
            d.Text("a\tb\x81", 4, 5, TextStyle{});
            d.Text("", 4, 5, TextStyle{});
            d.Insert("MARK", 2, 3, 45, 6, 7);
        },
        settings);
    EXPECT_EQ(dump,
              "ARC\t1.0\t2.0\t3.0\t10.0\t20.0\n"
              "CIRCLE\t1.0\t2.0\t3.0\n"
              "TEXT\t4.0\t5.0\ta b\xfc\n"
              "INSERT\tMARK\t6.0\t7.0\t45.0\t2.0\t3.0\n");
}

TEST(TextDumpDevice, SampleDrawingMatchesTheGoldenFile) {
    const std::string dump = Dump([](TextDumpDevice& d) { test::DrawSample(d); });
    EXPECT_TRUE(dump.starts_with(
        "MINMAX\t0.000000\t0.000000\t210.000000\t148.500000\nSECTION BLOCKS\nBLOCK\tMARK\n"));
    EXPECT_TRUE(dump.ends_with("EOF\n"));
    EXPECT_TRUE(test::MatchesGolden("sample.txt", dump));
}

}  // namespace
}  // namespace trb::cad
