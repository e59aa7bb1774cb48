#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/real.h"
#include "text/format_options.h"

// Every user setting of the program with its default. The configuration file stores them
// in the order of the table in config/config_table.h. Texts are code page 850; folders end
// with "/" once completed (or are empty).
namespace trb::config {

// One CAD line layer: layers 1..5 carry name, colour and thickness; layer 0 only a thickness.
struct CadLayer {
    std::string name;
    int colour = 1;
    int thickness = 1;
};

// One colour layer 16..31.
struct ColourLayer {
    int colour = 1;
    int thickness = 1;
};

struct WindowRect {
    int left = 10;
    int top = 40;
    int width = 700;
    int height = 440;
};

inline constexpr int kPlotCommandLines = 5;
inline constexpr int kColourLayers = 16;
inline constexpr int kFirstColourLayer = 16;

struct ConfigSettings {
    ConfigSettings();

    // Number format, units, special characters, CAD text mode, spreadsheet separator, date code.
    text::FormatOptions format;

    // CAD line layers 0..5 and colour layers 16..31.
    std::array<CadLayer, 6> layers;
    std::array<ColourLayer, kColourLayers> colourLayers;

    std::string cadTextStyle = "TXT8";
    real cadTextWidthFactor = 1;
    real cadTextAngle = 0;
    std::string cadFolder;
    std::string dbfFolder;
    int helpLevel = 1;
    int printerPort = 1;             // 1..4, text printing port
    int printerType = 3;             // kept, no effect
    int printDensity = 1;            // kept, no effect
    char hardcopyRotated = 'J';      // kept, no effect
    int printThicknessVertical = 1;  // kept, no effect
    bool colourGraphics = true;
    real graphicsCorrection = 1;  // horizontal correction factor of the screen graphics
    int graphicsMode = 0;         // kept, no effect
    int graphicsDriver = 0;       // kept, no effect
    int mainClientWidth = 0;      // "Auflösung horizontal": client width minus 1
    int mainClientHeight = 0;     // "Auflösung vertikal": client height minus 1
    std::string tempFolder;
    int hardcopyPort = 1;  // kept, no effect
    std::string ediFolder;
    std::string pltFolder;
    int printoutRuleStyle = 2;  // separator-line style of text printouts, 1..4
    int linesPerPage = 66;
    real zoomFactor = 1.02L;
    real panFactor = 0.02L;
    std::string makerFolder;
    std::array<std::string, kPlotCommandLines> plotCommandLines;
    int backgroundColour = 1;  // a colour value 0xBBGGRR
    int printShading = 1;      // 1 mono, 2 colour
    bool layerMonochrome = false;
    real graphicsTextWidthFactor = 0.8L;
    std::string graphicsTextStyle = "Arial";
    std::string textProgram;                                    // empty: the desktop's default
    int databaseMode = 1;                                       // kept, no effect
    std::string externalDatabase = "C:\\GRIDMAN\\GRIDMAN.EXE";  // kept, no effect
    int printOriginX = 0;
    int printOriginY = 0;
    real printScaleX = 1;
    bool printBorder = false;
    bool enterPassword = false;  // ask for the user folder at start
    int plotLineCount = 1;       // 1..5 command lines in use
    bool archiveMode = false;
    int headerSpaceLines = 0;
    int textDevice = 1;  // 1..9
    bool textDeviceWindow = false;
    bool smallOnlineWindow = false;  // kept, no effect
    bool enterDiagramLimits = false;
    std::string defaultDataFolder;
    real textHeightFactor = 1;
    int inputWindowScale = 102;  // percent
    std::string htmlBrowser;     // empty: the desktop's default
    real printScaleY = 1;
    bool graphicPrintoutDialog = true;
    WindowRect textWindow;
    int printoutHeader = 1;  // 1 every page, 2 page 1 only
    std::string printoutFont = "Courier New";
    int printoutFontSize = 10;
    int printoutFontStyle = 0;  // bold 1, italic 2, underline 4, strike-out 8
    int graphicsFontStyle = 0;
    int printerOrientation = 2;  // 1 portrait, 2 landscape
    bool edit3D = true;
    std::array<real, 3> view3D{};  // radians
    int drawingIndexStyle = 0;     // 0..3
    std::string releaseText;
    int decimalsCad = 6;          // decimals in DXF and text exports
    int dialogElementSize = 100;  // percent
    int angleFormat = 2;          // 1 decimal degrees, 2 degrees-minutes-seconds
    real dimensionFactor = 1;
    int reserved = 0;
    int language = 0;       // user-interface language, 0 keeps the current one
    int resultGraphic = 0;  // 0..5
    bool hideMakerLine = false;
    bool hideFileName = false;
    bool hideDate = false;
    bool hideLogo = false;
};

// The sixteen drawing colour names, colour number 1..16 at index 0..15 (code page 850).
const std::array<std::string_view, 16>& ColourNames();

}  // namespace trb::config
