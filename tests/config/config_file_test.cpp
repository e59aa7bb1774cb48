#include "config/config_file.h"
#include "config/temporary_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/config_table.h"
#include "config_test_support.h"
#include "temp_folder.h"

namespace trb::config {
namespace {

using testing::ChangedSettings;
using testing::RowValue;

const ScreenInfo kScreen{1280, 1024, 96, 0};

ConfigSettings Read(const std::string& text, const std::string& start = "/start/") {
    ConfigSettings s;
    std::istringstream in(text);
    ReadConfigFrom(in, s, start, kScreen);
    return s;
}

// Replaces the value line that follows a label line.
std::string WithValue(std::string text, std::string_view label, std::string_view value) {
    const std::string key = std::string(label) + "\r\n";
    const auto at = text.find(key);
    EXPECT_NE(at, std::string::npos) << label;
    const auto begin = at + key.size();
    const auto end = text.find("\r\n", begin);
    return text.replace(begin, end - begin, value);
}

class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "start");
        std::filesystem::create_directories(folder_ / "fallback");
    }
    std::string Folder(const char* name) const { return (folder_ / name).string() + "/"; }
    test_support::TempFolder temp_;
    std::filesystem::path folder_ = temp_.Path();
};

TEST(ConfigDefaults, HoldBeforeAnyFileIsRead) {
    const ConfigSettings s;
    EXPECT_EQ(s.panFactor, 0.02L);
    EXPECT_EQ(s.zoomFactor, 1.02L);
    EXPECT_EQ(s.format.cadTextMode, 2);
    EXPECT_EQ(s.layers[5].name, "5");
    EXPECT_EQ(s.layers[4].colour, 3);
    EXPECT_EQ(s.layers[0].thickness, 3);
    EXPECT_EQ(s.colourLayers[15].colour, 16);
    EXPECT_EQ(s.textProgram, "");  // the desktop's default
    EXPECT_EQ(ColourNames()[2], "gr\x81n");
}

TEST(ConfigDefaults, WindowScaleFollowsThePixelDensity) {
    EXPECT_EQ(InputWindowScaleFor({1920, 1080, 96, 0}, 900), 101);
    EXPECT_EQ(InputWindowScaleFor({1920, 1080, 144, 0}, 900), 151);
    EXPECT_EQ(InputWindowScaleFor({1920, 1080, 96, 1000}, 900), 107);  // 1000 / 946 + 0.009
}

TEST(ConfigWrite, UsesTheFileLayoutWithPointDecimals) {
    ConfigSettings s;
    s.format.decimalSeparator = 2;  // display setting must not reach the file
    const std::string text = ConfigText(s);
    EXPECT_EQ(text.rfind("trb Konfiguration\r\nVersion 1.6\r\nLayer\r\n1\r\nFarbe\r\n2\r\n", 0), 0u);
    EXPECT_NE(text.find("Zoomfaktor\r\n1.0200000\r\n"), std::string::npos);
    EXPECT_NE(text.find("Pan-Faktor\r\n0.0200000\r\n"), std::string::npos);
    EXPECT_NE(text.find("Textwinkel\r\n0\r\n"), std::string::npos);
    EXPECT_NE(text.find("Textbreitenfaktor CAD\r\n1\r\n"), std::string::npos);
    EXPECT_NE(text.find("Dot=1 Komma=2\r\n2\r\n"), std::string::npos);
    EXPECT_NE(text.find("Hardcopy um 90\xF8 gedreht ?\r\nJ\r\n"), std::string::npos);
    EXPECT_NE(text.find("Text window left/top/width/height\r\n10|40|700|440|\r\n"), std::string::npos);
    EXPECT_NE(text.find("3D - Default x,y,z\r\n-0.2617994\r\n1.5707963\r\n3.6651914\r\n0\r\n2\r\n\r\n"),
              std::string::npos);
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        EXPECT_FALSE(text[i] == ',' && std::isdigit(text[i - 1]) && std::isdigit(text[i + 1])) << "at " << i;
    EXPECT_EQ(text.substr(text.size() - 14), "FALSE\r\nFALSE\r\n");
    // The display decimals never round what is stored.
    s.format.decimals = 1;
    s.cadTextWidthFactor = 0.75L;
    const std::string fewer = ConfigText(s);
    EXPECT_NE(fewer.find("Zoomfaktor\r\n1.0200000\r\n"), std::string::npos);
    EXPECT_NE(fewer.find("Textbreitenfaktor CAD\r\n0.75\r\n"), std::string::npos);
    EXPECT_NE(fewer.find("Dezimalstellen\r\n1\r\n"), std::string::npos);
}

TEST(ConfigRoundTrip, EverySettingSurvivesWritingAndReading) {
    const ConfigSettings written = ChangedSettings();
    const ConfigSettings read = Read(ConfigText(written), "/elsewhere/");
    for (const ConfigRow& row : ConfigTable())
        EXPECT_EQ(RowValue(row, read), RowValue(row, written)) << "row " << row.label;
    const ConfigSettings defaults;
    int changed = 0;
    for (const ConfigRow& row : ConfigTable()) {
        const bool differs = RowValue(row, read) != RowValue(row, defaults);
        EXPECT_TRUE(differs) << "unchanged row " << &row - ConfigTable().data();
        changed += differs;
    }
    EXPECT_EQ(changed, static_cast<int>(ConfigTable().size()));  // the test really changed every row
}

TEST(ConfigRead, ReadRulesReplaceStoredValues) {
    std::string text = ConfigText(ConfigSettings{});
    text = WithValue(text, "Zoomfaktor", "0");
    text = WithValue(text, "Pan-Faktor", "0");
    text = WithValue(text, "Dezimalstellen", "12");
    text = WithValue(text, "Zeilen pro Seite f\x81r Drucker", "4");
    text = WithValue(text, "Hardcopy um 90\xF8 gedreht ?", "");
    text = WithValue(text, "Windows Screendump Scale", "0");
    text = WithValue(text, "Print Scale Vertical", "0.00001");
    text = WithValue(text, "Input Window Scale %", "5000");
    text = WithValue(text, "Default Data Directory", "   ");
    text = WithValue(text, "Text Font Printout", "");
    text = WithValue(text, "TRACEON-Kommandozeile", "");
    text = WithValue(text, "Farbgrafik", "true");
    text = WithValue(text, "Edit 3D x,y,z ?", "yes");
    text = WithValue(text, "Text window left/top/width/height", "5|6|0|300|");
    text = WithValue(text, "Decimals DXF,TXT", "abc");
    ConfigSettings before;
    before.plotCommandLines[0] = "kept";
    std::istringstream in(text);
    ConfigSettings s = before;
    ReadConfigFrom(in, s, "/home/me/work", kScreen);
    EXPECT_EQ(s.zoomFactor, 1.02L);
    EXPECT_EQ(s.panFactor, 0.01L);
    EXPECT_EQ(s.format.decimals, 3);
    EXPECT_EQ(s.linesPerPage, 66);
    EXPECT_EQ(s.hardcopyRotated, 'N');
    EXPECT_EQ(s.printScaleX, 1);
    EXPECT_EQ(s.printScaleY, 1);
    EXPECT_EQ(s.inputWindowScale, 100);
    EXPECT_EQ(s.defaultDataFolder, "/home/me/work/");
    EXPECT_EQ(s.printoutFont, "Courier New");
    EXPECT_EQ(s.plotCommandLines[0], "kept");
    EXPECT_TRUE(s.colourGraphics);
    EXPECT_TRUE(s.edit3D);
    EXPECT_EQ(s.textWindow.width, 700);  // a width of 0 leaves the window alone
    EXPECT_EQ(s.decimalsCad, 6);
    // Stored 0 for the window size takes the screen.
    EXPECT_EQ(s.mainClientWidth, 1280 - 9);
    EXPECT_EQ(s.mainClientHeight, 1024 - 91);
}

TEST(ConfigRead, HandEditedDecimalCommasAreAccepted) {
    std::string text = ConfigText(ChangedSettings());
    text = WithValue(text, "Zoomfaktor", "1,05");
    text = WithValue(text, "Textbreitenfaktor CAD", " 0,75 ");
    text = WithValue(text, "Print Scale Vertical", "2,5");
    const ConfigSettings s = Read(text);
    EXPECT_EQ(s.zoomFactor, 1.05L);
    EXPECT_EQ(s.cadTextWidthFactor, 0.75L);
    EXPECT_EQ(s.printScaleY, 2.5L);
}

TEST(ConfigRead, TooManyPlotLinesKeepTheFileAligned) {
    ConfigSettings written = ChangedSettings();
    written.plotLineCount = 5;
    written.plotCommandLines = {"a", "b", "c", "d", "e"};
    std::string text = ConfigText(written);
    // A hand-edited count of 7 with two more lines.
    const std::string block = "TRACEON Command lines (n, line 2 .. line n)\r\n5\r\nb\r\nc\r\nd\r\ne\r\n";
    const auto at = text.find(block);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, block.size(),
                 "TRACEON Command lines (n, line 2 .. line n)\r\n7\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n");
    const ConfigSettings s = Read(text);
    EXPECT_EQ(s.plotLineCount, 5);
    EXPECT_EQ(s.plotCommandLines[4], "e");
    EXPECT_EQ(s.archiveMode, written.archiveMode);
    EXPECT_EQ(s.hideLogo, written.hideLogo);
}

TEST(ConfigRead, ImportingAMissingFileChangesNothing) {
    ConfigSettings s;
    s.zoomFactor = 3;
    EXPECT_FALSE(ReadConfigFile("/nonexistent/other.cfg", s, "/", ScreenInfo{}).read);
    EXPECT_EQ(s.zoomFactor, 3);
}

// Display decimals from 1 to 9 are kept; a stored 0 or 10 is taken for the default 3.
TEST(ConfigRead, EveryDecimalsSettingFromOneToNineReadsBack) {
    for (int decimals = 1; decimals <= 9; ++decimals) {
        ConfigSettings written = ChangedSettings();
        written.format.decimals = decimals;
        EXPECT_EQ(Read(ConfigText(written)).format.decimals, decimals);
    }
    for (const char* stored : {"0", "10", "-1"})
        EXPECT_EQ(Read(WithValue(ConfigText(ChangedSettings()), "Dezimalstellen", stored)).format.decimals, 3)
            << stored;
}

// A text setting holding a line end is written on one line (line ends become blanks), so that
// every value after it is read from its own line.
TEST(ConfigWrite, ALineEndInsideATextLeavesEveryLaterValueInPlace) {
    const auto table = ConfigTable();
    for (const char* inside : {"\n", "\r\n", "\r", "\n\n"}) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            const ConfigRow& row = table[i];
            if (row.kind != ValueKind::Text) continue;
            ConfigSettings written = ChangedSettings();
            row.ref.text(written) = std::string("first") + inside + "second";
            const ConfigSettings read = Read(ConfigText(written), "/elsewhere/");
            ConfigSettings copy = read;
            const std::string blanks(std::string(inside).size(), ' ');
            EXPECT_EQ(row.ref.text(copy), "first" + blanks + "second") << "row " << i << " " << row.label;
            for (std::size_t later = i + 1; later < table.size(); ++later)
                EXPECT_EQ(RowValue(table[later], read), RowValue(table[later], written))
                    << "row " << later << " after a line end in row " << i;
        }
    }
}

TEST(ConfigRead, GarbageNeverCrashes) {
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        noise += static_cast<char>((state >> 16) & 0xFF);
    }
    ConfigSettings s = Read(noise);
    EXPECT_GE(s.format.decimals, 1);
    EXPECT_LE(s.format.decimals, 9);
    EXPECT_GE(s.plotLineCount, 1);
    EXPECT_LE(s.plotLineCount, 5);
    s = Read("");
    EXPECT_EQ(s.mainClientWidth, 1280 - 9);
}

TEST_F(TempFolder, MissingFileSizesFromTheScreenAndSetsTheAbortFlag) {
    ConfigPlaces places{Folder("start"), Folder("fallback"), Folder("start")};
    ConfigSettings s;
    bool abort = false;
    ReadConfig(s, places, ScreenInfo{1920, 1080, 192, 0}, abort);
    EXPECT_TRUE(abort);
    EXPECT_EQ(s.mainClientWidth, 1911);
    EXPECT_EQ(s.mainClientHeight, 989);
    EXPECT_EQ(s.textWindow.height, 1000);
    EXPECT_EQ(s.inputWindowScale, 202);  // 192 dpi doubles the dialogs
    // Without a file the configuration is to be written into the per-user folder.
    EXPECT_EQ(places.configFolder, Folder("fallback"));
}

TEST_F(TempFolder, TheFallbackFolderIsUsedAndRemembered) {
    ConfigSettings written;
    written.format.dateCode = 4;
    written.format.decimalSeparator = 2;
    std::ofstream(Folder("fallback") + "trb.cfg", std::ios::binary) << ConfigText(written);
    ConfigPlaces places{Folder("start"), Folder("fallback"), Folder("start")};
    ConfigSettings s;
    bool abort = false;
    ReadConfig(s, places, kScreen, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(places.configFolder, Folder("fallback"));
    EXPECT_EQ(s.format.dateCode, 4);
    EXPECT_EQ(s.format.decimalSeparator, 2);
    EXPECT_EQ(text::DateText(2026, 12, 9, s.format), "09/12/2026");
}

TEST(Environment, TemporaryFolderAndUserName) {
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous ? previous : "";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(TemporaryFolder(), "/var/tmp/");
    unsetenv("TMPDIR");
    EXPECT_EQ(TemporaryFolder(), "/tmp/");
    if (previous) setenv("TMPDIR", saved.c_str(), 1);
    EXPECT_FALSE(UserName().empty());
}

TEST(DataFolder, FollowsTheEnvironmentOverride) {
    const char* previous = std::getenv("TRB_DATA_DIR");
    const std::string saved = previous ? previous : "";
    setenv("TRB_DATA_DIR", "/opt/trb-data", 1);
    EXPECT_EQ(DataFolder(), "/opt/trb-data/");
    unsetenv("TRB_DATA_DIR");
    EXPECT_EQ(DataFolder().back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(DataFolder()));
    if (previous) setenv("TRB_DATA_DIR", saved.c_str(), 1);
}

}  // namespace
}  // namespace trb::config
