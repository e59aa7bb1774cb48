#pragma once

#include <array>
#include <string>

#include "cad/cad_settings.h"
#include "core/real.h"

namespace trb::config {
struct ConfigSettings;
}

namespace trb::graphics {

// Output devices of the drawing output driver.
inline constexpr int kDeviceAsk = 0;
inline constexpr int kDeviceDxf = 1;
inline constexpr int kDeviceIges = 2;
inline constexpr int kDeviceScreen = 3;
inline constexpr int kDevicePlot = 4;
inline constexpr int kDeviceText = 5;
inline constexpr int kDevicePdf = 6;  // an A4 PDF page at real size
inline constexpr int kDeviceSvg = 7;  // an SVG picture of the drawing limits at real size
inline constexpr int kDevicePng = 8;  // a PNG image of the drawing limits
// The resolutions a PNG image may be asked for (dpi).
inline constexpr int kLowestPngResolution = 36;
inline constexpr int kHighestPngResolution = 1200;

// Everything the drawing output driver takes from the configuration.
struct DriverSettings {
    cad::CadSettings cad;
    std::array<int, 6> layerWidths{3, 1, 1, 1, 2, 3};  // screen line widths of layers 0..5
    std::array<int, 16> penWidths{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    real cadTextWidthFactor = 1;
    real screenTextWidthFactor = 0.8L;
    real obliqueAngle = 0;
    real dimensionFactor = 1;
    std::string cadFolder;
    std::string tempFolder;  // the configured temporary folder (empty: $TMPDIR); see TempPath
    std::array<std::string, 5> plotCommandLines{};
    int plotLineCount = 1;
    int plotLineIndex = 1;  // 1-based, the chosen command line
    bool printBorder = false;
    std::string programName = "TRB";
    std::string programVersion = "1.6";
    std::string graphicsFont = "Arial";  // the font of drawing texts on paper
    int graphicsFontStyle = 0;           // bold 1, italic 2
};

DriverSettings DriverSettingsFrom(const config::ConfigSettings& settings);

// A file of the process's private temporary folder (config::PrivateTemporaryFolder); empty when
// that folder cannot be made, so that opening the file fails instead of writing elsewhere.
std::string TempPath(const DriverSettings& settings, const std::string& name);

}  // namespace trb::graphics
