#include "cad/iges_format.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace trb::cad {
namespace {

std::string Joined(const std::vector<std::string>& pieces) {
    std::string all;
    for (const std::string& piece : pieces) all += piece;
    return all;
}

TEST(IgesFormat, HollerithCountsBytesAndLeavesEmptyFieldsEmpty) {
    EXPECT_EQ(Hollerith("FILE"), "4HFILE");
    EXPECT_EQ(Hollerith("a,b;c"), "5Ha,b;c");
    EXPECT_EQ(Hollerith(""), "");
}

TEST(IgesFormat, LongParameterTextsAreCutAfterDelimitersOnly) {
    std::string text = "110";
    for (int i = 0; i < 12; ++i) text += ",-1234.567";
    text += ";";
    const auto lines = SplitParameterText(text, 64);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Joined(lines), text);
    EXPECT_EQ(lines[0].size(), 64u);  // "110," and six numbers fill the 64 columns exactly
    EXPECT_EQ(lines[0].back(), ',');
    EXPECT_EQ(lines[1].back(), ';');
}

TEST(IgesFormat, CommasInsideHollerithStringsAreNoCutPoints) {
    const std::string head(50, '9');  // one long parameter ending at column 51
    const std::string text = head + ",20Hx,yy,zz,aa,bb,cc,dd,ee;";
    const auto lines = SplitParameterText(text, 64);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], head + ",");
    EXPECT_EQ(lines[1], "20Hx,yy,zz,aa,bb,cc,dd,ee;");
}

TEST(IgesFormat, LongHollerithStringsContinueWithoutBlanks) {
    const std::string words(150, 'W');
    const std::string text = "1.0," + Hollerith(words) + ";";
    const auto lines = SplitParameterText(text, 64);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "1.0,");
    EXPECT_EQ(lines[1], "150H" + std::string(60, 'W'));
    EXPECT_EQ(lines[2], std::string(64, 'W'));
    EXPECT_EQ(lines[3], std::string(26, 'W') + ";");
    EXPECT_EQ(Joined(lines), text);
}

TEST(IgesFormat, LinesHaveEightyColumns) {
    const std::string start = IgesLine("IGES", 'S', 1);
    EXPECT_EQ(start.size(), 80u);
    EXPECT_EQ(start.substr(72), "S0000001");
    const std::string parameter = IgesParameterLine("110,0.0;", 13, 42);
    EXPECT_EQ(parameter.size(), 80u);
    EXPECT_EQ(parameter.substr(0, 8), "110,0.0;");
    EXPECT_EQ(parameter.substr(64), "      13P0000042");
    const std::string entry = DirectoryLine({"110", "1", "0", "1", "5", "", "", "", "00000000"}, 1);
    EXPECT_EQ(entry, "     110       1       0       1       5                        00000000D0000001");
}

TEST(IgesFormat, ColoursStayWithinThePredefinedOnes) {
    // red, yellow, green, cyan, blue, magenta as in the CAD colour numbers 1..6
    EXPECT_EQ(IgesColor(1), 2);
    EXPECT_EQ(IgesColor(2), 5);
    EXPECT_EQ(IgesColor(4), 7);
    EXPECT_EQ(IgesColor(7), 0);
    EXPECT_EQ(IgesColor(15), 1);
    for (int c = -1; c <= 40; ++c) {
        EXPECT_GE(IgesColor(c), 0) << c;
        EXPECT_LE(IgesColor(c), 8) << c;
    }
    EXPECT_EQ(IgesColor(17), IgesColor(2));  // folds as on screen: (17 mod 16) + 1
}

}  // namespace
}  // namespace trb::cad
