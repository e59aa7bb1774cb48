#pragma once

#include <array>
#include <string>
#include <string_view>

namespace trb::core {

// What the last calculation run (and the tolerance, geometry and drawing code) had to say:
// up to eleven texts of at most 36 characters, in order, without repeats, plus the flag that
// the run stopped on a fatal error. Emptied at the start of every run.
class RunStatus {
  public:
    static constexpr int kMaxMessages = 11;
    static constexpr std::size_t kMaxLength = 36;

    void AddMessage(std::string_view text);
    void ClearMessages();  // also clears the calculation-failed flag
    int MessageCount() const { return count_; }
    // Entry i counted from 1, as the message viewer and the report number them.
    const std::string& Message(int i) const { return messages_.at(static_cast<std::size_t>(i - 1)); }

    bool calculationFailed = false;

  private:
    std::array<std::string, kMaxMessages> messages_{};
    int count_ = 0;
};

}  // namespace trb::core
