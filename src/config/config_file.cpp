#include "config/config_file.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <istream>
#include <locale>
#include <ostream>
#include <sstream>

#include "config/config_table.h"
#include "config/input_file.h"
#include "config/output_file.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::config {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Lines of a text file; past the end every line reads as empty, as a positional reader expects.
// Lines longer than kSettingsLineLimit are cut.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : lines_(text, kSettingsLineLimit) {}
    bool AtEnd() const { return lines_.AtEnd(); }
    std::string Next() {
        std::string line;
        lines_.Next(line);
        return line;
    }
    bool Cut() const { return lines_.Cut(); }

  private:
    LineSplitter lines_;
};

// At most `limit` bytes of a stream.
std::string ReadBounded(std::istream& in, std::size_t limit) {
    std::string text(limit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(limit));
    text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return text;
}

// The message for a settings file that exists but could not be read whole; empty for a file that
// simply is not there. A name that is there but leads nowhere (a link loop, a broken link) is said.
std::string InputFileProblem(const std::string& path, const InputFile& file) {
    if (file.status == InputStatus::Ok) return {};
    struct stat entry {};
    if (file.status == InputStatus::NotFound && file.error != EACCES && file.error != EPERM &&
        ::lstat(path.c_str(), &entry) != 0)
        return {};
    std::string problem = InputProblem(text::DisplayToOem(path), file);
    if (file.status == InputStatus::TooLarge) problem += " Nur der Anfang wurde gelesen.";
    return problem;
}

std::string CutLinesProblem(const std::string& path) {
    return "Datei " + text::DisplayToOem(path) +
           ": \x81"
           "berlange Zeilen wurden gek\x81rzt.";
}

void AddProblem(std::string& problems, const std::string& problem) {
    if (problem.empty()) return;
    if (!problems.empty()) problems += "\n";
    problems += problem;
}

int ToInt(const std::string& line) {
    const long long value = text::TextToInt(line);
    return value < INT_MIN || value > INT_MAX ? 0 : static_cast<int>(value);
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text::TrimText(s);
}

// The numeric read rules; false when the row has none of them.
real ApplyNumberRule(const ConfigRow& row, real value) {
    switch (row.rule) {
        case ReadRule::ZeroTo:
            return value == 0 ? row.value : value;
        case ReadRule::OutsideTo:
            return value < row.low || value > row.high ? row.value : value;
        case ReadRule::BelowTo:
            return value < row.low ? row.value : value;
        case ReadRule::AboveTo:
            return value > row.high ? row.value : value;
        default:
            return value;
    }
}

void ReadPlotLines(ConfigSettings& s, LineReader& reader) {
    const int count = s.plotLineCount;
    for (int line = 2; line <= count && !reader.AtEnd(); ++line) {
        std::string text = reader.Next();
        if (line <= kPlotCommandLines)
            s.plotCommandLines[static_cast<std::size_t>(line - 1)] = std::move(text);
    }
    s.plotLineCount = std::clamp(count, 1, kPlotCommandLines);
}

void ReadRectangle(WindowRect& rect, LineReader& reader) {
    const std::string line = reader.Next();
    int fields[4] = {0, 0, 0, 0};
    std::size_t start = 0;
    for (int& field : fields) {
        const auto bar = line.find('|', start);
        field = ToInt(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    if (fields[2] != 0 && fields[3] != 0 && !reader.AtEnd())
        rect = {fields[0], fields[1], fields[2], fields[3]};
}

void ReadValue(const ConfigRow& row, ConfigSettings& s, LineReader& reader, const std::string& startFolder) {
    switch (row.kind) {
        case ValueKind::Text: {
            std::string line = reader.Next();
            std::string& target = row.ref.text(s);
            if (line.empty() && row.rule == ReadRule::EmptyKeeps) return;
            if (line.empty() && row.rule == ReadRule::EmptyTo) line = std::string(row.text);
            if (text::TrimText(line).empty() && row.rule == ReadRule::EmptyToStartFolder)
                line = text::AddBackslash(startFolder);
            target = std::move(line);
            return;
        }
        case ValueKind::Integer:
            row.ref.integer(s) = static_cast<int>(ApplyNumberRule(row, ToInt(reader.Next())));
            return;
        case ValueKind::Boolean:
            row.ref.boolean(s) = Upper(reader.Next()) == "TRUE";
            return;
        case ValueKind::BooleanNotFalse:
            row.ref.boolean(s) = Upper(reader.Next()) != "FALSE";
            return;
        case ValueKind::Character: {
            const std::string line = reader.Next();
            const char c = line.empty() ? '\0' : line.front();
            row.ref.character(s) = static_cast<char>(static_cast<int>(ApplyNumberRule(row, c)));
            return;
        }
        case ValueKind::RealShort:
        case ValueKind::Real: {
            real value = text::TextToReal(reader.Next());
            if (row.rule == ReadRule::ScaleX && value == 0) {
                value = 1;
                s.printScaleY = 1;
            } else if (row.rule == ReadRule::BelowToScaleX && value < row.low) {
                value = s.printScaleX;
            } else {
                value = ApplyNumberRule(row, value);
            }
            row.ref.number(s) = value;
            return;
        }
        case ValueKind::PlotLines:
            ReadPlotLines(s, reader);
            return;
        case ValueKind::Rectangle:
            ReadRectangle(row.ref.rectangle(s), reader);
            return;
    }
}

std::string RealText(real value, bool shortForm, const text::FormatOptions& options) {
    if (shortForm || (value < 1 && value == std::trunc(value))) return text::FormatShort(value, options);
    return text::FormatFixed(value, 0, 7, options);
}

// Texts must stay on their line.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

void WriteValue(std::ostream& out, const ConfigRow& row, ConfigSettings& s,
                const text::FormatOptions& options) {
    switch (row.kind) {
        case ValueKind::Text:
            out << OneLine(row.ref.text(s)) << kLineEnd;
            return;
        case ValueKind::Integer:
            out << text::IntText(row.ref.integer(s)) << kLineEnd;
            return;
        case ValueKind::Boolean:
        case ValueKind::BooleanNotFalse:
            out << (row.ref.boolean(s) ? "TRUE" : "FALSE") << kLineEnd;
            return;
        case ValueKind::Character: {
            const char c = row.ref.character(s);
            if (c != '\0' && c != '\r' && c != '\n') out << c;
            out << kLineEnd;
            return;
        }
        case ValueKind::RealShort:
        case ValueKind::Real:
            out << RealText(row.ref.number(s), row.kind == ValueKind::RealShort, options) << kLineEnd;
            return;
        case ValueKind::PlotLines: {
            const int count = std::clamp(s.plotLineCount, 1, kPlotCommandLines);
            for (int line = 2; line <= count; ++line)
                out << OneLine(s.plotCommandLines[static_cast<std::size_t>(line - 1)]) << kLineEnd;
            return;
        }
        case ValueKind::Rectangle: {
            const WindowRect& r = row.ref.rectangle(s);
            out << text::IntText(r.left) << '|' << text::IntText(r.top) << '|' << text::IntText(r.width)
                << '|' << text::IntText(r.height) << '|' << kLineEnd;
            return;
        }
    }
}

std::string EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

ConfigPlaces DefaultConfigPlaces() {
    ConfigPlaces places;
    std::error_code error;
    places.startFolder = text::AddBackslash(std::filesystem::current_path(error).string());
    std::string base = EnvironmentText("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = EnvironmentText("HOME");
        base = home.empty() ? std::string() : text::AddBackslash(home) + ".config";
    }
    places.fallbackFolder = base.empty() ? std::string() : text::AddBackslash(base) + "trb/";
    places.configFolder = places.startFolder;
    return places;
}

void ApplyWindowSizeRule(ConfigSettings& s, const ScreenInfo& screen) {
    if (s.mainClientWidth == 0 || s.mainClientWidth == 65535) s.mainClientWidth = screen.width - 9;
    if (s.mainClientHeight == 0 || s.mainClientHeight == 65535) s.mainClientHeight = screen.height - 91;
}

void ApplyScreenDefaults(ConfigSettings& s, const ScreenInfo& screen) {
    ApplyWindowSizeRule(s, screen);
    s.textWindow.height = screen.height - 80;
    s.inputWindowScale = InputWindowScaleFor(screen, s.mainClientHeight);
}

int InputWindowScaleFor(const ScreenInfo& screen, int mainClientHeight) {
    const real clientHeight = static_cast<real>(mainClientHeight);
    const real windowHeight =
        screen.mainWindowHeight > 0 ? static_cast<real>(screen.mainWindowHeight) : clientHeight + 46;
    const real ratio = clientHeight + 46 > 0 ? windowHeight / (clientHeight + 46) : 1;
    return static_cast<int>(std::lround(screen.dpi / 96 * (ratio + 0.009L) * 100));
}

ReadOutcome ReadConfigFile(const std::string& path, ConfigSettings& settings, const std::string& startFolder,
                           const ScreenInfo& screen) {
    ReadOutcome outcome;
    const InputFile file = ReadInputFile(path, kSettingsFileLimit);
    outcome.problem = InputFileProblem(path, file);
    if (file.status != InputStatus::Ok && file.status != InputStatus::TooLarge) return outcome;
    outcome.read = true;
    if (!ReadConfigText(file.content, settings, startFolder, screen))
        AddProblem(outcome.problem, CutLinesProblem(path));
    return outcome;
}

void ReadConfigFrom(std::istream& in, ConfigSettings& settings, const std::string& startFolder,
                    const ScreenInfo& screen) {
    ReadConfigText(ReadBounded(in, kSettingsFileLimit), settings, startFolder, screen);
}

bool ReadConfigText(std::string_view text, ConfigSettings& s, const std::string& startFolder,
                    const ScreenInfo& screen) {
    LineReader reader(text);
    reader.Next();  // "trb Konfiguration"
    reader.Next();  // "Version ..."
    const auto table = ConfigTable();
    bool skipPair = false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ConfigRow& row = table[i];
        if (!row.label.empty()) reader.Next();
        bool read = true;
        if (row.mark == EofMark::Opt) read = !reader.AtEnd();
        if (row.mark == EofMark::OptPair) {
            read = !reader.AtEnd();
            skipPair = !read;
        } else if (skipPair) {
            read = false;
            skipPair = false;
        }
        if (read) ReadValue(row, s, reader, startFolder);
        const bool stop = row.mark == EofMark::Stop || row.mark == EofMark::StopMonochrome;
        if (stop && reader.AtEnd()) {
            if (row.mark == EofMark::StopMonochrome) {
                s.graphicsTextWidthFactor = s.cadTextWidthFactor;
                s.graphicsTextStyle = "Arial";
            }
            break;
        }
    }
    ApplyWindowSizeRule(s, screen);
    return !reader.Cut();
}

ReadOutcome ReadConfig(ConfigSettings& s, ConfigPlaces& places, const ScreenInfo& screen, bool& abort) {
    ReadOutcome outcome;
    for (const std::string& folder : {places.startFolder, places.fallbackFolder}) {
        if (folder.empty()) continue;
        const std::string path = text::AddBackslash(folder) + std::string(kConfigFileName);
        const InputFile file = ReadInputFile(path, kSettingsFileLimit);
        AddProblem(outcome.problem, InputFileProblem(path, file));
        if (file.status != InputStatus::Ok && file.status != InputStatus::TooLarge) continue;
        places.configFolder = text::AddBackslash(folder);
        outcome.read = true;
        if (!ReadConfigText(file.content, s, places.startFolder, screen))
            AddProblem(outcome.problem, CutLinesProblem(path));
        return outcome;
    }
    // Without a file of its own the user's configuration belongs in the per-user folder.
    places.configFolder =
        text::AddBackslash(places.fallbackFolder.empty() ? places.startFolder : places.fallbackFolder);
    ApplyScreenDefaults(s, screen);
    abort = true;
    return outcome;
}

void WriteConfigTo(std::ostream& out, const ConfigSettings& settings) {
    // Reals always with "." whatever the decimal separator setting, and with their full
    // decimals whatever the display decimals: a display setting must not round stored values.
    text::FormatOptions options = settings.format;
    options.decimalSeparator = 1;
    options.decimals = 3;
    ConfigSettings s = settings;  // the table's accessors take a mutable record
    out << kConfigBaseName << " Konfiguration" << kLineEnd;
    out << "Version " << kProgramVersion << kLineEnd;
    for (const ConfigRow& row : ConfigTable()) {
        if (!row.label.empty()) out << row.label << kLineEnd;
        WriteValue(out, row, s, options);
    }
}

std::string ConfigText(const ConfigSettings& settings) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    WriteConfigTo(out, settings);
    return out.str();
}

RecentFiles ReadSessionText(std::string_view text) {
    RecentFiles files;
    LineReader reader(text);
    reader.Next();  // "trb Session <data folder>"
    for (auto& file : files) file = reader.Next();
    return files;
}

RecentFiles ReadSessionFrom(std::istream& in) {
    return ReadSessionText(ReadBounded(in, kSettingsFileLimit));
}

RecentFiles ReadSession(const std::string& configFolder, std::string* problem) {
    const std::string path = text::AddBackslash(configFolder) + std::string(kSessionFileName);
    const InputFile file = ReadInputFile(path, kSettingsFileLimit);
    if (problem) *problem = InputFileProblem(path, file);
    if (file.status != InputStatus::Ok && file.status != InputStatus::TooLarge) return {};
    return ReadSessionText(file.content);
}

void WriteSessionTo(std::ostream& out, const std::string& dataFolder, const RecentFiles& files) {
    out << kConfigBaseName << " Session " << OneLine(dataFolder) << kLineEnd;
    for (const auto& file : files) out << OneLine(file) << kLineEnd;
}

int WriteSession(const std::string& configFolder, const std::string& dataFolder, const RecentFiles& files) {
    std::ostringstream out;
    WriteSessionTo(out, dataFolder, files);
    return WriteWholeFile(SessionFilePath(configFolder), out.str());
}

std::string SessionFilePath(const std::string& configFolder) {
    return text::AddBackslash(configFolder) + std::string(kSessionFileName);
}

bool PrepareConfigFolder(const ConfigPlaces& places) {
    std::error_code error;
    const std::string folder = places.configFolder.empty() ? std::string(".") : places.configFolder;
    if (std::filesystem::is_directory(folder, error)) return true;
    // Only the per-user folder is ours to create; any other folder was chosen by a file found there.
    if (places.fallbackFolder.empty() ||
        text::AddBackslash(places.configFolder) != text::AddBackslash(places.fallbackFolder))
        return false;
    return std::filesystem::create_directories(folder, error) && !error;
}

std::string UserName() {
    for (const char* name : {"USER", "LOGNAME"}) {
        const std::string value = EnvironmentText(name);
        if (!value.empty()) return value;
    }
    const passwd* account = getpwuid(getuid());
    return account && account->pw_name ? std::string(account->pw_name) : std::string();
}

std::string DataFolder() {
    namespace fs = std::filesystem;
    const std::string overridden = EnvironmentText("TRB_DATA_DIR");
    if (!overridden.empty()) return text::AddBackslash(overridden);
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path installed = executable.parent_path() / ".." / "share" / "trb";
        if (fs::is_directory(installed, error))
            return text::AddBackslash(fs::weakly_canonical(installed, error).string());
    }
    return text::AddBackslash(TRB_BUILD_DATA_DIR);
}

DocumentPlace VerificationReport() {
    namespace fs = std::filesystem;
    constexpr const char* kName = "verification.pdf";
    std::error_code error;
    const auto place = [&error](const fs::path& path) {
        return DocumentPlace{path.string(), fs::is_regular_file(path, error)};
    };
    const std::string overridden = EnvironmentText("TRB_DOC_DIR");
    if (!overridden.empty()) return place(fs::path(overridden) / kName);
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path share = executable.parent_path() / ".." / "share";
        if (fs::is_directory(share / "trb", error))
            return place(fs::weakly_canonical(share / "doc" / "trb", error) / kName);
    }
    return place(fs::path(TRB_BUILD_VERIFICATION_REPORT));
}

}  // namespace trb::config
