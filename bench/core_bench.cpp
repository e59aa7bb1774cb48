#include <benchmark/benchmark.h>

#include "core/calculation.h"
#include "core/characteristic.h"

namespace {

using trb::core::TRBrecord;

void RunOn(benchmark::State& state, bool pressureLubrication) {
    TRBrecord example;
    trb::core::LoadExampleCase(example);
    example.druckschmierung = pressureLubrication;
    trb::core::RunStatus status;
    for (auto _ : state) {
        TRBrecord record = example;
        bool abort = false;
        benchmark::DoNotOptimize(trb::core::RunCalculation(record, status, abort));
        benchmark::DoNotOptimize(record.h0);
    }
}

// The example case: pressure lubrication, four iteration steps.
void BM_RunCalculationExample(benchmark::State& state) {
    RunOn(state, true);
}
BENCHMARK(BM_RunCalculationExample);

// The same bearing giving its heat off by convection: six iteration steps.
void BM_RunCalculationConvection(benchmark::State& state) {
    RunOn(state, false);
}
BENCHMARK(BM_RunCalculationConvection);

void BM_EpsOfSommerfeld(benchmark::State& state) {
    trb::core::RunStatus status;
    trb::real so = 2.124L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(so);
        benchmark::DoNotOptimize(trb::core::EpsOfSommerfeld(so, 0.5L, status));
    }
}
BENCHMARK(BM_EpsOfSommerfeld);

}  // namespace
