#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace trb::app {

namespace {

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// The digits from `position` on (0 when there are none).
int NumberFrom(const std::string& text, std::size_t position) {
    int value = 0;
    for (std::size_t i = position; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
         ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1000000) break;
    }
    return value;
}

constexpr std::string_view kSweepOption = "/SWEEP:";

bool HasExtension(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    const std::size_t dot = name.find('.', slash == std::string::npos ? 0 : slash + 1);
    return dot != std::string::npos;
}

// A whole number of at most six digits, or nothing for any other text.
std::optional<int> PlainNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
        return std::nullopt;
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

// "/PDF", "/SVG:j", "/PNG:j" and "/PNG:j:dpi" (upper case); nothing for other options, for a view
// that is not a plain number ("/SVG:7x", "/PNG:7x:150") and for an SVG with a resolution. A missing
// view stays 0 and a resolution that is no number -1, so that the mode refuses them with the range.
std::optional<PaperBatch> PaperOption(const std::string& name, const std::string& option) {
    if (option == "/PDF") return PaperBatch{name, PaperFormat::Pdf, 0, std::nullopt};
    const bool svg = option.rfind("/SVG:", 0) == 0;
    if (!svg && option.rfind("/PNG:", 0) != 0) return std::nullopt;
    const std::string_view rest = std::string_view(option).substr(5);
    const std::size_t colon = rest.find(':');
    const std::string_view viewText = rest.substr(0, colon);
    const std::optional<int> view = viewText.empty() ? 0 : PlainNumber(viewText);
    if (!view) return std::nullopt;
    std::optional<int> resolution;
    if (colon != std::string_view::npos) {
        if (svg) return std::nullopt;
        resolution = PlainNumber(rest.substr(colon + 1)).value_or(-1);
    }
    return PaperBatch{name, svg ? PaperFormat::Svg : PaperFormat::Png, *view, resolution};
}

CommandLineMode PaperMode(const std::string& caseFile, const std::string& option) {
    if (auto paper = PaperOption(caseFile, Upper(option))) return *paper;
    return BadArguments{option};
}

// An option that stands first and names a folder, or none for the current folder.
struct FolderOption {
    std::string_view name;
    CommandLineMode (*mode)(const std::string& folder);
};

const FolderOption kFolderOptions[] = {
    {"/OVERVIEW", [](const std::string& folder) -> CommandLineMode { return OverviewBatch{folder}; }},
};

// An option after the case file name; a prefix option carries its arguments in itself ("/CADi:j"),
// and gets the option as typed (the sweep's quantity letter keeps its case).
struct CaseOption {
    std::string_view name;
    bool prefix;
    CommandLineMode (*mode)(const std::string& caseFile, const std::string& option);
    bool batch = true;  // false: a window start, which takes one case file only
};

const CaseOption kCaseOptions[] = {
    {"/E", false,
     [](const std::string& c, const std::string&) -> CommandLineMode {
         return CaseStart{c, false};
     },
     false},
    {"/G", false,
     [](const std::string& c, const std::string&) -> CommandLineMode {
         return CaseStart{c, false};
     },
     false},
    {"/I", false, [](const std::string& c, const std::string&) -> CommandLineMode { return ReportBatch{c}; }},
    {"/JSON", false,
     [](const std::string& c, const std::string&) -> CommandLineMode { return JsonBatch{c}; }},
    {"/CAD", true,
     [](const std::string& c, const std::string& option) -> CommandLineMode {
         // "/CADi:j": i is the character after "/CAD", j the number after the colon.
         const int device =
             option.size() > 4 && std::isdigit(static_cast<unsigned char>(option[4])) ? option[4] - '0' : 0;
         return CadBatch{c, device, NumberFrom(option, 6)};
     }},
    // "/SWEEP:q=from:to:steps": the range is checked by the sweep itself.
    {kSweepOption, true,
     [](const std::string& c, const std::string& option) -> CommandLineMode {
         return SweepBatch{c, option.substr(kSweepOption.size())};
     }},
    // "/PDF", "/SVG:j", "/PNG:j[:dpi]": paper outputs of the case.
    {"/PDF", false, PaperMode},
    {"/SVG:", true, PaperMode},
    {"/PNG:", true, PaperMode},
};

// The option spelled by `argument` (upper case), or nothing.
const CaseOption* FindCaseOption(const std::string& upper) {
    for (const CaseOption& option : kCaseOptions) {
        if (option.prefix ? upper.rfind(option.name, 0) == 0 : upper == option.name) return &option;
    }
    return nullptr;
}

const FolderOption* FindFolderOption(const std::string& upper) {
    for (const FolderOption& option : kFolderOptions) {
        if (upper == option.name) return &option;
    }
    return nullptr;
}

// An option where a case file or folder name belongs (an absolute path also begins with "/").
bool IsOption(const std::string& argument) {
    const std::string upper = Upper(argument);
    return FindCaseOption(upper) != nullptr || FindFolderOption(upper) != nullptr ||
           upper.rfind("/VERIFY", 0) == 0;
}

// "/VERIFY" or "/VERIFY:QUICK" first, then up to two names: the PDF and the benchmark folder.
std::optional<CommandLineMode> VerifyMode(const std::vector<std::string>& parameters) {
    const std::string first = Upper(parameters[0]);
    if (first != "/VERIFY" && first != "/VERIFY:QUICK") return std::nullopt;
    if (parameters.size() > 3) return BadArguments{parameters[3]};
    for (std::size_t i = 1; i < parameters.size(); ++i) {
        if (parameters[i].empty() || IsOption(parameters[i])) return BadArguments{parameters[i]};
    }
    VerifyBatch batch;
    batch.quick = first == "/VERIFY:QUICK";
    if (parameters.size() > 1) batch.pdf = parameters[1];
    if (parameters.size() > 2) batch.benchmarks = parameters[2];
    return batch;
}

// Several case files before one batch option; the first argument out of place is refused (an
// option before the last, a name in the last place, a window start's option).
CommandLineMode CaseListMode(const std::vector<std::string>& parameters) {
    const std::string& option = parameters.back();
    const CaseOption* caseOption = FindCaseOption(Upper(option));
    const std::vector<std::string> files(parameters.begin(), parameters.end() - 1);
    for (const std::string& file : files) {
        if (file.empty() || IsOption(file)) return BadArguments{file};
    }
    if (caseOption == nullptr || !caseOption->batch) return BadArguments{option};
    return CaseListBatch{files, option};
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result{NormalStart{}, false};
    std::vector<std::string> parameters;
    for (const std::string& argument : arguments) {
        if (Upper(argument) == "/NOGUI") {
            result.noGui = true;
        } else {
            parameters.push_back(argument);
        }
    }
    if (parameters.empty()) return result;
    const std::string& name = parameters[0];
    if (name == "?" || name == "/?") {
        result.mode = ShowHelp{};
        return result;
    }
    if (std::optional<CommandLineMode> verify = VerifyMode(parameters)) {
        result.mode = std::move(*verify);
        return result;
    }
    if (const FolderOption* folderOption = FindFolderOption(Upper(name))) {
        if (parameters.size() > 2) {
            result.mode = BadArguments{parameters[2]};
            return result;
        }
        const std::string folder = parameters.size() > 1 ? parameters[1] : std::string();
        result.mode = IsOption(folder) ? CommandLineMode{BadArguments{folder}} : folderOption->mode(folder);
        return result;
    }
    if (name.empty() || IsOption(name)) {
        result.mode = BadArguments{name};
        return result;
    }
    if (parameters.size() > 2) {
        result.mode = CaseListMode(parameters);
        return result;
    }
    if (!HasExtension(name)) {
        result.mode = MissingExtension{name, parameters.size() == 1 && !result.noGui};
        return result;
    }
    if (parameters.size() == 1) {
        result.mode = CaseStart{name, true};
        return result;
    }
    result.mode = CaseBatchMode(name, parameters[1]);
    return result;
}

CommandLineMode CaseBatchMode(const std::string& caseFile, const std::string& option) {
    if (!HasExtension(caseFile)) return MissingExtension{caseFile, false};
    const CaseOption* caseOption = FindCaseOption(Upper(option));
    return caseOption != nullptr ? caseOption->mode(caseFile, option) : CommandLineMode{BadArguments{option}};
}

bool IsBatchMode(const CommandLineMode& mode) {
    if (const auto* missing = std::get_if<MissingExtension>(&mode)) return !missing->windowStart;
    return !std::holds_alternative<NormalStart>(mode) && !std::holds_alternative<CaseStart>(mode);
}

const std::vector<std::string>& CommandLineHelpLines() {
    static const std::vector<std::string> lines = {
        "TRB Command Line Mode",
        "",
        "trb Filename [Filename ..] [/I] [/CADi:j] [/JSON] [/SWEEP:q=a:b:k] [/NOGUI]",
        "             [/PDF] [/SVG:j] [/PNG:j]",
        "/I       -> TXT file in the current folder (all other files beside the case)",
        "/CADi:j  -> CAD File",
        "            i: 1=DXF, 2=IGS, 5=TXT; j: index (1,2,3, ..)",
        "/NOGUI   -> No GUI, exit on fatal error",
        "/JSON    -> JSON file (inputs, results, messages, Reynolds film)",
        "/SWEEP:q=a:b:k[:film] -> q=n 1/s, q=F N, a to b in k steps: CSV+JSON; film: K, D",
        "/PDF     -> PDF file: report, drawings, pressure distribution",
        "/SVG:j   -> SVG file of view j (1 result sheet .. 8 pressure distribution)",
        "/PNG:j   -> PNG file of view j, /PNG:j:dpi at dpi (150 if not given)",
        "trb /OVERVIEW [Folder] -> overview.xlsx, overview.json",
        "trb /VERIFY[:QUICK] [report.pdf [benchmarks]] -> comparisons with references",
        "/?       -> Help",
        "Example: trb test.trb             ->  GUI",
        "Example: trb test.trb /I /NOGUI   ->  test.txt",
        "Example: trb test.trb /CAD1:1     ->  test.dxf",
        "Example: trb test.v1.trb /JSON    ->  test.v1.json",
        "Example: trb a.trb b.trb /PDF     ->  a.pdf, b.pdf",
        "Example: trb test.edi /E /NOGUI   ->  test.edi",
    };
    return lines;
}

std::string MissingExtensionText() {
    return "Erweiterung .trb mu\xE1 mit angegeben werden";
}

}  // namespace trb::app
