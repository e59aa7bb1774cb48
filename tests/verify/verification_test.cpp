#include "verify/verification.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "paper_readers.h"
#include "temp_folder.h"
#include "verify/benchmark_results.h"
#include "verify/chart_drawing.h"
#include "verify/report_pdf.h"
#include "verify/report_text.h"
#include "verify/sections.h"
#include "whole_file.h"

namespace trb::verify {
namespace {

// The quick verification, run once for the tests that read it.
const Verification& Quick() {
    static const Verification v = [] {
        VerificationOptions options;
        options.quick = true;
        return RunVerification(options);
    }();
    return v;
}

TEST(Verification, EverySectionOfTheQuickFormKeepsItsTolerances) {
    const Verification& v = Quick();
    ASSERT_EQ(v.sections.size(), 6U);
    for (const Section& s : v.sections) {
        SCOPED_TRACE(s.title);
        EXPECT_FALSE(s.title.empty());
        EXPECT_FALSE(s.compared.empty());
        EXPECT_FALSE(s.sources.empty());
        for (const ComparisonTable& t : s.tables) {
            for (const Comparison& c : t.rows)
                EXPECT_TRUE(c.Passed()) << t.caption << ": " << ComparisonLine(c);
        }
    }
    EXPECT_TRUE(v.Passed());
    // Every section but the speed compares something.
    for (std::size_t i = 0; i + 1 < v.sections.size(); ++i) EXPECT_GT(Count(v.sections[i]).passed, 5) << i;
    EXPECT_EQ(Count(v.sections.back()).passed, 0);
    const std::vector<std::string> summary = SummaryLines(v);
    EXPECT_EQ(summary.back(), std::to_string(Count(v.sections).passed) + " passed, 0 failed");
}

TEST(Verification, TheIso286SectionComparesEveryLetterAndCountsEveryPair) {
    const Section s = Iso286Section();
    ASSERT_EQ(s.tables.size(), 2U);
    std::string items;
    for (const Comparison& c : s.tables[0].rows) items += c.item + "\n";
    for (const char* letter :
         {"A11", "B11", "C11", "D9", "E8", "F7",  "G6", "H7",  "JS7", "J7",  "K7",  "M7",  "N7",
          "P7",  "R6",  "S6",  "T6", "U6", "V7",  "X7", "Y7",  "Z7",  "ZA7", "ZB8", "ZC8", "a11",
          "b11", "c11", "cd8", "d9", "e8", "ef6", "f7", "fg5", "g6",  "js7", "j5",  "k6",  "m6",
          "n6",  "p6",  "r6",  "s6", "t6", "u6",  "v6", "x6",  "y6",  "z7",  "za8", "zb9", "zc10"})
        EXPECT_NE(items.find(std::string("\n") + letter + " "), std::string::npos) << letter;
    // The special rules: refused classes, N9 at the 3 mm step, M6 at 250..315 mm, the corrected values.
    EXPECT_NE(items.find("cd8 >10..14: refused"), std::string::npos) << items;
    EXPECT_NE(items.find("N9 >0..3: ES"), std::string::npos);
    EXPECT_NE(items.find("M6 >250..315: ES"), std::string::npos);
    EXPECT_NE(items.find("A13 >315..355: ES (printed 2000, p. 8, Table 2)"), std::string::npos);
    // Both deviations of the 160 A..H and 273 J..P pairs, 425 ES and 404 EI of R..ZC (21 refused),
    // 80 JS/js, 664 + 128 shaft deviations and the 4 corrected values.
    double pairs = 0;
    for (const Comparison& c : s.tables[1].rows) pairs += *c.reference;
    EXPECT_EQ(pairs, 2571);
}

TEST(Verification, TheSpeedSectionShowsTheMeasuredFiguresAndTheMachine) {
    test_support::TempFolder folder;
    test_support::WriteWholeFile(
        folder / "core_bench.csv",
        "name,iterations,real_time,cpu_time,time_unit\n\"BM_RunCalculationExample\",1000,5100,4980,ns\n"
        "BM_Dxf,3,2.1e7,20704700,ns\nBM_Slow,1,2500,2500,ms\n");
    const Section s = SpeedSection(folder.Path().string());
    ASSERT_EQ(s.figures.size(), 1U);
    ASSERT_EQ(s.figures[0].rows.size(), 3U);
    // Each time in the unit that keeps at most three digits before the point.
    EXPECT_EQ(s.figures[0].rows[0],
              (std::vector<std::string>{"core_bench", "BM_RunCalculationExample", "4.980", "us", "1000"}));
    EXPECT_EQ(s.figures[0].rows[1][2] + " " + s.figures[0].rows[1][3], "20.70 ms");
    EXPECT_EQ(s.figures[0].rows[2][2] + " " + s.figures[0].rows[2][3], "2.500 s");
    EXPECT_NE(s.sources[0].find(ThisMachine().cpu), std::string::npos);
    EXPECT_TRUE(s.notes.empty());
    const Section none = SpeedSection("");
    EXPECT_TRUE(none.figures[0].rows.empty());
    ASSERT_EQ(none.notes.size(), 1U);
}

TEST(Verification, AChartIsDrawnWithItsCurvesMarksBandAndLegend) {
    Chart chart{
        "c", "eps", "dev [%]", {{"B/D 1", {{0.1, -2}, {0.5, 1}, {0.9, 4}}}, {"ref", {{0.5, 0}}, true}}, 8.0};
    const graphics::PaperDrawing d = ChartDrawing(chart);
    int circles = 0;
    bool legend = false;
    for (const graphics::PaperItem& item : d.items) {
        circles += item.shape == graphics::PaperShape::Circle ? 1 : 0;
        legend = legend || item.text == "B/D 1";
    }
    EXPECT_EQ(circles, 2);  // the mark and its legend
    EXPECT_TRUE(legend);
    EXPECT_LE(d.all.x2, kChartWidth);
    EXPECT_GE(d.all.x1, 0);
    EXPECT_LE(d.all.y2, kChartHeight);
}

TEST(Verification, TheReportIsAPdfOfA4PagesWithEverySection) {
    const Verification& v = Quick();
    std::string bytes;
    ASSERT_TRUE(WriteVerificationPdf(v, "1.6", bytes));
    test_support::TempFolder folder;
    const auto file = folder / "verification.pdf";
    test_support::WriteWholeFile(file, bytes);
    const paper::test::PdfPages pages = paper::test::PdfInfo(file);
    ASSERT_TRUE(pages.read);
    EXPECT_GE(pages.sizes.size(), 7U);
    for (const auto& [w, h] : pages.sizes) {
        EXPECT_NEAR(w, 595.3, 0.5);
        EXPECT_NEAR(h, 841.9, 0.5);
    }
    const std::string text = paper::test::PdfText(file);
    EXPECT_NE(text.find("TRB verification report"), std::string::npos);
    for (const Section& s : v.sections) EXPECT_NE(text.find(s.title), std::string::npos) << s.title;
    EXPECT_NE(text.find("All comparisons: " + std::to_string(Count(v.sections).passed) + " passed, 0 failed"),
              std::string::npos);
    EXPECT_NE(text.find("Raimondi"), std::string::npos);
    // A chart page carries ink where the chart is drawn.
    EXPECT_GT(paper::test::PdfPage(file, 3, 50).InkedPixels(), 2000);
}

}  // namespace
}  // namespace trb::verify
