#include "help/hpgl_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trb::help {
namespace {

// Records every call as a line of text (coordinates in mm, rounded to 0.001).
class RecordingCanvas : public HpglCanvas {
  public:
    void Pen(int pen) override { calls.push_back("pen " + std::to_string(pen)); }
    void Line(double x1, double y1, double x2, double y2) override {
        calls.push_back("line " + N(x1) + " " + N(y1) + " " + N(x2) + " " + N(y2));
    }
    void Circle(double x, double y, double r) override {
        calls.push_back("circle " + N(x) + " " + N(y) + " " + N(r));
    }
    void Arc(double x, double y, double phi1, double phi2, double r) override {
        calls.push_back("arc " + N(x) + " " + N(y) + " " + N(phi1) + " " + N(phi2) + " " + N(r));
    }
    void Text(std::string_view text, double x, double y, double width, double height, double angle) override {
        calls.push_back("text '" + std::string(text) + "' " + N(x) + " " + N(y) + " " + N(width) + " " +
                        N(height) + " " + N(angle));
    }
    std::vector<std::string> Without(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c.rfind(prefix, 0) != 0) out.push_back(c);
        return out;
    }
    static std::string N(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.3f", v + 0.0);
        std::string s = buffer;
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
        return s == "-0" ? "0" : s;
    }
    std::vector<std::string> calls;
};

std::vector<std::string> Draw(std::string_view plot) {
    RecordingCanvas canvas;
    ReadHpgl(plot, canvas);
    return canvas.Without("pen");
}

using Calls = std::vector<std::string>;

TEST(HpglReaderTest, PenMovesDrawOnlyWithThePenDownInMillimetres) {
    EXPECT_EQ(Draw("IN;PU40,40;PD80,40,80,80;PU;PA0,0;PD;PA40,0;"),
              (Calls{"line 1 1 2 1", "line 2 1 2 2", "line 0 0 1 0"}));
    // Mnemonics in either case, blanks and line breaks between them, the terminator optional.
    EXPECT_EQ(Draw("pu 0 0\r\npd 40,0 pu"), (Calls{"line 0 0 1 0"}));
    // A coordinate without its partner ends the command.
    EXPECT_EQ(Draw("PU0,0;PD40;PD40,40;"), (Calls{"line 0 0 1 1"}));
}

TEST(HpglReaderTest, PensSelectColoursAndPenZeroDrawsNothing) {
    RecordingCanvas canvas;
    ReadHpgl("SP3;SP;SP0;PU0,0;PD40,40;CI40;SP2;PD0,0;", canvas);
    EXPECT_EQ(canvas.calls, (Calls{"pen 1", "pen 3", "pen 1", "pen 0", "pen 2", "line 1 1 0 0"}));
}

TEST(HpglReaderTest, CirclesAndArcsAroundTheCurrentPosition) {
    // CI draws with the pen up too; AA only with the pen down and leaves the pen at the arc's end.
    EXPECT_EQ(Draw("PU400,400;CI200,5;PU800,400;AA400,400,90;PD;AA400,400,90;PD0,0;"),
              (Calls{"circle 10 10 5", "arc 10 10 90 180 10", "line 0 10 0 0"}));
    EXPECT_EQ(Draw("PU800,400;PD;AA400,400,-90;"), (Calls{"arc 10 10 -90 0 10"})) << "clockwise sweep";
    EXPECT_EQ(Draw("PU800,400;PD;AA400,400,720;"), (Calls{"circle 10 10 10"})) << "a full turn";
}

TEST(HpglReaderTest, LabelsTakeSizeDirectionAndCharacterSet) {
    EXPECT_EQ(Draw("SI0.2,0.3;DI0,1;PU400,400;LBAbc\x03"), (Calls{"text 'Abc' 10 10 2 3 90"}));
    // Character set 3 turns a letter followed by "}" into its umlaut (code page 850).
    EXPECT_EQ(Draw("CS3;LBa}o}u}A}O}U}x}\x03"), (Calls{"text '\x84\x94\x81\x8e\x99\x9ax}' 0 0 2.85 3.75 0"}));
    EXPECT_EQ(Draw("CS0;LBa}\x03"), (Calls{"text 'a}' 0 0 2.85 3.75 0"}));
    // A carriage return goes back to the label start, a line feed one line down (2 x height);
    // the pen then stands after the last character (1.5 x width per character).
    EXPECT_EQ(Draw("SI0.2,0.3;PU0,0;LBab\r\nc\x03PD;PA0,0;"),
              (Calls{"text 'ab' 0 0 2 3 0", "text 'c' 0 -6 2 3 0", "line 3 -6 0 0"}));
}

TEST(HpglReaderTest, LabelsAreCutAt256CharactersAndEndAtTheEndOfText) {
    const std::string label(300, 'x');
    const Calls calls = Draw("LB" + label + "\x03PU0,0;PD40,0;");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "text '" + std::string(256, 'x') + "' 0 0 2.85 3.75 0");
    EXPECT_EQ(calls[1], "line 0 0 1 0") << "the commands after the label are read";
    EXPECT_EQ(Draw("LBno end;PD40,0;"), (Calls{"text 'no end;PD40,0;' 0 0 2.85 3.75 0"}));
}

TEST(HpglReaderTest, EncodedPolylinesInBothModes) {
    // 8-bit: "<" pen up, "=" absolute, then relative steps; 400 units = 800 = 32 + 12*64 (a
    // non-terminating "_" for 32, a terminating 191 + 12), then (6, 0) and (0, 9) units.
    const std::string eight = "PE<=" + std::string("_\xCB") + "_\xCB" +
                              "\xCB"
                              "\xBF" +
                              "\xBF"
                              "\xD1" +
                              ";";
    EXPECT_EQ(Draw(eight), (Calls{"line 10 10 10.15 10", "line 10.15 10 10.15 10.225"}));
    // 7-bit mode, a pen change and fractional data (one binary place halves the numbers):
    // absolute (8, 8) / 2 units, then a step of (4, 0) / 2.
    const std::string seven = "PE7:a>a<=oog_;";
    RecordingCanvas canvas;
    ReadHpgl(seven, canvas);
    EXPECT_EQ(canvas.calls, (Calls{"pen 1", "pen 1", "line 0.1 0.1 0.15 0.1"}));
    // A negative step (odd number) goes back.
    EXPECT_EQ(Draw("PE<=_\xCB_\xCB\xC2\xBF;"), (Calls{"line 10 10 9.975 10"}));
}

TEST(HpglReaderTest, OtherCommandsAndPrinterSequencesAreSkipped) {
    EXPECT_EQ(Draw("\x1b"
                   "E\x1b%0BIN;SC0,100,0,100;LT2,4;DF;RO90;IP;IW;VS10;XX$%&ABC;PU0,0;PD40,0;\x1b%0A\x1b"
                   "E"),
              (Calls{"line 0 0 1 0"}));
}

TEST(HpglReaderTest, GarbageNeverDrawsOutsideBoundsOrStops) {
    RecordingCanvas canvas;
    const std::string garbage = "PD1e308,-1e308,nan,inf;CI-1e999;AA1,1,1e30;SI-5,1e9;SP1e20;PE:\xff\xff\xff";
    const HpglSummary summary = ReadHpgl(garbage, canvas);
    EXPECT_GE(summary.commands, 6);
    for (const std::string& c : canvas.calls) EXPECT_EQ(c.find("inf"), std::string::npos) << c;
}

}  // namespace
}  // namespace trb::help
