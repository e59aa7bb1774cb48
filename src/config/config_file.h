#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

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
// ReadConfig records the folder of the file it read in configFolder (the fallback folder when it
// read none); the session file and WriteConfig use that folder too.
struct ConfigPlaces {
    std::string startFolder;     // with a trailing "/"
    std::string fallbackFolder;  // with a trailing "/"
    std::string configFolder;    // with a trailing "/"
};

// The start folder (current folder) and $XDG_CONFIG_HOME/trb (default ~/.config/trb).
ConfigPlaces DefaultConfigPlaces();

// Settings files are small: what lies beyond these limits is not read.
inline constexpr std::size_t kSettingsFileLimit = 1 << 20;
inline constexpr std::size_t kSettingsLineLimit = 4096;

// What reading a settings file came to. `problem` (code page 850, for a message box) says what
// was wrong with a file that exists: not a regular file, unreadable, too large, over-long lines.
struct ReadOutcome {
    bool read = false;  // a file was found and its settings taken (possibly only in part)
    std::string problem;
};

// Reads trb.cfg from the start folder, else from the fallback folder. Without a file the
// defaults stand, the window sizes follow the screen and the abort flag is set. A file that is
// no regular file is passed over (and named in the problem) as if it were missing.
ReadOutcome ReadConfig(ConfigSettings& settings, ConfigPlaces& places, const ScreenInfo& screen, bool& abort);
// Reads the configuration file at `path` (an imported configuration); when it cannot be read
// the settings are unchanged.
ReadOutcome ReadConfigFile(const std::string& path, ConfigSettings& settings, const std::string& startFolder,
                           const ScreenInfo& screen);
// Reads a configuration text (lines 1 and 2 included); lines beyond kSettingsLineLimit are cut.
// True when no line had to be cut.
bool ReadConfigText(std::string_view text, ConfigSettings& settings, const std::string& startFolder,
                    const ScreenInfo& screen);
// The same from a stream, of which at most kSettingsFileLimit bytes are read.
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

// The four remembered file names; a missing or unusable file gives four empty names (and, when
// the file exists but cannot be used, a message in `problem`).
RecentFiles ReadSession(const std::string& configFolder, std::string* problem = nullptr);
RecentFiles ReadSessionText(std::string_view text);
RecentFiles ReadSessionFrom(std::istream& in);
// Makes sure the configuration folder exists: the per-user folder is created when missing (any
// other folder is never created). False when the folder is not there afterwards.
bool PrepareConfigFolder(const ConfigPlaces& places);
// Writes the session file (to a temporary name, renamed into place). 0, or the errno value of the
// failure.
int WriteSession(const std::string& configFolder, const std::string& dataFolder, const RecentFiles& files);
// The session file in the configuration folder.
std::string SessionFilePath(const std::string& configFolder);
void WriteSessionTo(std::ostream& out, const std::string& dataFolder, const RecentFiles& files);

// The user's login name: $USER, else $LOGNAME, else the account name.
std::string UserName();

// The program's data folder: $TRB_DATA_DIR, else <exe dir>/../share/trb when installed,
// else the source tree's data folder. Ends with "/".
std::string DataFolder();

// The verification report the Help menu opens: $TRB_DOC_DIR/verification.pdf when that variable is
// set, else <exe dir>/../share/doc/trb/verification.pdf when installed, else the one `make verify`
// wrote into the build folder. The first place that applies is named even when the file is missing
// there; `found` says whether it is a regular file.
struct DocumentPlace {
    std::string path;
    bool found = false;
};
DocumentPlace VerificationReport();

}  // namespace trb::config
