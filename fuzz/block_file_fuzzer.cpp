// Feeds arbitrary bytes to the block-file reader. Every number it hands on must be finite and every
// text shorter than the line cap.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "graphics/block_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trb::graphics;
    const auto entities = ParseBlockFile(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const BlockEntity& entity : entities) {
        if (entity.type.size() > kMaxBlockLineLength) std::abort();
        for (const auto& [code, value] : entity.groups) {
            if (value.size() > kMaxBlockLineLength || !std::isfinite(entity.Number(code, 1))) std::abort();
        }
    }
    return 0;
}
