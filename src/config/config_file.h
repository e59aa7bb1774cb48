#pragma once

#include <array>
#include <iosfwd>
#include <string>

#include "config/settings.h"
#include "config/temporary_folder.h"  // TemporaryFolder() lived here

// Reading and writing the configuration file "trb.cfg" and the session file "trb.cff".
namespace trb::config {

inline constexpr std::string_view kConfigFileName = "trb.cfg";
inline constexpr std::string_view kSessionFileName = "trb.cff";
inline constexpr std::string_view kConfigBaseName = "trb";
inline constexpr std::string_view kProgramVersion = "1.6";
inline constexpr int kRecentFiles = 4;

// The screen the main window lives on; the window-size rules derive from it.
struct ScreenInfo {
    int width = 1024;
    int height = 768;
    real dpi = 96;             // vertical pixel density
    int mainWindowHeight = 0;  // outer height of the main window; 0: client height + 46
};

// Where the configuration is looked for: the start folder first, then the fallback folder.
// ReadConfig records the folder it used in configFolder; the session file and WriteConfig
// use that folder too.
struct ConfigPlaces {
    std::string startFolder;     // with a trailing "/"
    std::string fallbackFolder;  // with a trailing "/"
    std::string configFolder;    // with a trailing "/"
};

// The start folder (current folder) and $XDG_CONFIG_HOME/trb (default ~/.config/trb).
ConfigPlaces DefaultConfigPlaces();

// Reads trb.cfg from the start folder, else from the fallback folder. Without a file the
// defaults stand, the window sizes follow the screen and the abort flag is set.
void ReadConfig(ConfigSettings& settings, ConfigPlaces& places, const ScreenInfo& screen, bool& abort);
// Reads the configuration file at `path` (an imported configuration); false when it cannot
// be opened (the settings are then unchanged).
bool ReadConfigFile(const std::string& path, ConfigSettings& settings, const std::string& startFolder,
                    const ScreenInfo& screen);
// Reads a configuration from a stream (lines 1 and 2 included).
void ReadConfigFrom(std::istream& in, ConfigSettings& settings, const std::string& startFolder,
                    const ScreenInfo& screen);
// Writes every setting in file order; reals always with ".". Lines end with CR LF.
void WriteConfigTo(std::ostream& out, const ConfigSettings& settings);
// The whole file as text (for writing through a checked file).
std::string ConfigText(const ConfigSettings& settings);

// Rules applied when no configuration file exists.
void ApplyScreenDefaults(ConfigSettings& settings, const ScreenInfo& screen);
// "Input Window Scale %" that suits the screen's pixel density and window frame.
int InputWindowScaleFor(const ScreenInfo& screen, int mainClientHeight);
// Main window client size from the screen when the stored size is 0 or 65535.
void ApplyWindowSizeRule(ConfigSettings& settings, const ScreenInfo& screen);

using RecentFiles = std::array<std::string, kRecentFiles>;

// The four remembered file names; a missing file gives four empty names.
RecentFiles ReadSession(const std::string& configFolder);
RecentFiles ReadSessionFrom(std::istream& in);
// Writes the session file (to a temporary name, renamed into place). False on failure.
bool WriteSession(const std::string& configFolder, const std::string& dataFolder, const RecentFiles& files);
void WriteSessionTo(std::ostream& out, const std::string& dataFolder, const RecentFiles& files);

// The user's login name: $USER, else $LOGNAME, else the account name.
std::string UserName();

// The program's data folder: $TRB_DATA_DIR, else <exe dir>/../share/trb when installed,
// else the source tree's data folder. Ends with "/".
std::string DataFolder();

}  // namespace trb::config
