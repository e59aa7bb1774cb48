#include "core/run_status.h"

namespace trb::core {

void RunStatus::AddMessage(std::string_view text) {
    const std::string_view head = text.substr(0, kMaxLength);
    for (int i = 0; i < count_; ++i) {
        if (messages_[static_cast<std::size_t>(i)] == head) return;
    }
    if (count_ >= kMaxMessages) return;
    messages_[static_cast<std::size_t>(count_)] = std::string(head);
    ++count_;
}

void RunStatus::ClearMessages() {
    count_ = 0;
    calculationFailed = false;
}

}  // namespace trb::core
