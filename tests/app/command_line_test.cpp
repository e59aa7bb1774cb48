#include <gtest/gtest.h>

#include <optional>

#include "app/command_line.h"

namespace trb::app {
namespace {

CommandLine Parse(std::vector<std::string> arguments) {
    return parseCommandLine(arguments);
}

// The mode of the parsed arguments when it is a T.
template <class T>
std::optional<T> As(std::vector<std::string> arguments) {
    const CommandLine line = parseCommandLine(arguments);
    if (const T* mode = std::get_if<T>(&line.mode)) return *mode;
    return std::nullopt;
}

TEST(CommandLine, HelpNormalStartAndCaseStarts) {
    EXPECT_TRUE(std::holds_alternative<NormalStart>(Parse({}).mode));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(Parse({"?"}).mode));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(Parse({"/?"}).mode));
    const auto read = As<CaseStart>({"lager.trb"});
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->caseFile, "lager.trb");
    EXPECT_TRUE(read->readCase);
    for (const char* option : {"/E", "/e", "/G", "/g"}) {
        const auto named = As<CaseStart>({"test.edi", option});
        ASSERT_TRUE(named.has_value()) << option;
        EXPECT_FALSE(named->readCase) << "the name only becomes the case name";
    }
}

TEST(CommandLine, BatchModesInAnyCaseWithNoGuiAnywhere) {
    auto line = Parse({"/home/user/lager.trb", "/i"});
    ASSERT_TRUE(std::holds_alternative<ReportBatch>(line.mode))
        << "an absolute path is a name, not an option";
    EXPECT_EQ(std::get<ReportBatch>(line.mode).caseFile, "/home/user/lager.trb");
    EXPECT_FALSE(line.noGui);

    line = Parse({"/NoGui", "lager.trb", "/I"});
    EXPECT_TRUE(std::holds_alternative<ReportBatch>(line.mode));
    EXPECT_TRUE(line.noGui);
    line = Parse({"lager.trb", "/json", "/NOGUI"});
    EXPECT_TRUE(std::holds_alternative<JsonBatch>(line.mode));
    EXPECT_TRUE(line.noGui);
    EXPECT_TRUE(Parse({"lager.trb", "/nogui"}).noGui);
    EXPECT_TRUE(std::holds_alternative<CaseStart>(Parse({"lager.trb", "/nogui"}).mode));
}

TEST(CommandLine, CadOptionCarriesDeviceAndIndex) {
    auto cad = As<CadBatch>({"lager.trb", "/CAD1:3"});
    ASSERT_TRUE(cad.has_value());
    EXPECT_EQ(cad->device, 1);
    EXPECT_EQ(cad->index, 3);
    cad = As<CadBatch>({"lager.trb", "/cad5:12"});
    ASSERT_TRUE(cad.has_value());
    EXPECT_EQ(cad->device, 5);
    EXPECT_EQ(cad->index, 12);
    cad = As<CadBatch>({"lager.trb", "/CAD"});
    ASSERT_TRUE(cad.has_value());
    EXPECT_EQ(cad->device, 0) << "a missing digit is no device";
}

TEST(CommandLine, SweepOptionKeepsItsRangeAsTyped) {
    auto sweep = As<SweepBatch>({"lager.trb", "/sweep:F=100:2000,5:19", "/NOGUI"});
    ASSERT_TRUE(sweep.has_value());
    EXPECT_EQ(sweep->caseFile, "lager.trb");
    EXPECT_EQ(sweep->range, "F=100:2000,5:19");
    sweep = As<SweepBatch>({"lager.trb", "/SWEEP:"});
    ASSERT_TRUE(sweep.has_value()) << "an empty range is the sweep's to refuse, with its own message";
    EXPECT_EQ(sweep->range, "");
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"lager.trb", "/SWEEP"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"/SWEEP:n=1:2:3", "lager.trb"}).mode));
    EXPECT_TRUE(IsBatchMode(SweepBatch{"a.trb", "n=1:2:3"}));
}

TEST(CommandLine, PaperOptionsCarryTheViewAndTheResolution) {
    const auto pdf = As<PaperBatch>({"lager.trb", "/pdf"});
    ASSERT_TRUE(pdf.has_value());
    EXPECT_EQ(pdf->format, PaperFormat::Pdf);
    EXPECT_EQ(pdf->caseFile, "lager.trb");
    const auto svg = As<PaperBatch>({"/NOGUI", "lager.trb", "/SVG:7"});
    ASSERT_TRUE(svg.has_value());
    EXPECT_EQ(svg->format, PaperFormat::Svg);
    EXPECT_EQ(svg->view, 7);
    const auto png = As<PaperBatch>({"lager.trb", "/png:2:300"});
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->format, PaperFormat::Png);
    EXPECT_EQ(png->view, 2);
    EXPECT_EQ(png->resolution, 300);
    EXPECT_EQ(As<PaperBatch>({"lager.trb", "/PNG:1"})->resolution, std::nullopt) << "none given";
    EXPECT_EQ(As<PaperBatch>({"lager.trb", "/PNG:1:0"})->resolution, 0) << "given, refused when run";
    EXPECT_EQ(As<PaperBatch>({"lager.trb", "/PNG:1:x"})->resolution, -1) << "no number";
    // A view that is not a plain number, or an SVG with a resolution, is no option of ours.
    for (const char* option : {"/SVG:7x", "/PNG:7x:150", "/SVG:7:300", "/PNG:+7", "/SVG: 7"})
        EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"lager.trb", option}).mode)) << option;
    EXPECT_EQ(As<PaperBatch>({"lager.trb", "/SVG:"})->view, 0) << "no view: refused when run";
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"lager.trb", "/PDFX"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"lager.trb", "/SVG"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"/PDF"}).mode))
        << "an option where the name belongs";
    EXPECT_TRUE(IsBatchMode(PaperBatch{"a.trb"}));
}

TEST(CommandLine, VerifyTakesAReportAndABenchmarkFolderInAnyCase) {
    const auto plain = As<VerifyBatch>({"/VERIFY"});
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->quick);
    EXPECT_EQ(plain->pdf, "");
    EXPECT_EQ(plain->benchmarks, "");
    const auto full = As<VerifyBatch>({"/verify:quick", "/tmp/report.pdf", "/NOGUI", "build/benchmarks"});
    ASSERT_TRUE(full);
    EXPECT_TRUE(full->quick);
    EXPECT_EQ(full->pdf, "/tmp/report.pdf") << "an absolute path is a file";
    EXPECT_EQ(full->benchmarks, "build/benchmarks");
    EXPECT_TRUE(IsBatchMode(*full));
    // A third name, an option in place of a name, an unknown form and /VERIFY after a case are refused.
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"/VERIFY", "a.pdf", "b", "c"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"/VERIFY", "/I"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"/VERIFY:FULL"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(parseCommandLine({"lager.trb", "/VERIFY"}).mode));
}

TEST(CommandLine, BadArgumentsAreRecognised) {
    const auto missing = As<MissingExtension>({"lager", "/I"});
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->name, "lager");
    EXPECT_TRUE(std::holds_alternative<MissingExtension>(Parse({"cases.d/lager"}).mode))
        << "a dot in the folder is no extension";
    // Alone (a double-clicked file) it goes to the window, which can show it; else to the error output.
    EXPECT_FALSE(IsBatchMode(Parse({"lager"}).mode));
    EXPECT_TRUE(IsBatchMode(Parse({"lager", "/NOGUI"}).mode));
    EXPECT_TRUE(IsBatchMode(Parse({"lager", "/I"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"lager.trb", "/X"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"lager.trb", "/I", "more"}).mode));
    EXPECT_TRUE(std::holds_alternative<BadArguments>(Parse({"/I"}).mode))
        << "an option where the name belongs";
}

TEST(CommandLine, SeveralCaseFilesBeforeOneBatchOption) {
    auto list = As<CaseListBatch>({"a.trb", "/NOGUI", "sub/b.trb", "/home/u/c.trb", "/json"});
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->caseFiles, (std::vector<std::string>{"a.trb", "sub/b.trb", "/home/u/c.trb"}));
    EXPECT_EQ(list->option, "/json");
    EXPECT_TRUE(Parse({"a.trb", "b.trb", "/I", "/nogui"}).noGui);
    EXPECT_TRUE(IsBatchMode(Parse({"a.trb", "b.trb", "/I"}).mode));
    for (const char* option : {"/I", "/CAD1:1", "/SWEEP:n=5:50:9", "/PDF", "/SVG:7", "/PNG:7:300"}) {
        EXPECT_TRUE(As<CaseListBatch>({"a.trb", "b.trb", option}).has_value()) << option;
    }
    // A name without extension is that file's fault, found when its turn comes.
    EXPECT_TRUE(As<CaseListBatch>({"a.trb", "b", "/I"}).has_value());

    // Each file then runs as if it stood alone before the option.
    const CommandLineMode jsonMode = CaseBatchMode("sub/b.trb", "/json");
    const auto* json = std::get_if<JsonBatch>(&jsonMode);
    ASSERT_NE(json, nullptr);
    EXPECT_EQ(json->caseFile, "sub/b.trb");
    const CommandLineMode cad = CaseBatchMode("b.trb", "/cad2:4");
    ASSERT_TRUE(std::holds_alternative<CadBatch>(cad));
    EXPECT_EQ(std::get<CadBatch>(cad).device, 2);
    EXPECT_EQ(std::get<CadBatch>(cad).index, 4);
    const CommandLineMode missing = CaseBatchMode("b", "/I");
    ASSERT_TRUE(std::holds_alternative<MissingExtension>(missing));
    EXPECT_FALSE(std::get<MissingExtension>(missing).windowStart);
    EXPECT_TRUE(std::holds_alternative<BadArguments>(CaseBatchMode("b.trb", "/X")));
}

TEST(CommandLine, SeveralCaseFilesRefuseWhatIsOutOfPlace) {
    const auto bad = [](std::vector<std::string> arguments) -> std::string {
        const auto refused = As<BadArguments>(std::move(arguments));
        return refused ? refused->argument : "(accepted)";
    };
    EXPECT_EQ(bad({"a.trb", "b.trb"}), "b.trb") << "two names and no option";
    EXPECT_EQ(bad({"a.trb", "b.trb", "c.trb"}), "c.trb") << "no option in the last place";
    EXPECT_EQ(bad({"a.trb", "/I", "b.trb", "/JSON"}), "/I") << "an option among the names";
    EXPECT_EQ(bad({"a.trb", "b.trb", "/E"}), "/E") << "a window starts with one case";
    EXPECT_EQ(bad({"a.trb", "b.trb", "/G"}), "/G");
    EXPECT_EQ(bad({"a.trb", "b.trb", "/X"}), "/X");
    EXPECT_EQ(bad({"/OVERVIEW", "folder", "more"}), "more");
}

TEST(CommandLine, BatchModesAreThoseWithoutAWindow) {
    EXPECT_FALSE(IsBatchMode(NormalStart{}));
    EXPECT_FALSE(IsBatchMode(CaseStart{"a.trb", true}));
    EXPECT_TRUE(IsBatchMode(ShowHelp{}));
    EXPECT_TRUE(IsBatchMode(ReportBatch{"a.trb"}));
    EXPECT_TRUE(IsBatchMode(JsonBatch{"a.trb"}));
    EXPECT_TRUE(IsBatchMode(MissingExtension{"a"}));
}

TEST(CommandLine, HelpScreenFitsTheTextScreenAndNamesEveryOption) {
    const auto& lines = CommandLineHelpLines();
    EXPECT_LE(lines.size(), 22u);
    std::string all;
    for (const auto& line : lines) all += line + "\n";
    for (const char* option : {"/I ", "/CADi:j", "/NOGUI", "/JSON", "/SWEEP:q=a:b:k", "/PDF ", "/SVG:j",
                               "/PNG:j", "/VERIFY", "/?"}) {
        EXPECT_NE(all.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace trb::app
