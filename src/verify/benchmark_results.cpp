#include "verify/benchmark_results.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>

#include "config/input_file.h"
#include "text/format.h"

namespace trb::verify {

namespace {

// The fields of one CSV line: separated by commas, a field in double quotes may hold commas and
// doubled quotes.
std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<double> Number(const std::string& text) {
    real value = 0;
    if (!text::ParseReal(text, value) || !std::isfinite(value) || value < 0) return std::nullopt;
    return static_cast<double>(value);
}

bool KnownUnit(const std::string& unit) {
    return unit == "ns" || unit == "us" || unit == "ms" || unit == "s";
}

}  // namespace

std::vector<BenchmarkFigure> ParseBenchmarkCsv(std::string_view text, const std::string& program) {
    std::vector<BenchmarkFigure> figures;
    config::LineSplitter lines(text, kMaxBenchmarkLine);
    std::string line;
    std::vector<std::string> header;
    while (header.empty() && lines.Next(line)) {
        if (line.rfind("name,", 0) == 0) header = Fields(line);
    }
    const auto column = [&header](std::string_view name) -> std::optional<std::size_t> {
        const auto at = std::find(header.begin(), header.end(), name);
        if (at == header.end()) return std::nullopt;
        return static_cast<std::size_t>(at - header.begin());
    };
    const auto name = column("name"), iterations = column("iterations"), realTime = column("real_time"),
               cpuTime = column("cpu_time"), unit = column("time_unit"), error = column("error_occurred");
    if (!name || !iterations || !realTime || !cpuTime || !unit) return figures;
    while (lines.Next(line) && figures.size() < kMaxBenchmarkRows) {
        const std::vector<std::string> f = Fields(line);
        const std::size_t needed = std::max({*name, *iterations, *realTime, *cpuTime, *unit});
        if (f.size() <= needed) continue;
        if (error && *error < f.size() && f[*error] == "true") continue;
        // A count that is no whole number in range ("7e95") is no count: it would not fit the figure.
        long long count = 0;
        const bool counted = text::ParseInt(f[*iterations], count) && count >= 0;
        const auto real = Number(f[*realTime]);
        const auto cpu = Number(f[*cpuTime]);
        if (!counted || !real || !cpu || f[*name].empty() || !KnownUnit(f[*unit])) continue;
        figures.push_back({program, f[*name], count, *real, *cpu, f[*unit]});
    }
    return figures;
}

std::vector<BenchmarkFigure> ReadBenchmarkFolder(const std::string& folder,
                                                 std::vector<std::string>& problems) {
    namespace fs = std::filesystem;
    std::vector<BenchmarkFigure> figures;
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() == ".csv") files.push_back(it->path());
    }
    if (error) {
        problems.push_back("cannot read the folder " + folder + ": " + error.message());
        return figures;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const config::InputFile input = config::ReadInputFile(file.string(), kMaxBenchmarkFile);
        if (input.status != config::InputStatus::Ok) {
            problems.push_back("cannot read " + file.string());
            continue;
        }
        for (BenchmarkFigure& f : ParseBenchmarkCsv(input.content, file.stem().string()))
            figures.push_back(std::move(f));
    }
    return figures;
}

Machine ParseCpuInfo(std::string_view text) {
    Machine machine;
    config::LineSplitter lines(text, kMaxBenchmarkLine);
    std::string line;
    bool named = false;
    while (lines.Next(line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string key = text::TrimText(line.substr(0, colon));
        const std::string value = text::TrimText(line.substr(colon + 1));
        if (key == "processor") ++machine.processors;
        if (key == "model name" && !named && !value.empty()) {
            machine.cpu = value;
            named = true;
        }
    }
    return machine;
}

Machine ThisMachine() {
    const config::InputFile input = config::ReadInputFile("/proc/cpuinfo", kMaxBenchmarkFile);
    return ParseCpuInfo(input.content);
}

}  // namespace trb::verify
