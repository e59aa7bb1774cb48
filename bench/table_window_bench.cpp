// The table window's grid on a table of 100,000 records: from opening the table to the first
// screen of rows painted (offscreen).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "gui/table_grid.h"
#include "gui/table_grid_model.h"
#include "tables/dbf_table.h"
#include "text/format_options.h"

namespace {

using trb::tables::DbfTable;

constexpr long long kRecords = 100000;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "table_window_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv);
    }
}

struct LargeTable {
    LargeTable() {
        std::string pattern = (std::filesystem::temp_directory_path() / "trb_window_bench_XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        path = folder / "large.dbf";
        const auto text = folder / "large.txt";
        std::string lines;
        char line[96];
        for (long long i = 0; i < kRecords; ++i) {
            const int n = std::snprintf(line, sizeof line, "%.2f,%.2f,%lld,\"Buchse %lld\"\r\n",
                                        static_cast<double>((i * 7919) % 1000) / 5.0,
                                        static_cast<double>((i * 104729) % 1000) / 4.0, i % 97, i);
            lines.append(line, static_cast<std::size_t>(n));
        }
        std::FILE* f = std::fopen(text.c_str(), "wb");
        std::fwrite(lines.data(), 1, lines.size(), f);
        std::fclose(f);
        DbfTable::Create(path,
                         {{"D1", 'N', 7, 2}, {"D2", 'N', 7, 2}, {"B1", 'N', 7, 2}, {"NAME", 'C', 20, 0}});
        DbfTable t;
        t.Open(path);
        t.AppendFromDelimited(text);
    }
    ~LargeTable() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path folder, path;
};

// Open, the grid's model over the table, and the grid painted once at window size. Argument 0:
// deleted records hidden (selection mode), 1: shown (editing mode).
void BM_OpenToFirstScreenPainted(benchmark::State& state) {
    EnsureApplication();
    static LargeTable large;
    const trb::text::FormatOptions format{};
    for (auto _ : state) {
        DbfTable table;
        table.SetShowDeleted(state.range(0) != 0);
        table.Open(large.path);
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
