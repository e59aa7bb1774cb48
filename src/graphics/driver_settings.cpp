#include "graphics/driver_settings.h"

#include "config/settings.h"
#include "config/temporary_folder.h"

namespace trb::graphics {

DriverSettings DriverSettingsFrom(const config::ConfigSettings& c) {
    DriverSettings s;
    s.cad = cad::CadSettingsFromConfig(c);
    for (std::size_t i = 0; i < 6; ++i) s.layerWidths[i] = c.layers[i].thickness;
    for (std::size_t i = 0; i < 16; ++i) s.penWidths[i] = c.colourLayers[i].thickness;
    s.cadTextWidthFactor = c.cadTextWidthFactor;
    s.screenTextWidthFactor = c.graphicsTextWidthFactor;
    s.obliqueAngle = c.cadTextAngle;
    s.dimensionFactor = c.dimensionFactor;
    s.cadFolder = c.cadFolder;
    s.tempFolder = c.tempFolder;
    s.plotCommandLines = c.plotCommandLines;
    s.plotLineCount = c.plotLineCount;
    s.printBorder = c.printBorder;
    if (!c.graphicsTextStyle.empty()) s.graphicsFont = c.graphicsTextStyle;
    s.graphicsFontStyle = c.graphicsFontStyle;
    return s;
}

std::string TempPath(const DriverSettings& settings, const std::string& name) {
    const std::string folder = config::PrivateTemporaryFolder(settings.tempFolder);
    return folder.empty() ? std::string() : folder + name;
}

}  // namespace trb::graphics
