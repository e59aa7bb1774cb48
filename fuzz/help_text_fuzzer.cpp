// Feeds arbitrary bytes to the help-text lookup as the content of a help file: the first two bytes
// choose the help number, the rest is the file. The found entry is converted for display as the
// help box and the hints do. Anything but a returned entry is a finding.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "help/help_text.h"
#include "text/cp850.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int number = (data[0] << 8 | data[1]) % 10000;
    const std::string_view content(reinterpret_cast<const char*>(data + 2), size - 2);
    const trb::help::HelpEntry entry = trb::help::FindHelpEntry(content, number);
    trb::text::FormatOptions format;
    std::size_t total = 0;
    for (const std::string& line : entry.lines) total += trb::text::OemToDisplay(line, format).size();
    total += trb::help::HelpBoxText(entry, format).size();
    if (entry.picture.empty() && entry.found && total == 0) std::abort();  // never: keeps the work
    return 0;
}
