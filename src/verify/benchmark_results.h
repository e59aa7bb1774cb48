#pragma once

#include <string>
#include <string_view>
#include <vector>

// The figures Google Benchmark writes with --benchmark_out_format=csv, and the machine they were
// measured on. Both come from outside the program: they are read as text of capped size, and what
// does not parse is left out.
namespace trb::verify {

struct BenchmarkFigure {
    std::string program;  // the benchmark program (the file's name without .csv)
    std::string name;     // the benchmark, e.g. "BM_RunCalculationExample"
    long long iterations = 0;
    double realTime = 0;
    double cpuTime = 0;
    std::string unit;  // "ns", "us", "ms" or "s"
};

// The rows of one CSV file's text: a header line naming the columns (name, iterations, real_time,
// cpu_time, time_unit, error_occurred), then one row per benchmark. Rows that report an error, lack a
// column or hold a number that does not parse are left out; so is everything after kMaxBenchmarkRows.
inline constexpr std::size_t kMaxBenchmarkRows = 1000;
inline constexpr std::size_t kMaxBenchmarkLine = 4096;
inline constexpr std::size_t kMaxBenchmarkFile = 1 << 20;
std::vector<BenchmarkFigure> ParseBenchmarkCsv(std::string_view text, const std::string& program);

// Every *.csv file of the folder (regular files only, in name order); a folder that cannot be read
// gives none. `problems` receives one line per file that could not be read.
std::vector<BenchmarkFigure> ReadBenchmarkFolder(const std::string& folder,
                                                 std::vector<std::string>& problems);

// The machine: the CPU model ("model name" of /proc/cpuinfo; "unknown" without one) and the number
// of logical processors.
struct Machine {
    std::string cpu = "unknown";
    int processors = 0;
};
Machine ParseCpuInfo(std::string_view text);
Machine ThisMachine();

}  // namespace trb::verify
