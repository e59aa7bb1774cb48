// Feeds arbitrary bytes to the message-catalogue lookup: up to the first 0x00 byte the message,
// the rest the content of trb.err. Cause and remedy must come from the content.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "report/message_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    if (split == std::string_view::npos) return 0;
    const std::string_view message = input.substr(0, split);
    const std::string_view content = input.substr(split + 1);
    trb::report::MessageDescription description;
    const trb::report::Lookup found = trb::report::LookUpMessageIn(content, message, description);
    if (found == trb::report::Lookup::Unreadable) std::abort();
    if (found == trb::report::Lookup::Found &&
        (description.cause.size() > content.size() || description.remedy.size() > content.size()))
        std::abort();
    return 0;
}
