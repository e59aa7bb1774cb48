#include "graphics/driver_settings.h"

#include "config/settings.h"
#include "config/temporary_folder.h"

namespace trb::graphics {

DriverSettings DriverSettingsFrom(const config::ConfigSettings& c) {
    DriverSettings s;
    for (std::size_t i = 0; i < 6; ++i) {
        if (i > 0) s.cad.layerNames[i] = c.layers[i].name;
        s.cad.layerColors[i] = c.layers[i].colour;
        s.layerWidths[i] = c.layers[i].thickness;
    }
    for (std::size_t i = 0; i < 16; ++i) {
        s.cad.penColors[i] = c.colourLayers[i].colour;
        s.penWidths[i] = c.colourLayers[i].thickness;
    }
    s.cad.monochromeLayers = c.layerMonochrome;
    s.cad.dxfDecimals = c.decimalsCad;
    s.cad.fontFile = c.cadTextStyle;
    s.cad.format = c.format;
    s.cad.tempFolder = c.tempFolder;
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
