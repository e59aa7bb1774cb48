#include "cad/cad_settings.h"

#include <string_view>

#include "config/settings.h"

namespace trb::cad {

CadSettings CadSettingsFromConfig(const config::ConfigSettings& config) {
    CadSettings settings;
    for (std::size_t n = 1; n < settings.layerNames.size(); ++n) {
        settings.layerNames[n] = config.layers[n].name;
        settings.layerColors[n] = config.layers[n].colour;
    }
    settings.layerColors[0] = config.layers[0].colour;
    for (std::size_t i = 0; i < settings.penColors.size(); ++i) {
        settings.penColors[i] = config.colourLayers[i].colour;
    }
    settings.monochromeLayers = config.layerMonochrome;
    settings.dxfDecimals = config.decimalsCad;
    settings.fontFile = config.cadTextStyle;
    settings.format = config.format;
    settings.tempFolder = config.tempFolder;
    return settings;
}

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

std::string StandardLayerName(const CadSettings& settings, int layer) {
    if (layer < 1 || layer > 5) return std::to_string(layer);
    std::string name = DxfSafeLayerName(settings.layerNames[static_cast<std::size_t>(layer)]);
    return name.empty() ? std::to_string(layer) : name;
}

std::string PenLayerName(const CadSettings& settings, int pen) {
    if (settings.layerMode == 0 && pen >= 1 && pen <= 5) return StandardLayerName(settings, pen);
    return std::to_string(pen);
}

}  // namespace trb::cad
