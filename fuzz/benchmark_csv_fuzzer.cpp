// Feeds arbitrary bytes to the readers of the benchmark figures and of /proc/cpuinfo that the
// verification report takes its speed section from. Every figure they keep must be one the report
// can print: a name, a known unit, finite times that are not negative; the row cap holds.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "verify/benchmark_results.h"

namespace {

constexpr std::size_t kMaxInput = 8192;

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto figures = trb::verify::ParseBenchmarkCsv(text, "fuzz_bench");
    Check(figures.size() <= trb::verify::kMaxBenchmarkRows);
    for (const auto& f : figures) {
        Check(!f.name.empty() && f.program == "fuzz_bench");
        Check(f.unit == "ns" || f.unit == "us" || f.unit == "ms" || f.unit == "s");
        Check(std::isfinite(f.cpuTime) && f.cpuTime >= 0 && std::isfinite(f.realTime) && f.realTime >= 0);
        Check(f.iterations >= 0);
    }
    const trb::verify::Machine machine = trb::verify::ParseCpuInfo(text);
    Check(!machine.cpu.empty() && machine.processors >= 0);
    return 0;
}
