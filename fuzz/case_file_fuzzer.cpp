// Feeds arbitrary bytes to the case-file reader (inputs, title data, the documentation section with
// its change records and text items, the documents section), then writes what was read and reads
// that again: the second writing must give the same text as the first. Anything else is a finding.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "casefile/case_format.h"

namespace {

struct Case {
    trb::core::TRBrecord record;
    trb::docs::TitleData title;
    trb::docs::ChangeLog changes;
    trb::docs::DrawingInfo info;
    trb::docs::LinkedDocuments documents;

    trb::casefile::CaseContent Content() { return {record, title, changes, info, documents}; }
};

std::string Written(Case& c, const trb::text::FormatOptions& format) {
    std::ostringstream out;
    trb::casefile::WriteCaseContent(out, c.Content(), format, "TRB - Hydrodynamische Radial-Gleitlager");
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    trb::text::FormatOptions format;
    // The first byte picks the decimal separator and the decimals setting the file is written with.
    if (!input.empty()) {
        format.decimalSeparator = (input[0] & 1) != 0 ? 2 : 1;
        format.decimals = 1 + (static_cast<unsigned char>(input[0]) >> 1) % 8;
    }
    Case first;
    auto content = first.Content();
    const trb::casefile::CaseReading reading = trb::casefile::ReadCaseContent(input, content);
    if (reading.lines > input.size() + 1) std::abort();
    const std::string once = Written(first, format);

    Case second;
    auto again = second.Content();
    if (!trb::casefile::ReadCaseContent(once, again).complete) std::abort();  // a written case is whole
    if (Written(second, format) != once) std::abort();  // reading what was written changes nothing
    return 0;
}
