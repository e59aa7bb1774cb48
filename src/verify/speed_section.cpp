#include <string>
#include <utility>
#include <vector>

#include "text/format.h"
#include "verify/benchmark_results.h"
#include "verify/sections.h"

namespace trb::verify {

namespace {

// A time in the unit that shows it with at most three digits before the point.
std::pair<std::string, std::string> Time(double value, const std::string& unit) {
    static const char* const kUnits[] = {"ns", "us", "ms", "s"};
    std::size_t u = 0;
    while (u < 3 && unit != kUnits[u]) ++u;
    while (u < 3 && value >= 1000) {
        value /= 1000;
        ++u;
    }
    return {text::FormatDecimals(static_cast<real>(value), value < 10 ? 3 : (value < 100 ? 2 : 1), {}),
            kUnits[u]};
}

}  // namespace

Section SpeedSection(const std::string& benchmarkFolder) {
    Section s;
    s.title = "6. Speed";
    const Machine machine = ThisMachine();
    s.compared = {
        "The Google Benchmark programs of the source tree (bench/), run in a short form (0.05 s per",
        "benchmark) when this report was made, on this machine. CPU time per iteration of one thread; the",
        "figures are measured, not judged: a loaded machine is slower, and no figure has a pass mark.",
    };
    s.sources = {"Machine: " + machine.cpu + ", " + text::IntText(machine.processors) +
                     " logical processors (/proc/cpuinfo).",
                 "Measured " + text::DateText({}) + " " + text::TimeText() + "."};
    FigureTable table{"Benchmarks", {"program", "benchmark", "CPU time", "unit", "iterations"}, {}};
    std::vector<std::string> problems;
    const std::vector<BenchmarkFigure> figures = benchmarkFolder.empty()
                                                     ? std::vector<BenchmarkFigure>{}
                                                     : ReadBenchmarkFolder(benchmarkFolder, problems);
    for (const BenchmarkFigure& f : figures) {
        const auto [time, unit] = Time(f.cpuTime, f.unit);
        table.rows.push_back({f.program, f.name, time, unit, text::IntText(f.iterations)});
    }
    if (benchmarkFolder.empty())
        s.notes.push_back("No benchmarks were run for this report (make verify runs them).");
    if (!benchmarkFolder.empty() && figures.empty())
        s.notes.push_back("No benchmark figures were found in " + benchmarkFolder + ".");
    for (const std::string& problem : problems) s.notes.push_back(problem);
    s.figures.push_back(std::move(table));
    return s;
}

}  // namespace trb::verify
