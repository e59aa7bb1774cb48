#include "core/iteration_cycles.h"

#include <bit>
#include <cmath>

namespace trb::core {

bool IterationState::operator==(const IterationState& other) const {
    return temperature == other.temperature && q2c == other.q2c &&
           std::signbit(temperature) == std::signbit(other.temperature) &&
           std::signbit(q2c) == std::signbit(other.q2c);
}

IterationState StateOf(const TRBrecord& r) {
    if (r.druckschmierung) return {r.t2, r.q2c};
    return {r.tb, 0};
}

void Restore(TRBrecord& r, const IterationState& state) {
    if (r.druckschmierung) {
        r.t2 = state.temperature;
        r.q2c = state.q2c;
    } else {
        r.tb = state.temperature;
    }
}

static_assert(CycleWatch::kSteps < 255, "a slot holds a step number + 1 in one byte");

CycleWatch::CycleWatch(const IterationState& start) {
    seen_[0] = start;
    slots_[Bucket(start)] = 1;
}

// Equal states round to the same doubles; states that round alike share a bucket and are compared in
// full.
std::size_t CycleWatch::Bucket(const IterationState& state) {
    const auto t = std::bit_cast<std::uint64_t>(static_cast<double>(state.temperature));
    const auto q = std::bit_cast<std::uint64_t>(static_cast<double>(state.q2c));
    const std::uint64_t mixed = (t ^ (q * 0x9E3779B97F4A7C15ULL)) * 0xFF51AFD7ED558CCDULL;
    return static_cast<std::size_t>(mixed >> 56) % kSlots;
}

std::optional<std::size_t> CycleWatch::Find(const IterationState& state) const {
    for (std::size_t slot = Bucket(state); slots_[slot] != 0; slot = (slot + 1) % kSlots) {
        const std::size_t step = slots_[slot] - 1u;
        if (seen_[step] == state) return step;
    }
    return std::nullopt;
}

std::optional<IterationState> CycleWatch::LastStartOnceCycling(const IterationState& state,
                                                               std::size_t step) {
    if (step == 0 || step >= kSteps) return std::nullopt;
    if (const std::optional<std::size_t> earlier = Find(state)) {
        // Step `earlier` + k and step `step` + k start from the same state for every k.
        const std::size_t period = step - *earlier;
        return seen_[*earlier + (kSteps - 1 - *earlier) % period];
    }
    seen_[step] = state;
    std::size_t slot = Bucket(state);
    while (slots_[slot] != 0) slot = (slot + 1) % kSlots;
    slots_[slot] = static_cast<std::uint8_t>(step + 1);
    return std::nullopt;
}

}  // namespace trb::core
