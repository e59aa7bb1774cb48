// The configuration reader on arbitrary bytes: whatever the file holds, reading gives settings
// that the read rules allow, and once written, the file reads back to the same file. (The first
// writing may still change: an empty data folder, for one, reads back as the start folder.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trb::config;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ScreenInfo screen{1280, 1024, 96, 0};
    ConfigSettings settings;
    ReadConfigText(text, settings, "/start/", screen);
    if (settings.format.decimals < 1 || settings.format.decimals > 9) std::abort();
    if (settings.plotLineCount < 1 || settings.plotLineCount > kPlotCommandLines) std::abort();
    ConfigSettings once;
    ReadConfigText(ConfigText(settings), once, "/start/", screen);
    const std::string written = ConfigText(once);
    ConfigSettings twice;
    ReadConfigText(written, twice, "/start/", screen);
    if (ConfigText(twice) != written) std::abort();
    return 0;
}
