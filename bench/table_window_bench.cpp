// The table window's grid on a table of 100,000 records: from opening the table to the first
// screen of rows painted (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>

#include "gui/tables/table_grid.h"
#include "gui/tables/table_grid_model.h"
#include "large_table.h"
#include "tables/dbf_table.h"
#include "text/format_options.h"

namespace {

using trb::tables::DbfTable;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "table_window_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv);
    }
}

// Open, the grid's model over the table, and the grid painted once at window size. Argument 0:
// deleted records hidden (selection mode), 1: shown (editing mode).
void BM_OpenToFirstScreenPainted(benchmark::State& state) {
    EnsureApplication();
    const trb::text::FormatOptions format{};
    for (auto _ : state) {
        DbfTable table;
        table.SetShowDeleted(state.range(0) != 0);
        table.Open(trb::bench::LargeTable::Path());
        trb::gui::TableGridModel model(format);
        model.SetTable(&table, state.range(0) != 0);
        trb::gui::TableGrid grid;
        grid.resize(800, 600);
        grid.setModel(&model);
        benchmark::DoNotOptimize(grid.grab());
    }
}
BENCHMARK(BM_OpenToFirstScreenPainted)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
