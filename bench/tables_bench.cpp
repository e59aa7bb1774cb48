// Table engine throughput: reading every cell, appending under the lock, building and walking an
// index, searching.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "large_table.h"
#include "tables/dbf_table.h"

namespace {

using trb::tables::DbfTable;

struct BenchFolder {
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "trb_tables_bench_XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

std::filesystem::path MakeTable(const std::filesystem::path& folder, int records) {
    const auto path = folder / "bushings.dbf";
    DbfTable::Create(path, {{"D1", 'N', 7, 2}, {"D2", 'N', 7, 2}, {"B1", 'N', 7, 2}, {"NAME", 'C', 20, 0}});
    DbfTable t;
    t.Open(path);
    for (int i = 0; i < records; ++i) {
        t.Insert();
        t.SetFieldNumber(1, (i * 7919) % 1000 / 5.0L);
        t.SetFieldNumber(2, (i * 104729) % 1000 / 4.0L);
        t.SetFieldNumber(3, i % 97);
        t.SetFieldText(4, "Buchse " + std::to_string(i));
        t.Post();
    }
    return path;
}

void BM_ReadEveryCell(benchmark::State& state) {
    BenchFolder folder;
    const auto path = MakeTable(folder.path, static_cast<int>(state.range(0)));
    DbfTable t;
    t.Open(path);
    for (auto _ : state) {
        for (int r = 1; r <= t.RecordCount(); ++r)
            for (int f = 1; f <= t.FieldCount(); ++f) benchmark::DoNotOptimize(t.Peek(r, f));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 4);
}
BENCHMARK(BM_ReadEveryCell)->Arg(1000);

void BM_AppendUnderLock(benchmark::State& state) {
    BenchFolder folder;
    const auto path = MakeTable(folder.path, 0);
    DbfTable t;
    t.Open(path);
    for (auto _ : state) {
        t.ALock();
        t.SetFieldNumber(1, 12.5L);
        t.SetFieldText(4, "appended");
        t.AppendRec();
        t.UnLock();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendUnderLock);

void BM_IndexOnAndWalk(benchmark::State& state) {
    BenchFolder folder;
    const auto path = MakeTable(folder.path, static_cast<int>(state.range(0)));
    DbfTable t;
    t.Open(path);
    for (auto _ : state) {
        t.IndexOn("D1*10000+D2*100+B1", folder.path / "bushings.ndx");
        t.SetIndexTo(folder.path / "bushings.ndx");
        int n = 0;
        for (t.First(); !t.Eof(); t.Next()) ++n;
        benchmark::DoNotOptimize(n);
        t.SetIndexTo({});
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IndexOnAndWalk)->Arg(1000)->Arg(10000);

void BM_SearchMiss(benchmark::State& state) {
    BenchFolder folder;
    const auto path = MakeTable(folder.path, 1000);
    DbfTable t;
    t.Open(path);
    for (auto _ : state) benchmark::DoNotOptimize(t.Search("Gleitlager", true));
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_SearchMiss);

// ---- the table window's work on a table of 100,000 records ----------------------------------

constexpr int kScreenRows = 40;

// Opening the table and having the texts of the first screen of rows, as the grid asks for them.
void BM_OpenAndFirstScreen(benchmark::State& state) {
    const auto& path = trb::bench::LargeTable::Path();
    for (auto _ : state) {
        DbfTable t;
        t.SetShowDeleted(state.range(0) != 0);
        t.Open(path);
        const std::vector<std::uint32_t> rows = t.ShownRecords();
        for (int row = 0; row < kScreenRows; ++row) {
            const std::string bytes = t.RecordBytes(static_cast<int>(rows[static_cast<std::size_t>(row)]));
            for (int f = 1; f <= t.FieldCount(); ++f) benchmark::DoNotOptimize(t.FieldText(bytes, f));
        }
    }
}
BENCHMARK(BM_OpenAndFirstScreen)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A click on the title of a numeric column: index built, written and made active.
void BM_SortByNumericColumn(benchmark::State& state) {
    const auto& path = trb::bench::LargeTable::Path();
    DbfTable t;
    t.Open(path);
    const auto ndx = path.parent_path() / "$korvtemp.ndx";
    for (auto _ : state) {
        t.IndexOn("D2", ndx);
        t.SetIndexTo(ndx);
        benchmark::DoNotOptimize(t.ShownRecords());
    }
}
BENCHMARK(BM_SortByNumericColumn)->Unit(benchmark::kMillisecond);

// A search that finds nothing reads every record, in the natural order and in an index order.
void BM_SearchAllRecords(benchmark::State& state) {
    const auto& path = trb::bench::LargeTable::Path();
    DbfTable t;
    t.Open(path);
    if (state.range(0) != 0) {
        const auto ndx = path.parent_path() / "search.ndx";
        t.IndexOn("NAME", ndx);
        t.SetIndexTo(ndx);
    }
    for (auto _ : state) benchmark::DoNotOptimize(t.Search("Gleitlager", true));
}
BENCHMARK(BM_SearchAllRecords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
