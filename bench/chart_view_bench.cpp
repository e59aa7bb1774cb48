// The clearance range view in the window after an input change: the case and its three clearance
// runs calculated, the sheet drawn into the display list and the window repainted (offscreen).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/program.h"
#include "core/calculation.h"
#include "gui/window/main_window.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "chart_view_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv);
    }
}

// A window in a configuration folder of its own, showing the clearance range.
struct RangeWindow {
    RangeWindow() {
        const auto folder = std::filesystem::temp_directory_path() / "trb_chart_view_bench";
        std::filesystem::create_directories(folder / "config");
        setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
        window = std::make_unique<trb::gui::Thh>(program);
        window->show();
        window->findChild<QAction*>("mi_viewSpielbereich")->trigger();
    }
    bool ShowsRange() const {
        for (const auto& command : window->Graphics().List().Commands()) {
            if (command.text.find("Spielbereich") != std::string::npos) return true;
        }
        return false;
    }

    trb::ui::ScriptedDialogs dialogs;
    trb::ui::RecordingLauncher launcher;
    trb::app::Program program{dialogs, launcher};
    std::unique_ptr<trb::gui::Thh> window;
};

// An input change as the Edit commands make it: the run, then the window's refresh, which
// recalculates the three clearances and redraws the sheet; then the repaint.
void BM_ClearanceRangeViewAfterInputChange(benchmark::State& state) {
    EnsureApplication();
    RangeWindow view;
    trb::app::Program& program = view.program;
    const trb::real load = program.record.f;
    int i = 0;
    for (auto _ : state) {
        program.record.f = load * (1 + 0.01L * static_cast<trb::real>(++i % 7));
        bool abort = false;
        trb::core::RunCalculation(program.record, program.status, abort);
        view.window->RefreshAfterRun();
        benchmark::DoNotOptimize(view.window->RenderImage());
    }
    if (!view.ShowsRange()) state.SkipWithError("the window does not show the clearance range");
}
BENCHMARK(BM_ClearanceRangeViewAfterInputChange)->Unit(benchmark::kMillisecond);

}  // namespace
