#include "report/result_report.h"
#include <cstdio>

#include "core/calculation.h"
#include "report_fixture.h"

namespace trb::report::testing {
namespace {

namespace fs = std::filesystem;

enum class Variant { Example, Convection, Pocket, Groove };

// The result report of a calculated case compared with a checked-in file. The temporary folder
// in the output is written as "<tmp>". With TRB_UPDATE_GOLDEN
// set the files are written instead.
class ResultReportTest : public WriterFixture {
  protected:
    void SetUp() override {
        WriterFixture::SetUp();
        fs::remove_all(folder);
        // A name of fixed length, so the header box looks the same whatever the process number.
        char name[32];
        std::snprintf(name, sizeof name, "trbg%08d", static_cast<int>(::getpid()));
        folder = fs::temp_directory_path() / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        settings.tempFolder = folder.string() + "/";
        title.drawingName = "Radialgleitlager";
        title.drawingNumber = core::kExampleDrawingNumber;
        title.remarks = {"Beispiel <DIN 31652> & Co.", "", ""};
    }

    void Calculate(Variant variant) {
        core::LoadExampleCase(record);
        switch (variant) {
            case Variant::Convection:
                record.druckschmierung = false;
                record.k = 20;
                record.a = 0.3L;
                record.ta = 40;
                break;
            case Variant::Pocket:
                record.zufuhr = core::kPocketAt90;
                record.bp = 2;  // narrow: bp/B below 0.05
                break;
            case Variant::Groove:
                record.zufuhr = core::kPartialGroove;
                record.bg = 10;
                record.phia = 120;
                record.phie = 240;
                break;
            case Variant::Example:
                break;
        }
        bool runAbort = false;
        core::RunCalculation(record, status, runAbort);
    }

    // Writes the report on `device` and returns the file a user gets to see (UTF-8).
    std::string Report(int device) {
        ReportWriter w = Writer();
        WriteResultReport(w, record, texts,
                          RunMessagesContext{status, dialogs, catalogue, folder.string(), 1, false, {}},
                          device);
        EXPECT_FALSE(abort);
        std::string text;
        if (device == kDosFile) text = ReadWholeFile(folder / "outwin.txt");
        if (device == kTabFileForCase) text = ReadWholeFile(folder / "case.txt");
        if (device == kHtmlFile) text = ReadWholeFile(folder / "trb.htm");
        const std::string path = folder.string();
        for (auto pos = text.find(path); pos != std::string::npos; pos = text.find(path, pos))
            text.replace(pos, path.size(), "<tmp>");
        return text;
    }

    // The header box pads the case file's path to its width, so the padding after "<tmp>"
    // depends on the length of the temporary folder's path: such lines compare with one blank
    // for each run of blanks.
    static std::string WithoutFolderPadding(const std::string& line) {
        if (line.find("<tmp>") == std::string::npos) return line;
        std::string out;
        for (char c : line) {
            if (c == ' ' && !out.empty() && out.back() == ' ') continue;
            out += c;
        }
        return out;
    }

    void ExpectGolden(const std::string& text, const std::string& name) {
        const fs::path golden = fs::path(TRB_TEST_DATA_DIR) / name;
        if (std::getenv("TRB_UPDATE_GOLDEN") != nullptr) {
            WriteWholeFile(golden, text);
            return;
        }
        ASSERT_TRUE(fs::exists(golden)) << golden;
        const auto expected = Lines(ReadWholeFile(golden));
        const auto actual = Lines(text);
        for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
            ASSERT_EQ(WithoutFolderPadding(actual[i]), WithoutFolderPadding(expected[i]))
                << name << " line " << i + 1;
        }
        EXPECT_EQ(actual.size(), expected.size()) << name;
    }

    core::TRBrecord record;
    text::LanguageTexts texts;
};

TEST_F(ResultReportTest, ExampleInGermanOnTextTabAndHtml) {
    Calculate(Variant::Example);
    ExpectGolden(Report(kDosFile), "example_de_metric.txt");
    ExpectGolden(Report(kTabFileForCase), "example_de_metric_tab.txt");
    ExpectGolden(Report(kHtmlFile), "example_de_metric.htm");
}

TEST_F(ResultReportTest, ExampleInEnglishAndInInches) {
    Calculate(Variant::Example);
    texts.SwitchLanguage(text::kEnglish);
    ExpectGolden(Report(kDosFile), "example_en_metric.txt");
    settings.format.units = 1;
    ExpectGolden(Report(kDosFile), "example_en_inch.txt");
    ExpectGolden(Report(kTabFileForCase), "example_en_inch_tab.txt");
    texts.SwitchLanguage(text::kGerman);
    ExpectGolden(Report(kDosFile), "example_de_inch.txt");
}

TEST_F(ResultReportTest, ConvectionCasePrintsTheHousingRowsInsteadOfTheLubricantRows) {
    Calculate(Variant::Convection);
    const std::string text = Report(kDosFile);
    EXPECT_NE(text.find("Konvektion"), std::string::npos);
    EXPECT_EQ(text.find("Schmierstoffzuf\xC3\xBChrdruck"), std::string::npos);
    EXPECT_EQ(text.find(" Q1 "), std::string::npos);
    ExpectGolden(text, "convection_de_metric.txt");
    ExpectGolden(Report(kTabFileForCase), "convection_de_metric_tab.txt");
    ExpectGolden(Report(kHtmlFile), "convection_de_metric.htm");
}

TEST_F(ResultReportTest, SupplyFeaturesPrintTheirOwnDimensions) {
    Calculate(Variant::Pocket);
    const std::string pocket = Report(kDosFile);
    EXPECT_NE(pocket.find("Breite Schmiertasche"), std::string::npos);
    EXPECT_EQ(pocket.find("Schmierlochdurchmesser"), std::string::npos);
    EXPECT_NE(pocket.find("Warnung: bp/B < 0.05 !"), std::string::npos);
    ExpectGolden(pocket, "pocket_de_metric.txt");
    ExpectGolden(Report(kTabFileForCase), "pocket_de_metric_tab.txt");
    ExpectGolden(Report(kHtmlFile), "pocket_de_metric.htm");

    status.ClearMessages();
    Calculate(Variant::Groove);
    const std::string groove = Report(kTabFileForCase);
    EXPECT_NE(groove.find("Schmiernutbreite\tbG\tmm\t"), std::string::npos);
    EXPECT_NE(groove.find("Schmiernutwinkel Start\tphi A\t\xC2\xB0\t      120"), std::string::npos);
    EXPECT_NE(groove.find("Schmiernutwinkel Ende\tphi E\t\xC2\xB0\t      240"), std::string::npos);
}

TEST_F(ResultReportTest, StationaryBearingOmitsItsSpeedRowsAndMoreDecimalsWidenValues) {
    Calculate(Variant::Example);
    std::string text = Report(kTabFileForCase);
    EXPECT_EQ(text.find("\tnB\t"), std::string::npos);
    EXPECT_NE(text.find("\tnS\t"), std::string::npos);
    EXPECT_NE(text.find("Dichte\trho\tkg/m3\t      900\n"), std::string::npos);
    settings.format.decimals = 4;
    text = Report(kTabFileForCase);
    // 30.06 gains a decimal and one character: "    30,06" becomes "    30,0xx".
    const auto veff = text.find("\tv eff\tmm\xC2\xB2/s\t    30,0");
    ASSERT_NE(veff, std::string::npos);
    EXPECT_EQ(text.find('\n', veff) - text.find("    30,0", veff), 10u);
    EXPECT_NE(text.find("\tp\tMPa\t      5,00\n"), std::string::npos);
}

// A bearing turning at nB = 5 1/s: its sliding speed is 5 · 2π · 60 mm = 1.885 m/s and its angular
// speed 31.42 1/s, beside the shaft's 12.57 m/s at 33.33 1/s.
TEST_F(ResultReportTest, ARotatingBearingShowsItsOwnSpeeds) {
    core::LoadExampleCase(record);
    record.nb = 5;
    bool runAbort = false;
    core::RunCalculation(record, status, runAbort);
    ASSERT_FALSE(status.calculationFailed);
    const std::string text = Report(kTabFileForCase);
    // The bearing's rows in the short number form, the shaft's in its column.
    EXPECT_NE(text.find("Drehzahl Lager\tnB\t1/s\t5\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Gleitgeschwindigkeit\tuB\tm/s\t1,885\n"), std::string::npos);
    EXPECT_NE(text.find("Winkelgeschwindigkeit\twB\t1/s\t31,42\n"), std::string::npos);
    EXPECT_NE(text.find("Gleitgeschwindigkeit\tuS\tm/s\t    12,57\n"), std::string::npos);

    // Turning the other way: the same speeds with their sign.
    record.nb = -5;
    core::RunCalculation(record, status, runAbort);
    ASSERT_FALSE(status.calculationFailed);
    const std::string reversed = Report(kTabFileForCase);
    EXPECT_NE(reversed.find("\tuB\tm/s\t-1,885\n"), std::string::npos) << reversed;
    EXPECT_NE(reversed.find("\tuS\tm/s\t    12,57\n"), std::string::npos);
}

TEST_F(ResultReportTest, FailedRunShowsTheMessagesInsteadOfAReport) {
    core::RunCalculation(record, status, abort);  // the program-start record: "Fatal  : Dmax = 0 !"
    abort = false;
    ASSERT_TRUE(status.calculationFailed);
    dialogs.ReplyCancel();
    ReportWriter w = Writer();
    WriteResultReport(w, record, texts,
                      RunMessagesContext{status, dialogs, catalogue, folder.string(), 1, false, {}},
                      kDosFile);
    EXPECT_FALSE(fs::exists(folder / "OUTDOS.TXT"));
    ASSERT_EQ(dialogs.Entries("radio").size(), 1u);
    EXPECT_EQ(dialogs.Entries("radio")[0].items.front(), "Fatal  : Dmax = 0 !");
}

TEST_F(ResultReportTest, FailedRunInBatchUseWritesTheMessagesAsTheReport) {
    core::RunCalculation(record, status, abort);
    abort = false;
    ASSERT_TRUE(status.calculationFailed);
    ReportWriter w = Writer();
    WriteFailedRunReport(w, texts, kTabFileForCase);
    EXPECT_FALSE(abort);
    const auto lines = Lines(ReadWholeFile(folder / "case.txt"));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1], (folder / "case.txt").string());
    const auto heading = std::find(lines.begin(), lines.end(), "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
    ASSERT_NE(heading, lines.end());
    ASSERT_NE(heading + 1, lines.end());
    EXPECT_EQ(heading[1].substr(0, heading[1].find('\t')), "Fatal  : Dmax = 0 !");
    EXPECT_EQ(ReadWholeFile(folder / "case.txt").find("Lagerkraft"), std::string::npos) << "no results";
}

// Without a readable catalogue the messages are printed without cause and remedy, and the user is
// told why: a catalogue that is missing or is a folder gives its own message; a readable one none.
TEST_F(ResultReportTest, AnUnreadableCatalogueIsSaidAndTheReportKeepsItsMessages) {
    core::RunCalculation(record, status, abort);
    abort = false;
    fs::create_directories(folder / "plt" / "trb.err");
    for (const std::string& unreadable :
         {(folder / "none" / "trb.err").string(), (folder / "plt" / "trb.err").string()}) {
        catalogue = unreadable;
        ui::ScriptedDialogs seen;
        ReportWriter w(state, WriterContext{settings, seen, launcher, abort, status, title, "TRB - Test",
                                            "1.6", CaseName{folder.string() + "/", "case", "trb"},
                                            folder.string() + "/", catalogue, "24.12.2026", "9:05"});
        WriteFailedRunReport(w, texts, kTabFileForCase);
        EXPECT_FALSE(abort);
        const auto boxes = seen.Entries("box");
        ASSERT_EQ(boxes.size(), 1u) << unreadable;
        EXPECT_NE(boxes[0].text.find(unreadable), std::string::npos) << boxes[0].text;
        EXPECT_NE(boxes[0].text.find("Ursache und Abhilfe fehlen"), std::string::npos) << boxes[0].text;
        const std::string report = ReadWholeFile(folder / "case.txt");
        EXPECT_NE(report.find("Fatal  : Dmax = 0 !\t\t"), std::string::npos) << "the message, without cause";
    }
    catalogue = CataloguePath(TRB_SOURCE_DATA_DIR);
    ReportWriter w = Writer();
    WriteFailedRunReport(w, texts, kTabFileForCase);
    EXPECT_TRUE(dialogs.Entries("box").empty());
}

}  // namespace
}  // namespace trb::report::testing
