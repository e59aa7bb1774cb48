#include "verify/report_text.h"

#include <gtest/gtest.h>

namespace trb::verify {
namespace {

TEST(ReportText, AComparisonLineHoldsItsColumnsInPlace) {
    const std::string pass = ComparisonLine(Relative("L/D 1, eps 0.6: S", 0.1215, 0.121, 0.015));
    const std::string fail = ComparisonLine(Absolute("teff [C]", 66.1, 65.94, 0.005));
    EXPECT_EQ(pass.size(), fail.size());
    EXPECT_EQ(pass.substr(0, 17), "L/D 1, eps 0.6: S");
    EXPECT_EQ(pass.substr(pass.size() - 2), "ok");
    EXPECT_EQ(fail.substr(fail.size() - 4), "FAIL");
    EXPECT_NE(pass.find("0.1215"), std::string::npos);
    EXPECT_NE(pass.find("+0.413 %"), std::string::npos);
    EXPECT_NE(pass.find("1.5 %"), std::string::npos);
    EXPECT_NE(fail.find("+0.16"), std::string::npos);
    EXPECT_NE(fail.find("0.005"), std::string::npos);
}

TEST(ReportText, DeviationsAndTolerancesSaySignUnitAndKind) {
    EXPECT_EQ(DeviationText(Relative("a", 97, 100, 0.05)), "-3.00 %");
    EXPECT_EQ(DeviationText(Absolute("a", -28, -28, 0)), "0");
    EXPECT_EQ(DeviationText(Absolute("a", -27, -28, 0)), "+1");
    EXPECT_EQ(ToleranceText(Absolute("a", -27, -28, 0)), "exact");
    EXPECT_EQ(ToleranceText(Relative("a", 1, 1, 0)), "equal");
    Comparison none = Absolute("a", 1, 1, 0);
    none.program.reset();
    EXPECT_EQ(DeviationText(none), "-");
    EXPECT_EQ(ValueText(none.program), "-");
    EXPECT_EQ(ValueText(2090.0), "2090");
    // Small values and deviations keep their digits instead of turning into "0".
    EXPECT_EQ(ValueText(5e-8), "5.00000E-8");
    EXPECT_EQ(DeviationText(Absolute("a", 0.0167939, 0.01679, 5e-6)), "+3.90E-6");
    EXPECT_EQ(DeviationText(Absolute("a", 65.94161, 65.94, 0.005)), "+0.00161");
    EXPECT_EQ(ToleranceText(Absolute("a", 1, 1, 5e-6)), "5E-6");
    EXPECT_EQ(ToleranceText(Absolute("a", 1, 1, 0.005)), "0.005");
    EXPECT_EQ(ToleranceText(Relative("a", 1, 1, 0.015)), "1.5 %");
    EXPECT_EQ(DeviationText(Relative("a", 1 + 1e-12, 1, 1e-9)), "+1.00E-10 %");
    // A text as wide as its column still stands apart from its neighbour.
    EXPECT_NE(ComparisonLine(Relative("a", 1 + 1e-12, 1, 1e-9)).find(" 1 +1.00E-10 %"), std::string::npos);
}

TEST(ReportText, TablesAreAlignedAndLongItemsCut) {
    const ComparisonTable table{
        "t", "um", {Absolute("K7 >30..50: ES", 7, 7, 0), Absolute(std::string(80, 'x'), 1, 2, 0)}};
    const std::vector<std::string> lines = TableLines(table);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].substr(0, 13), "compared [um]");
    for (const std::string& line : lines) EXPECT_EQ(line.size(), lines[1].size()) << line;
    EXPECT_EQ(lines[3][kItemColumn - 1], '~');

    const FigureTable figures{"f",
                              {"program", "benchmark", "CPU time"},
                              {{"core_bench", "BM_A", "4.98"}, {"x", "BM_LongName", "123.5"}}};
    const std::vector<std::string> f = FigureLines(figures);
    ASSERT_EQ(f.size(), 3U);
    for (const std::string& line : f) EXPECT_EQ(line.size(), f[0].size());
    // Figures stand right-aligned under their heading.
    EXPECT_EQ(f[1].find("4.98") + 4, f[2].find("123.5") + 5);
}

TEST(ReportText, ParagraphsWrapBetweenWords) {
    const std::vector<std::string> lines = Wrapped({"one two three four five", "short"}, 10);
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_EQ(lines[0], "one two");
    EXPECT_EQ(lines[1], "  three");
    EXPECT_EQ(lines[3], "  five");
    for (const std::string& line : lines) EXPECT_LE(line.size(), 10U) << line;
    EXPECT_EQ(lines[4], "short");
}

}  // namespace
}  // namespace trb::verify
