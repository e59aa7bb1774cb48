#include "verify/verification.h"

#include "text/format.h"
#include "verify/report_text.h"
#include "verify/sections.h"

namespace trb::verify {

Verification RunVerification(const VerificationOptions& options) {
    Verification v;
    v.quick = options.quick;
    const std::function<Section()> steps[] = {
        [] { return DinRunSection(); },
        [&] { return SommerfeldSection(options.quick); },
        [&] { return DynamicsSection(options.quick); },
        [] { return Iso286Section(); },
        [&] { return ThresholdSection(options.quick); },
        [&] { return SpeedSection(options.benchmarkFolder); },
    };
    const char* const titles[] = {"DIN run", "load capacity", "dynamic coefficients",
                                  "ISO 286", "thresholds",    "speed"};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        if (options.progress) options.progress(titles[i]);
        v.sections.push_back(steps[i]());
    }
    return v;
}

std::vector<std::string> SummaryLines(const Verification& verification) {
    std::vector<std::string> lines;
    for (const Section& section : verification.sections) {
        const Tally t = Count(section);
        lines.push_back(section.title + ": " + text::IntText(t.passed) + " passed, " +
                        text::IntText(t.failed) + " failed");
        for (const ComparisonTable& table : section.tables) {
            for (const Comparison& c : table.rows) {
                if (!c.Passed()) lines.push_back("  FAILED " + table.caption + ": " + ComparisonLine(c));
            }
        }
    }
    const Tally all = Count(verification.sections);
    lines.push_back(text::IntText(all.passed) + " passed, " + text::IntText(all.failed) + " failed");
    return lines;
}

}  // namespace trb::verify
