// The session reader on arbitrary bytes: four names of bounded length, and what is written reads
// back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "config/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trb::config;
    const RecentFiles files = ReadSessionText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& file : files) {
        if (file.size() > kSettingsLineLimit) std::abort();
    }
    std::ostringstream out;
    WriteSessionTo(out, "/data/", files);
    const RecentFiles again = ReadSessionText(out.str());
    // Line ends inside a name become blanks on writing; everything else survives.
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].find_first_of("\r\n") == std::string::npos && again[i] != files[i]) std::abort();
    }
    return 0;
}
