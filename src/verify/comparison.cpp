#include "verify/comparison.h"

#include <cmath>

namespace trb::verify {

std::optional<double> Comparison::Deviation() const {
    if (!program || !reference) return std::nullopt;
    if (kind == ToleranceKind::Absolute) return *program - *reference;
    if (*reference == 0) return std::nullopt;
    return (*program - *reference) / std::fabs(*reference);
}

bool Comparison::Passed() const {
    if (!program || !reference) return !program && !reference;
    if (!std::isfinite(*program)) return false;
    if (kind == ToleranceKind::Relative && *reference == 0) return *program == 0;
    const std::optional<double> deviation = Deviation();
    // A deviation that lies on the tolerance's edge passes whatever the last bit of its division
    // says; a tolerance of zero stays exact.
    return deviation && std::fabs(*deviation) <= tolerance * (1 + 1e-9);
}

Comparison Relative(std::string item, double program, double reference, double tolerance) {
    return {std::move(item), program, reference, tolerance, ToleranceKind::Relative};
}

Comparison Absolute(std::string item, double program, double reference, double tolerance) {
    return {std::move(item), program, reference, tolerance, ToleranceKind::Absolute};
}

Tally Count(const Section& section) {
    Tally tally;
    for (const ComparisonTable& table : section.tables) {
        for (const Comparison& row : table.rows) (row.Passed() ? tally.passed : tally.failed) += 1;
    }
    return tally;
}

Tally Count(const std::vector<Section>& sections) {
    Tally tally;
    for (const Section& section : sections) {
        const Tally t = Count(section);
        tally.passed += t.passed;
        tally.failed += t.failed;
    }
    return tally;
}

}  // namespace trb::verify
