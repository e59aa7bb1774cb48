#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/format_options.h"

namespace trb::config {
struct ConfigSettings;
}

namespace trb::cad {

// The part of the configuration the CAD file devices read: the layer table, the colour pens,
// the number format of DXF/IGES/text files, the text conversion and the temporary folder.
struct CadSettings {
    // Standard layers 0..5: names (entry 0 is always "0") and CAD colours.
    std::array<std::string, 6> layerNames{"0", "1", "2", "3", "4", "5"};
    std::array<int, 6> layerColors{1, 2, 2, 2, 3, 1};
    // CAD colours of the colour pens 16..31.
    std::array<int, 16> penColors{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    int layerMode = 0;              // 0 standard layers by name; 1, 2 layers named by pen number
    bool monochromeLayers = false;  // every layer of the DXF layer table gets colour 1
    int dxfDecimals = 6;            // decimals of DXF and text-dump numbers
    std::string fontFile = "TXT8";  // DXF text style font file
    // Decimals (IGES numbers), decimal separator (text dump) and the CAD text mode.
    text::FormatOptions format;
    std::string tempFolder;  // the configured temporary folder (empty: $TMPDIR); see PrivateTemporaryFolder
};

// The CAD settings of the program's configuration (layer mode 0: the driver sets another).
CadSettings CadSettingsFromConfig(const config::ConfigSettings& config);

// A layer name as DXF allows it: characters DXF forbids (/ \ " : ; ? * | = < > and control
// characters) become "_", at most 32 characters; an empty name stays empty.
std::string DxfSafeLayerName(std::string_view name);

// The DXF name of standard layer 1..5 from the configuration (the layer number when the
// configured name is empty); "0" for layer 0.
std::string StandardLayerName(const CadSettings& settings, int layer);

// The layer an entity drawn with pen n goes to: the configured name of standard layer 1..5 in
// layer mode 0, "0" for pen 0, otherwise the pen number. Always a DXF-safe, non-empty name.
std::string PenLayerName(const CadSettings& settings, int pen);

}  // namespace trb::cad
