// The operating-points printout on a paged device, the spreadsheet file and the HTML page.
#include <algorithm>
#include <utility>

#include "core/calculation.h"
#include "report/operating_points_report.h"
#include "report_fixture.h"
#include "text/format.h"

namespace trb::report::testing {
namespace {

class OperatingPointsTest : public WriterFixture {
  protected:
    void SetUp() override {
        WriterFixture::SetUp();
        settings.printoutRuleStyle = 1;
        core::TRBrecord example;
        core::LoadExampleCase(example);
        // No load at the first point: that run fails at every clearance.
        sweep = core::RunOperatingSweep(example, {core::SweptQuantity::Load, 0, 40000, 2});
        texts.SwitchLanguage(text::kGerman);
    }

    std::size_t Count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }

    core::OperatingSweep sweep;
    text::LanguageTexts texts;
};

TEST_F(OperatingPointsTest, PagedPrintoutNamesTheRangeAndMarksFailedPoints) {
    ReportWriter w = Writer();
    WriteOperatingPointsReport(w, sweep, texts, kDosFile);
    ASSERT_FALSE(abort);
    const std::string text = ReadWholeFile(folder / "OUTDOS.TXT");
    EXPECT_NE(text.find("Betriebspunkte: F [N] 0 ... 40000, 2 Schritte"), std::string::npos) << text;
    // The three columns of a quantity belong to the three clearances, and the printout says so.
    EXPECT_NE(text.find("F [N]     h0 smin   h0 sm     h0 smax   teff smin teff sm   teff smax"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("smin, sm, smax: bei kleinstem, mittlerem, gr\x94\xE1tem Spiel\n"),
              std::string::npos);
    EXPECT_NE(text.find("0         -         -         -         -         -         -"), std::string::npos);
    for (const char* section :
         {"s min: kleinstes Spiel", "s m: mittleres Spiel", "s max: gr\x94\xE1tes Spiel"})
        EXPECT_NE(text.find(section), std::string::npos) << section;
    EXPECT_EQ(Count(text, "Punkte fehlgeschlagen: 1\n"), 3u) << "the first point of each clearance";
    const std::string h0 = text::FormatLengthLong(sweep.points[2].At(core::Clearance::Largest).record.h0, {});
    EXPECT_NE(text.find(h0), std::string::npos) << h0;
    for (const std::string& line : Lines(text)) EXPECT_LE(line.size(), 7u + 72u) << line;
}

TEST_F(OperatingPointsTest, TheClearanceColumnsAreExplainedInEveryLanguage) {
    // French and Korean print the English calculation texts.
    const std::pair<int, const char*> languages[] = {
        {text::kEnglish, "smin, sm, smax: at the smallest, mean, largest clearance"},
        {text::kRomanian, "smin, sm, smax: la jocul minim, mediu, maxim"},
        {text::kFrench, "smin, sm, smax: at the smallest, mean, largest clearance"},
        {text::kKorean, "smin, sm, smax: at the smallest, mean, largest clearance"}};
    for (const auto& [language, legend] : languages) {
        texts.LanguageMenuCommand(language);
        ReportWriter w = Writer();
        WriteOperatingPointsReport(w, sweep, texts, kDosFile);
        ASSERT_FALSE(abort);
        const std::string text = ReadWholeFile(folder / "OUTDOS.TXT");
        EXPECT_NE(text.find(std::string(legend) + "\n"), std::string::npos) << language << "\n" << text;
        EXPECT_NE(text.find("h0 smin   h0 sm     h0 smax"), std::string::npos) << language;
    }
}

TEST_F(OperatingPointsTest, SpreadsheetFileHasOneCellPerValue) {
    ReportWriter w = Writer();
    WriteOperatingPointsReport(w, sweep, texts, kTabFileForCase);
    ASSERT_FALSE(abort);
    const auto lines = Lines(ReadWholeFile(folder / "case.txt"));
    std::size_t sideBySide = 0, perClearance = 0;
    for (const std::string& line : lines) {
        const std::size_t cells = static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
        if (line.rfind("40000\t", 0) == 0 && cells == 7)
            ++(sideBySide == 0 ? sideBySide : perClearance);
        else if (line.rfind("40000\t", 0) == 0)
            ADD_FAILURE() << line;
    }
    EXPECT_EQ(sideBySide, 1u);
    EXPECT_EQ(perClearance, 3u);
}

TEST_F(OperatingPointsTest, HtmlPageHoldsEveryRowAsATableRow) {
    ReportWriter w = Writer();
    WriteOperatingPointsReport(w, sweep, texts, kHtmlFile);
    ASSERT_FALSE(abort);
    const std::string html = ReadWholeFile(folder / "trb.htm");
    // One table for the three clearances side by side and one per clearance: 4 heading rows and
    // 3 rows each.
    EXPECT_EQ(Count(html, "<TABLE BORDER = \"1\""), 4u);
    EXPECT_EQ(Count(html, "<TR>"), 4u * 4u);
    EXPECT_NE(html.find("\xC2\xB5"), std::string::npos) << "the friction symbol in UTF-8";
    EXPECT_NE(html.find("gr\xC3\xB6\xC3\x9F"
                        "tes Spiel"),
              std::string::npos);
}

}  // namespace
}  // namespace trb::report::testing
