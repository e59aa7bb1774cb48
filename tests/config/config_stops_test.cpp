#include <gtest/gtest.h>

#include <sstream>

#include "config/config_file.h"
#include "config/config_table.h"
#include "config_test_support.h"

// Older, shorter configuration files: reading stops at the end-of-file marks and the rest
// keeps its defaults.
namespace trb::config {
namespace {

using testing::ChangedSettings;
using testing::FirstLines;
using testing::LinesThrough;
using testing::RowIndex;
using testing::RowValue;

const ScreenInfo kScreen{1280, 1024, 96, 0};

ConfigSettings ReadText(const std::string& text) {
    ConfigSettings s;
    std::istringstream in(text);
    ReadConfigFrom(in, s, "/start/", kScreen);
    return s;
}

TEST(ConfigStops, AFileEndingAtEachStopMarkKeepsTheDefaultsAfterIt) {
    const ConfigSettings written = ChangedSettings();
    const std::string full = ConfigText(written);
    ConfigSettings defaults;
    ApplyWindowSizeRule(defaults, kScreen);
    const auto table = ConfigTable();
    int stops = 0;
    for (std::size_t stop = 0; stop < table.size(); ++stop) {
        if (table[stop].mark != EofMark::Stop && table[stop].mark != EofMark::StopMonochrome) continue;
        ++stops;
        const ConfigSettings read = ReadText(FirstLines(full, LinesThrough(stop, written)));
        for (std::size_t i = 0; i < table.size(); ++i) {
            const ConfigSettings& expected = i <= stop ? written : defaults;
            // At the special stop the screen text settings take the CAD ones.
            if (table[stop].mark == EofMark::StopMonochrome && i == stop + 1) {
                EXPECT_EQ(read.graphicsTextWidthFactor, written.cadTextWidthFactor);
                continue;
            }
            if (table[stop].mark == EofMark::StopMonochrome && i == stop + 2) {
                EXPECT_EQ(read.graphicsTextStyle, "Arial");
                continue;
            }
            EXPECT_EQ(RowValue(table[i], read), RowValue(table[i], expected))
                << "file ending after row " << stop << " (" << table[stop].label << "), row " << i << " ("
                << table[i].label << ")";
        }
    }
    EXPECT_EQ(stops, 15);
}

TEST(ConfigStops, EndingAfterThePrinterPortSizesTheWindowFromTheScreen) {
    const ConfigSettings written = ChangedSettings();
    const ConfigSettings read =
        ReadText(FirstLines(ConfigText(written), LinesThrough(RowIndex("Druckerschnittstelle"), written)));
    EXPECT_EQ(read.printerPort, written.printerPort);
    EXPECT_EQ(read.printerType, 3);
    EXPECT_EQ(read.mainClientWidth, 1280 - 9);
    EXPECT_EQ(read.mainClientHeight, 1024 - 91);
    EXPECT_EQ(read.zoomFactor, 1.02L);
}

TEST(ConfigStops, EndingAfterLayerMonochromTakesTheCadTextWidth) {
    ConfigSettings written;
    written.cadTextWidthFactor = 0.9L;
    written.layerMonochrome = true;
    const ConfigSettings read =
        ReadText(FirstLines(ConfigText(written), LinesThrough(RowIndex("Layer Monochrom"), written)));
    EXPECT_TRUE(read.layerMonochrome);
    EXPECT_EQ(read.graphicsTextWidthFactor, 0.9L);
    EXPECT_EQ(read.graphicsTextStyle, "Arial");
}

TEST(ConfigStops, OptionalEntriesKeepTheirValueAtTheEnd) {
    // A file that ends right after the archive flag: the optional entries are not read,
    // the following entries read as empty lines and pass their read rules.
    ConfigSettings written = ChangedSettings();
    const std::string text =
        FirstLines(ConfigText(written), LinesThrough(RowIndex("Archive Flag ?"), written));
    ConfigSettings before;
    before.format.dateCode = 3;
    before.textDevice = 7;
    before.textDeviceWindow = true;
    before.textHeightFactor = 2;
    std::istringstream in(text);
    ReadConfigFrom(in, before, "/start/", kScreen);
    EXPECT_EQ(before.archiveMode, written.archiveMode);
    EXPECT_EQ(before.format.dateCode, 3);
    EXPECT_EQ(before.textDevice, 7);
    EXPECT_TRUE(before.textDeviceWindow);
    EXPECT_EQ(before.textHeightFactor, 2);
    EXPECT_EQ(before.format.decimalSeparator, 1);    // empty → 0 → outside 1..2 → 1
    EXPECT_EQ(before.defaultDataFolder, "/start/");  // empty → the start folder
}

TEST(ConfigStops, WrittenAndHandEditedFileReadsTheDocumentedValues) {
    ConfigSettings written;
    written.format.decimalSeparator = 2;
    written.zoomFactor = 1.1L;
    written.printScaleX = 0.5L;
    std::string text = ConfigText(written);
    // By hand: decimal commas and a file cut after the colour layers.
    const auto zoom = text.find("Zoomfaktor\r\n1.1000000");
    ASSERT_NE(zoom, std::string::npos);
    text.replace(zoom, 21, "Zoomfaktor\r\n1,2500000");
    text = FirstLines(text, LinesThrough(RowIndex("Color Layer 31"), written));
    const ConfigSettings read = ReadText(text);
    EXPECT_EQ(read.zoomFactor, 1.25L);
    EXPECT_EQ(read.format.decimalSeparator, 1);  // stored after the cut: default
    EXPECT_EQ(read.printScaleX, 1);              // after the cut
    EXPECT_EQ(read.colourLayers[15].colour, 16);
}

}  // namespace
}  // namespace trb::config
