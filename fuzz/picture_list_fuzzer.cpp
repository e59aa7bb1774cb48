// Feeds arbitrary bytes to the help-picture list reader as the content of trb.dbh and builds the
// browser's choice items from the entries. The reader must keep its limits.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "help/picture_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const trb::help::PictureList list = trb::help::ParsePictureList(content);
    if (list.entries.size() > static_cast<std::size_t>(trb::help::kMaxPictures)) std::abort();
    if (list.lines.size() < list.entries.size()) std::abort();
    std::size_t total = 0;
    for (const trb::help::PictureEntry& entry : list.entries) {
        total += trb::help::PictureChoiceItem(entry).size();
        trb::help::PictureEntry again;
        trb::help::ParsePictureLine(trb::help::PictureListLine(entry.name, entry.description), again);
    }
    return total == static_cast<std::size_t>(-1) ? 1 : 0;
}
