#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/record.h"

namespace trb::core {

// What a step of the temperature iteration takes from the step before: the relaxed temperature (t2
// with pressure lubrication, tb by convection) and, with pressure lubrication, the flow
// characteristic q2c that an unknown supply feature keeps. Every other field a step writes it
// calculates afresh from the inputs and these.
struct IterationState {
    real temperature = 0;
    real q2c = 0;

    // Equal as numbers and in the sign of a zero; a state that is not a number equals none.
    bool operator==(const IterationState& other) const;
};

IterationState StateOf(const TRBrecord& record);
void Restore(TRBrecord& record, const IterationState& state);

// The states an iteration of at most `kSteps` steps has passed, to see when it comes back to one it
// had before: from then on it only goes round that cycle, each step repeating an earlier one.
class CycleWatch {
  public:
    static constexpr std::size_t kSteps = 101;

    // The state before the first step.
    explicit CycleWatch(const IterationState& start);

    // After step `step` (1..kSteps − 1) left the iteration in `state`: when that is an earlier state,
    // the state the iteration's last step (step kSteps) would start from; else nothing.
    std::optional<IterationState> LastStartOnceCycling(const IterationState& state, std::size_t step);

  private:
    // Steps whose state has the same bucket, found by the state's value; 0 marks a free slot.
    static constexpr std::size_t kSlots = 256;
    static std::size_t Bucket(const IterationState& state);
    std::optional<std::size_t> Find(const IterationState& state) const;

    std::array<IterationState, kSteps> seen_;
    std::array<std::uint8_t, kSlots> slots_{};
};

}  // namespace trb::core
