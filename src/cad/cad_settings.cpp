#include "cad/cad_settings.h"

#include <string_view>

namespace trb::cad {

std::string DxfSafeLayerName(std::string_view name) {
    constexpr std::string_view kForbidden = "/\\\":;?*|=<>";
    constexpr std::size_t kMaxLength = 32;
    std::string safe(name.substr(0, kMaxLength));
    for (char& c : safe) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || kForbidden.find(c) != std::string_view::npos) c = '_';
    }
    return safe;
}

std::string PenLayerName(const CadSettings& settings, int pen) {
    if (pen == 0) return "0";
    if (settings.layerMode == 0 && pen >= 1 && pen <= 5) {
        std::string name = DxfSafeLayerName(settings.layerNames[static_cast<std::size_t>(pen)]);
        if (!name.empty()) return name;
    }
    return std::to_string(pen);
}

}  // namespace trb::cad
