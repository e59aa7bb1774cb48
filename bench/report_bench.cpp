// Wall time of the result report of the example case on the devices the batch mode and the
// printout use, and of a catalogue lookup.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "config/config_file.h"
#include "core/calculation.h"
#include "report/message_catalogue.h"
#include "report/result_report.h"
#include "ui/batch_dialogs.h"

namespace {

using namespace trb;

struct ExampleReport {
    ExampleReport() {
        folder = std::filesystem::temp_directory_path() / "trb_report_bench";
        std::filesystem::create_directories(folder);
        settings.tempFolder = folder.string() + "/";
        core::LoadExampleCase(record);
        bool runAbort = false;
        core::RunCalculation(record, status, runAbort);
    }
    ~ExampleReport() { std::filesystem::remove_all(folder); }

    void Write(int device) {
        report::CaseName name{folder.string() + "/", "example", "trb"};
        report::ReportWriter writer(
            state,
            report::WriterContext{settings, dialogs, launcher, abort, status, title, texts.ProgramTitle(),
                                  "1.6", name, settings.tempFolder, catalogue, "24.12.2026", "9:05"});
        report::WriteResultReport(
            writer, record, texts,
            report::RunMessagesContext{status, dialogs, catalogue, settings.tempFolder, 1, true, {}}, device);
    }

    std::filesystem::path folder;
    config::ConfigSettings settings;
    std::ostringstream errors;
    ui::BatchDialogs dialogs{errors, true};
    ui::RecordingLauncher launcher;
    bool abort = false;
    core::TRBrecord record;
    core::RunStatus status;
    docs::TitleData title;
    text::LanguageTexts texts;
    report::WriterState state;
    std::string catalogue = report::CataloguePath(config::DataFolder());
};

void BM_ResultReportTabFile(benchmark::State& state) {
    ExampleReport report;
    for (auto _ : state) report.Write(report::kTabFileForCase);
}
BENCHMARK(BM_ResultReportTabFile)->Unit(benchmark::kMicrosecond);

void BM_ResultReportTextFile(benchmark::State& state) {
    ExampleReport report;
    for (auto _ : state) report.Write(report::kDosFile);
}
BENCHMARK(BM_ResultReportTextFile)->Unit(benchmark::kMicrosecond);

void BM_ResultReportHtml(benchmark::State& state) {
    ExampleReport report;
    report.settings.htmlBrowser = "/nonexistent";  // nothing is started
    for (auto _ : state) {
        std::filesystem::remove(report.folder / "trb.htm");
        report.Write(report::kHtmlFile);
    }
}
BENCHMARK(BM_ResultReportHtml)->Unit(benchmark::kMicrosecond);

void BM_CatalogueLookupLastEntry(benchmark::State& state) {
    const std::string catalogue = report::CataloguePath(config::DataFolder());
    for (auto _ : state) benchmark::DoNotOptimize(report::GetCause(catalogue, "Invalid temp directory"));
}
BENCHMARK(BM_CatalogueLookupLastEntry)->Unit(benchmark::kMicrosecond);

}  // namespace
