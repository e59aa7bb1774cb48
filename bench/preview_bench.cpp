#include <benchmark/benchmark.h>

#include <QString>

#include "gui/overview/overview_model.h"
#include "overview/overview.h"
#include "overview_cases.h"

namespace {

using namespace trb;

// What the overview command does before the window shows: 1,000 case files read and calculated,
// the rows put into the grid's model, and every cell's text fetched once as the grid would.
void BM_ThousandCasesIntoTheGridModel(benchmark::State& state) {
    const std::string folder = bench::ThousandCases().Folder();
    for (auto _ : state) {
        overview::Overview result;
        int error = 0;
        overview::ScanFolder(folder, {}, result, error);
        gui::OverviewModel model(std::move(result));
        qsizetype characters = 0;
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                characters += model.data(model.index(r, c), Qt::DisplayRole).toString().size();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_ThousandCasesIntoTheGridModel)->Unit(benchmark::kMillisecond);

// Sorting the model by a column: the rows are reordered and the grid told to fetch them anew.
void BM_SortTheGridModel(benchmark::State& state) {
    overview::Overview result;
    int error = 0;
    overview::ScanFolder(bench::ThousandCases().Folder(), {}, result, error);
    gui::OverviewModel model(std::move(result));
    int column = 0;
    for (auto _ : state) {
        model.SortByColumn(column);
        column = (column + 5) % overview::kColumnCount;
    }
}
BENCHMARK(BM_SortTheGridModel)->Unit(benchmark::kMicrosecond);

}  // namespace
