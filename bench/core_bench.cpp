#include <benchmark/benchmark.h>

#include "core/calculation.h"
#include "core/characteristic.h"
#include "core/clearance_range.h"
#include "core/operating_sweep.h"
#include "core/thresholds.h"

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

namespace {

// The example case at its smallest, mean and largest clearance: three full runs.
void BM_ClearanceRange(benchmark::State& state) {
    TRBrecord example;
    trb::core::LoadExampleCase(example);
    for (auto _ : state) {
        const trb::core::ClearanceRange range = trb::core::RunClearanceRange(example);
        benchmark::DoNotOptimize(range.At(trb::core::Clearance::Largest).record.h0);
    }
}
BENCHMARK(BM_ClearanceRange)->Unit(benchmark::kMicrosecond);

// A 1,000-point speed sweep of the example case (3.3 to 100 1/s) at three clearances: 3,000 runs.
void BM_SpeedSweep1000(benchmark::State& state) {
    TRBrecord example;
    trb::core::LoadExampleCase(example);
    const trb::core::SweepRange range{trb::core::SweptQuantity::ShaftSpeed, 3.3L, 100, 999};
    for (auto _ : state) {
        const trb::core::OperatingSweep sweep = trb::core::RunOperatingSweep(example, range);
        benchmark::DoNotOptimize(sweep.points.back().At(trb::core::Clearance::Mean).record.h0);
    }
}
BENCHMARK(BM_SpeedSweep1000)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A run with the memo the searches share, against BM_RunCalculationExample without it.
void BM_RunCalculationWithMemo(benchmark::State& state) {
    TRBrecord example;
    trb::core::LoadExampleCase(example);
    trb::core::RunStatus status;
    trb::core::RunMemo memo;
    for (auto _ : state) {
        TRBrecord record = example;
        bool abort = false;
        benchmark::DoNotOptimize(trb::core::RunCalculation(record, status, abort, memo));
        benchmark::DoNotOptimize(record.h0);
    }
}
BENCHMARK(BM_RunCalculationWithMemo);

// A light load at high speed: the iteration never settles and goes round a cycle up to its step
// limit; with the memo (argument 1) the rest of the cycle is skipped once it is seen.
void BM_UnsettledRun(benchmark::State& state) {
    TRBrecord example;
    trb::core::LoadExampleCase(example);
    example.f = 1000;
    example.ns = 100;
    trb::core::RunStatus status;
    trb::core::RunMemo memo;
    for (auto _ : state) {
        TRBrecord record = example;
        bool abort = false;
        const int steps = state.range(0) != 0 ? trb::core::RunCalculation(record, status, abort, memo)
                                              : trb::core::RunCalculation(record, status, abort);
        benchmark::DoNotOptimize(steps);
    }
}
BENCHMARK(BM_UnsettledRun)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// Every threshold of a case at its three clearances: load, speed and temperature, 401 runs each, and
// the bisections of their crossings; about 3,900 runs on one thread.
void ThresholdsOf(benchmark::State& state, bool pressureLubrication) {
    TRBrecord example;
    trb::core::LoadExampleCase(example);
    example.druckschmierung = pressureLubrication;
    for (auto _ : state) {
        const trb::core::Thresholds thresholds = trb::core::FindThresholds(example);
        benchmark::DoNotOptimize(thresholds.At(trb::core::Clearance::Mean).loadAtPlim);
    }
}

// The example case: far from it, 479 of its 3,609 range runs never settle.
void BM_ThresholdsExample(benchmark::State& state) {
    ThresholdsOf(state, true);
}
BENCHMARK(BM_ThresholdsExample)->Unit(benchmark::kMillisecond);

void BM_ThresholdsConvection(benchmark::State& state) {
    ThresholdsOf(state, false);
}
BENCHMARK(BM_ThresholdsConvection)->Unit(benchmark::kMillisecond);

}  // namespace
