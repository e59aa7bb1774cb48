#include "app/command_line.h"

#include <algorithm>
#include <cctype>
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

// An option where the case file name belongs (an absolute path also begins with "/").
bool IsOption(const std::string& argument) {
    const std::string upper = Upper(argument);
    return upper == "/I" || upper == "/E" || upper == "/G" || upper == "/JSON" ||
           upper.rfind("/CAD", 0) == 0 || upper.rfind(kSweepOption, 0) == 0;
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
    if (parameters.size() > 2) {
        result.mode = BadArguments{parameters[2]};
        return result;
    }
    if (name.empty() || IsOption(name)) {
        result.mode = BadArguments{name};
        return result;
    }
    if (!HasExtension(name)) {
        result.mode = MissingExtension{name};
        return result;
    }
    if (parameters.size() == 1) {
        result.mode = CaseStart{name, true};
        return result;
    }
    const std::string option = Upper(parameters[1]);
    if (option == "/E" || option == "/G") {
        result.mode = CaseStart{name, false};
    } else if (option == "/I") {
        result.mode = ReportBatch{name};
    } else if (option == "/JSON") {
        result.mode = JsonBatch{name};
    } else if (option.rfind(kSweepOption, 0) == 0) {
        result.mode = SweepBatch{name, parameters[1].substr(kSweepOption.size())};
    } else if (option.rfind("/CAD", 0) == 0) {
        // "/CADi:j": i is the character after "/CAD", j the number after the colon.
        const int device =
            option.size() > 4 && std::isdigit(static_cast<unsigned char>(option[4])) ? option[4] - '0' : 0;
        result.mode = CadBatch{name, device, NumberFrom(option, 6)};
    } else {
        result.mode = BadArguments{parameters[1]};
    }
    return result;
}

bool IsBatchMode(const CommandLineMode& mode) {
    return !std::holds_alternative<NormalStart>(mode) && !std::holds_alternative<CaseStart>(mode);
}

const std::vector<std::string>& CommandLineHelpLines() {
    static const std::vector<std::string> lines = {
        "TRB Command Line Mode",
        "",
        "trb Filename [/I] [/CADi:j] [/JSON] [/SWEEP:q=a:b:k] [/NOGUI]",
        "",
        "/I       -> TXT file",
        "",
        "/CADi:j  -> CAD File",
        "            i: 1=DXF, 2=IGS, 5=TXT",
        "            j: index (1,2,3, ..)",
        "",
        "/NOGUI  -> No GUI, exit on fatal error",
        "",
        "/JSON    -> JSON file (inputs, results, messages)",
        "/SWEEP:q=a:b:k -> q=n speed 1/s, q=F load N from a to b in k steps: CSV+JSON",
        "",
        "/?       -> Help",
        "",
        "Example: trb test.trb             ->  GUI",
        "Example: trb test.trb /I /NOGUI   ->  test.txt",
        "Example: trb test.trb /CAD1:1     ->  test.dxf",
        "Example: trb test.trb /JSON       ->  test.json",
        "Example: trb test.edi /E /NOGUI   ->  test.edi",
    };
    return lines;
}

std::string MissingExtensionText() {
    return "Erweiterung .trb mu\xE1 mit angegeben werden";
}

}  // namespace trb::app
