#include <benchmark/benchmark.h>

#include "app/overview_export.h"
#include "overview/overview.h"
#include "overview_cases.h"
#include "report/report_writer.h"
#include "workbook/workbook.h"

namespace {

using namespace trb;

overview::Overview Scanned() {
    overview::Overview result;
    int error = 0;
    overview::ScanFolder(bench::ThousandCases().Folder(), {}, result, error);
    return result;
}

// 1,000 case files read, each into a fresh case, calculated and made into a row.
void BM_ScanThousandCases(benchmark::State& state) {
    const std::string folder = bench::ThousandCases().Folder();
    for (auto _ : state) {
        overview::Overview result;
        int error = 0;
        overview::ScanFolder(folder, {}, result, error);
        benchmark::DoNotOptimize(result.rows.data());
    }
}
BENCHMARK(BM_ScanThousandCases)->Unit(benchmark::kMillisecond);

// Sorting 1,000 rows by a numeric column and by the file name, from the order of the scan.
void BM_SortThousandRows(benchmark::State& state) {
    const overview::Overview scanned = Scanned();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<overview::Row> rows = scanned.rows;
        state.ResumeTiming();
        overview::SortRows(rows, column);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SortThousandRows)
    ->Arg(overview::kBoreColumn)
    ->Arg(overview::kNumberColumn)
    ->Unit(benchmark::kMillisecond);

// The 1,000-row overview written as a workbook.
void BM_WriteThousandRowWorkbook(benchmark::State& state) {
    const overview::Overview scanned = Scanned();
    const std::string folder = bench::ThousandCases().Folder();
    const std::string temp = report::TemporaryFolder({});
    for (auto _ : state) {
        const workbook::WriteResult result =
            workbook::WriteWorkbook(folder + "overview.xlsx", app::OverviewSheet(scanned), temp);
        if (!result.Ok()) state.SkipWithError("workbook not written");
    }
}
BENCHMARK(BM_WriteThousandRowWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace
