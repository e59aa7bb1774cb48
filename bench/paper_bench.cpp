// PDF, SVG and PNG output: "trb example.trb /PDF" as a whole process, and one production drawing
// through the SVG and PNG devices.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "config/settings.h"
#include "core/calculation.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/title_data.h"
#include "graphics/drawing_views.h"
#include "graphics/driver.h"
#include "graphics/graphics_window.h"
#include "text/language.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace trb;

// A fresh folder under $TMPDIR, removed afterwards.
struct Folder {
    Folder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/trb-paper-bench-XXXXXX";
        if (::mkdtemp(pattern.data())) path = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

void BM_PdfBatchProcess(benchmark::State& state) {
    Folder folder;
    fs::create_directories(folder.path / "tmp");
    fs::create_directories(folder.path / "config");
    const fs::path caseFile = folder.path / "example.trb";
    fs::copy_file(TRB_SOURCE_DATA_DIR "/examples/example.trb", caseFile);
    // The run's own folders, the other variables as they are.
    std::vector<std::string> variables = {"TRB_DATA_DIR=" TRB_SOURCE_DATA_DIR,
                                          "XDG_CONFIG_HOME=" + (folder.path / "config").string(),
                                          "TMPDIR=" + (folder.path / "tmp").string()};
    for (char** v = environ; *v; ++v) {
        const std::string variable = *v;
        if (!variable.starts_with("TRB_DATA_DIR=") && !variable.starts_with("XDG_CONFIG_HOME=") &&
            !variable.starts_with("TMPDIR="))
            variables.push_back(variable);
    }
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string program = TRB_PROGRAM, name = caseFile.string(), option = "/PDF";
    char* arguments[] = {program.data(), name.data(), option.data(), nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        if (::posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environment.data()) != 0) {
            state.SkipWithError("trb cannot be started");
            break;
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("trb /PDF failed");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(folder.path / "example.pdf"));
}
BENCHMARK(BM_PdfBatchProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The example case's production drawing written as a file by the batch driver.
void DrawProduction(benchmark::State& state, int device) {
    Folder folder;
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
