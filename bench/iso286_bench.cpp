// Tolerance zone look-ups as the input dialogs make them on every keystroke.
#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <string_view>

#include "core/iso286.h"

// Counts heap allocations so the benchmark can show that a look-up makes none.
namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
// The replaced operator new above takes its memory from malloc, so free is the matching release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

using trb::real;
using namespace trb::core;

constexpr std::array<std::string_view, 12> kClasses = {"H7", "f7", "js6", "K7",  "M8",  "N9",
                                                       "P7", "g6", "cd8", "ZA7", "e 8", "u6"};
constexpr std::array<real, 8> kSizes = {2, 5, 18, 50, 120.0005L, 320, 630, 3000};

void BM_ToleranceLimits(benchmark::State& state) {
    ToleranceSteps steps;
    std::size_t i = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        bool abort = false;
        const ToleranceZone zone =
            ToleranceLimits(steps, kClasses[i % kClasses.size()], kSizes[i % kSizes.size()], abort);
        benchmark::DoNotOptimize(zone);
        benchmark::DoNotOptimize(abort);
        ++i;
    }
    state.counters["allocs_per_call"] = benchmark::Counter(static_cast<double>(allocations.load() - before),
                                                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ToleranceLimits);

void BM_ToleranceDeviationsWithMessage(benchmark::State& state) {
    ToleranceSteps steps;
    for (auto _ : state) {
        std::string position = "c";
        ToleranceZone zone;
        std::string message = ToleranceDeviations(steps, position, 7, 50, zone);  // a hint text
        benchmark::DoNotOptimize(message);
        benchmark::DoNotOptimize(zone);
    }
}
BENCHMARK(BM_ToleranceDeviationsWithMessage);

void BM_ShaftClassForClearance(benchmark::State& state) {
    ToleranceSteps steps;
    for (auto _ : state) {
        RunStatus status;
        std::string cls = ShaftClassForClearance(steps, 6, 99.970L, 100, status);
        benchmark::DoNotOptimize(cls);
    }
}
BENCHMARK(BM_ShaftClassForClearance);

}  // namespace
