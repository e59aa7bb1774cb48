// "trb case.trb /PDF", "/SVG:j" and "/PNG:j" run as the user runs them, the files read back by
// poppler, Python's XML parser, librsvg and libpng.
#include <gmock/gmock.h>

#include <filesystem>
#include <string>
#include <vector>

#include "paper_readers.h"
#include "run_program.h"
#include "temp_folder.h"
#include "whole_file.h"

namespace trb::app {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

class PaperBatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(Temporary());
        fs::create_directories(folder.Path() / "config");
    }
    fs::path Temporary() const { return folder.Path() / "tmp"; }

    // Copies the case into the folder and runs trb there; its standard output and errors.
    std::string Trb(const std::string& caseFile, const std::vector<std::string>& options) {
        if (!caseFile.empty())
            fs::copy_file(caseFile, folder.Path() / fs::path(caseFile).filename(),
                          fs::copy_options::overwrite_existing);
        std::vector<std::string> arguments{caseFile.empty() ? "missing.trb"
                                                            : fs::path(caseFile).filename().string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        test_support::RunOptions run = test_support::MergedErrors();
        run.folder = folder.Path().string();
        run.environment = {"XDG_CONFIG_HOME=" + (folder.Path() / "config").string(),
                           "TMPDIR=" + Temporary().string()};
        const test_support::ProgramRun result = test_support::RunProgram(TRB_PROGRAM, arguments, run);
        exitCode = result.exitCode;
        EXPECT_TRUE(fs::is_empty(Temporary())) << "the temporary folder is left empty";
        return result.output;
    }
    std::size_t Files() const {
        std::size_t n = 0;
        for (const auto& entry : fs::directory_iterator(folder.Path())) n += entry.is_regular_file() ? 1 : 0;
        return n;
    }

    test_support::TempFolder folder;
    int exitCode = -1;
    const std::string example = TRB_SOURCE_DATA_DIR "/examples/example.trb";
};

TEST_F(PaperBatchTest, PdfHoldsTheReportThenTheDrawingsThenThePressureDistributionOnA4) {
    Trb(example, {"/PDF"});
    ASSERT_EQ(exitCode, 0);
    EXPECT_EQ(Files(), 2u) << "the case and its PDF";
    const fs::path pdf = folder.Path() / "example.pdf";
    const paper::test::PdfPages info = paper::test::PdfInfo(pdf);
    ASSERT_TRUE(info.read);
    ASSERT_GE(info.sizes.size(), 5u);
    // A4 pages, each lying as its view does: the result sheet and the pressure distribution, which
    // comes last, are wider than high.
    const int pages = static_cast<int>(info.sizes.size()) - 1;
    for (int page = 1; page <= pages + 1; ++page) {
        const auto [width, height] = info.sizes[static_cast<std::size_t>(page - 1)];
        const bool landscape = page == pages - 1 || page == pages + 1;
        EXPECT_NEAR(width, landscape ? 841.89 : 595.28, 0.01) << page;
        EXPECT_NEAR(height, landscape ? 595.28 : 841.89, 0.01) << page;
    }
    // The report: its pages numbered from "Bl. 1", its rows with their umlauts and units.
    const std::string report = paper::test::PdfText(pdf, 1, pages - 2);
    const auto first = report.find("Bl. 1");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, report.find("Bl. 2"));
    EXPECT_THAT(report, HasSubstr("Lagerau\xC3\x9F"
                                  "endurchmesser"));
    EXPECT_THAT(report, HasSubstr("Schmierstoffzuf\xC3\xBChrdruck"));
    EXPECT_THAT(report, HasSubstr("\xC2\xB0"));  // the degree sign of the temperatures
    EXPECT_THAT(report, HasSubstr("36000"));
    // The result sheet, then the production drawing with its title block.
    const std::string sheet = paper::test::PdfText(pdf, pages - 1, pages - 1);
    EXPECT_THAT(sheet, HasSubstr("Sommerfeld-Zahl"));
    EXPECT_THAT(sheet, Not(HasSubstr("Bl. ")));
    const std::string drawing = paper::test::PdfText(pdf, pages, pages);
    EXPECT_THAT(drawing, HasSubstr("\xC3\x84nderung"));
    EXPECT_THAT(drawing, Not(HasSubstr("Sommerfeld-Zahl")));
    // The film: the DIN values beside the Reynolds solution, the coefficients and the grid used.
    const std::string film = paper::test::PdfText(pdf, pages + 1, pages + 1);
    for (const char* text : {"Druckverteilung", "DIN 31652", "Reynolds", "Abweichung", "Steifigkeit",
                             "D\xC3\xA4mpfung", "Gitter 216 x 20", "Einsatzdrehzahl", "p max ="})
        EXPECT_THAT(film, HasSubstr(text));
    for (int page = 1; page <= pages + 1; ++page) {
        SCOPED_TRACE(page);
        EXPECT_GT(paper::test::PdfPage(pdf, page, 30).InkedPixels(), 300);
    }
}

TEST_F(PaperBatchTest, SvgAndPngOfAViewAtItsSizeAndResolution) {
    Trb(example, {"/SVG:7", "/NOGUI"});
    ASSERT_EQ(exitCode, 0);
    const fs::path svg = folder.Path() / "example.svg";
    // The production drawing's limits are (-5, -5)–(225, 310) millimetres.
    EXPECT_EQ(paper::test::SvgRoot(svg), "svg 230mm 315mm\n");
    const paper::test::Image rendered = paper::test::RenderSvg(svg);
    ASSERT_TRUE(rendered.Valid());
    EXPECT_GT(rendered.InkedPixels(), 10000);

    Trb(example, {"/png:7:72"});
    ASSERT_EQ(exitCode, 0);
    const paper::test::Image small =
        paper::test::DecodePng(test_support::ReadWholeFile(folder.Path() / "example.png"));
    ASSERT_TRUE(small.Valid());
    EXPECT_EQ(small.width, 652);  // 230 mm at 72 dpi
    EXPECT_EQ(small.height, 893);
    EXPECT_GT(small.InkedPixels(), 10000);
    EXPECT_EQ(small.R(0, 0), 255);

    // The lowest and the highest resolution the window takes are taken here too (the section, view 5).
    Trb(example, {"/PNG:5:36"});
    ASSERT_EQ(exitCode, 0);
    const paper::test::Image lowest =
        paper::test::DecodePng(test_support::ReadWholeFile(folder.Path() / "example.png"));
    EXPECT_EQ(lowest.width, 119);
    EXPECT_EQ(lowest.height, 298);
    Trb(example, {"/PNG:5:1200"});
    ASSERT_EQ(exitCode, 0);
    const paper::test::Image highest =
        paper::test::DecodePng(test_support::ReadWholeFile(folder.Path() / "example.png"));
    EXPECT_EQ(highest.width, 3969);
    EXPECT_EQ(highest.height, 9921);

    Trb(example, {"/PNG:1"});
    const paper::test::Image usual =
        paper::test::DecodePng(test_support::ReadWholeFile(folder.Path() / "example.png"));
    EXPECT_EQ(usual.width, 945) << "the result sheet's 160 mm at 150 dpi";
}

TEST_F(PaperBatchTest, ThePressureDistributionIsALandscapeSheetWithItsColourMap) {
    Trb(example, {"/SVG:8", "/NOGUI"});
    ASSERT_EQ(exitCode, 0);
    const fs::path svg = folder.Path() / "example.svg";
    EXPECT_EQ(paper::test::SvgRoot(svg), "svg 297mm 210mm\n");
    const paper::test::Image rendered = paper::test::RenderSvg(svg);
    ASSERT_TRUE(rendered.Valid());
    // The colour map's upper right (the developed surface, x 165..285 mm, y 148..183 mm from below)
    // holds the ramp's pale yellow of the low pressures and its dark red near p max.
    const auto count = [&](auto near) {
        long n = 0;
        const int x0 = rendered.width * 165 / 297, x1 = rendered.width * 285 / 297;
        const int y0 = rendered.height * (210 - 183) / 210, y1 = rendered.height * (210 - 148) / 210;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += near(rendered.R(x, y), rendered.G(x, y), rendered.B(x, y)) ? 1 : 0;
        return n;
    };
    EXPECT_GT(count([](int r, int g, int b) { return r > 240 && g > 240 && b > 160 && b < 230; }), 1000);
    EXPECT_GT(count([](int r, int g, int b) { return r > 100 && r < 180 && g < 40 && b < 70; }), 20);

    Trb(example, {"/PNG:8:72"});
    ASSERT_EQ(exitCode, 0);
    const paper::test::Image png =
        paper::test::DecodePng(test_support::ReadWholeFile(folder.Path() / "example.png"));
    EXPECT_EQ(png.width, 842);  // 297 mm at 72 dpi
    EXPECT_EQ(png.height, 595);
}

TEST_F(PaperBatchTest, FailuresWriteNothingAndSayWhy) {
    // A view the View menu does not have.
    EXPECT_THAT(Trb(example, {"/SVG:9"}), HasSubstr("1..8"));
    EXPECT_EQ(exitCode, 2);
    // A resolution the window would not take, or one that is no number, is refused, not replaced.
    for (const char* option :
         {"/PNG:7:5", "/PNG:7:abc", "/PNG:7:5000", "/PNG:7:", "/PNG:7:0", "/PNG:7:35", "/PNG:7:1201"}) {
        EXPECT_THAT(Trb(example, {option}), HasSubstr("36..1200")) << option;
        EXPECT_EQ(exitCode, 2) << option;
    }
    // A view that is no plain number is no option.
    for (const char* option : {"/SVG:7x", "/PNG:7x:150"}) {
        EXPECT_THAT(Trb(example, {option}), HasSubstr("unbekannter Parameter")) << option;
        EXPECT_EQ(exitCode, 2) << option;
    }
    EXPECT_EQ(Files(), 1u) << "the case alone";
    // A missing case.
    fs::remove(folder.Path() / "example.trb");
    Trb({}, {"/PDF"});
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(Files(), 0u);
    // A failed calculation: no picture; the PDF holds the report of the failed run.
    const std::string fatal = TRB_TEST_DATA_DIR "/fatal.trb";
    EXPECT_THAT(Trb(fatal, {"/PNG:7"}), HasSubstr("visko"));
    EXPECT_EQ(exitCode, 3);
    EXPECT_FALSE(fs::exists(folder.Path() / "fatal.png"));
    Trb(fatal, {"/PDF"});
    EXPECT_EQ(exitCode, 3);
    const fs::path pdf = folder.Path() / "fatal.pdf";
    ASSERT_TRUE(paper::test::PdfInfo(pdf).read);
    EXPECT_THAT(paper::test::PdfText(pdf), HasSubstr("Bl. 1"));
}

TEST_F(PaperBatchTest, TheCommandLineProgramNeedsNoQt) {
    const test_support::ProgramRun ldd = test_support::RunProgram("ldd", {TRB_PROGRAM});
    ASSERT_EQ(ldd.exitCode, 0) << ldd.errors;
    const std::string& libraries = ldd.output;
    EXPECT_THAT(libraries, HasSubstr("libcairo"));
    EXPECT_THAT(libraries, Not(HasSubstr("libQt")));
}

}  // namespace
}  // namespace trb::app
