// PDF, SVG and PNG output: "trb example.trb /PDF" as a whole process, and one production drawing
// through the SVG and PNG devices.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "config/settings.h"
#include "core/calculation.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/title_data.h"
#include "graphics/drawing_views.h"
#include "graphics/driver.h"
#include "graphics/graphics_window.h"
#include "text/language.h"
#include "trb_process.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace {

namespace fs = std::filesystem;
using namespace trb;
using bench::Folder;

void BM_PdfBatchProcess(benchmark::State& state) {
    Folder folder("paper-bench");
    const fs::path caseFile = folder.path / "example.trb";
    fs::copy_file(TRB_SOURCE_DATA_DIR "/examples/example.trb", caseFile);
    for (auto _ : state) {
        if (bench::RunTrb(folder, {caseFile.string(), "/PDF"}) != 0) {
            state.SkipWithError("trb /PDF failed");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(folder.path / "example.pdf"));
}
BENCHMARK(BM_PdfBatchProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The example case's production drawing written as a file by the batch driver.
void DrawProduction(benchmark::State& state, int device) {
    Folder folder("paper-bench");
    core::TRBrecord record;
    core::LoadExampleCase(record);
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);
    text::LanguageTexts texts;
    texts.SwitchLanguage(text::kGerman);
    config::ConfigSettings config;
    docs::TitleData title;
    docs::DrawingInfo info;
    docs::ChangeLog changes;
    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    graphics::DriverSettings settings;
    settings.tempFolder = folder.path.string();
    const std::string caseFile = (folder.path / "example.trb").string();
    const graphics::DrawingData data{record, texts, config, title, info, changes, caseFile, false};
    for (auto _ : state) {
        graphics::GraphicsWindow window;
        graphics::Driver driver(graphics::DriverContext{window, dialogs, launcher, status, abort}, settings);
        driver.SetCaseFile(caseFile);
        driver.SetBatchMode(true);
        graphics::DrawBearingView(driver, dialogs, data, device, graphics::kViewProduction);
        if (abort) {
            state.SkipWithError("the drawing was not written");
            break;
        }
    }
}

void BM_ProductionDrawingSvg(benchmark::State& state) {
    DrawProduction(state, graphics::kDeviceSvg);
}
BENCHMARK(BM_ProductionDrawingSvg)->Unit(benchmark::kMillisecond);

void BM_ProductionDrawingPng150(benchmark::State& state) {
    DrawProduction(state, graphics::kDevicePng);
}
BENCHMARK(BM_ProductionDrawingPng150)->Unit(benchmark::kMillisecond);

}  // namespace
