#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "verify/comparison.h"

// The verification of the program against published references: every section of sections.h, run
// in order.
namespace trb::verify {

struct VerificationOptions {
    // Fewer points where a section walks a curve: the check that runs within a minute.
    bool quick = false;
    // The folder of the benchmark figures for the speed section (empty: none measured).
    std::string benchmarkFolder;
    // Told the title of each section before it runs.
    std::function<void(std::string_view title)> progress;
};

struct Verification {
    bool quick = false;
    std::vector<Section> sections;
    bool Passed() const { return Count(sections).failed == 0; }
};

Verification RunVerification(const VerificationOptions& options);

// The result as text lines: per section its title and every comparison that failed, then one line
// per section with its counts, and the closing line "N passed, M failed".
std::vector<std::string> SummaryLines(const Verification& verification);

}  // namespace trb::verify
