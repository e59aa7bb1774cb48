#include <benchmark/benchmark.h>

#include <string>

#include "text/cp850.h"
#include "text/format.h"

namespace {

using trb::real;
using trb::text::FormatOptions;

// A report page formats some hundred numbers; these measure the single calls.
void BM_FormatShort(benchmark::State& state) {
    const FormatOptions options;
    real x = 0.0125L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trb::text::FormatShort(x, options));
        x = x * 1.37L;
        if (x > 1e6L) x = 0.0125L;
    }
}
BENCHMARK(BM_FormatShort);

void BM_FormatFixed(benchmark::State& state) {
    const FormatOptions options;
    for (auto _ : state) benchmark::DoNotOptimize(trb::text::FormatFixed(1234.56789L, 8, 6, options));
}
BENCHMARK(BM_FormatFixed);

void BM_TextToReal(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(trb::text::TextToReal(" 1234,5678 "));
}
BENCHMARK(BM_TextToReal);

void BM_OemToDisplay(benchmark::State& state) {
    const FormatOptions options;
    const std::string line =
        "Mittlere Schmierfilmtemperatur \xF8"
        "C   Gr\x94\xE1"
        "e   \xE6m   \x84\x81\x94";
    for (auto _ : state) benchmark::DoNotOptimize(trb::text::OemToDisplay(line, options));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(line.size()));
}
BENCHMARK(BM_OemToDisplay);

void BM_DisplayToOem(benchmark::State& state) {
    const std::string line = "Mittlere Schmierfilmtemperatur °C   Größe   µm   äüö";
    for (auto _ : state) benchmark::DoNotOptimize(trb::text::DisplayToOem(line));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(line.size()));
}
BENCHMARK(BM_DisplayToOem);

}  // namespace
