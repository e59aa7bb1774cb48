#include "graphics/plot_parameters.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "text/format.h"
#include "ui/dialogs.h"

namespace trb::graphics {

namespace {

constexpr real kLargest = 1e9L;

// Numbers in command lines: short form, always with ".".
std::string Number(real value) {
    return text::FormatShort(value, text::FormatOptions{});
}

std::string Quoted(const std::string& part) {
    return part.find_first_of(" \t") == std::string::npos ? part : "\"" + part + "\"";
}

std::string Upper(std::string_view s) {
    std::string upper(s);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// A switch value as a number; false when it is none.
bool SwitchNumber(std::string_view value, real& number) {
    std::string text(value);
    std::replace(text.begin(), text.end(), ',', '.');
    return text::ParseReal(text, number);
}

// Takes one switch into the parameters; false when it is not one of the known switches.
bool TakeSwitch(std::string_view word, PlotParameters& p, int& port) {
    if (word.size() < 2 || word[0] != '/') return false;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(word[1])));
    const std::string_view value = word.substr(2);
    real number = 0;
    switch (letter) {
        case 'C': {
            const auto& formats = PlotFormats();
            for (std::size_t i = 0; i < formats.size(); ++i) {
                if (Upper(value) == formats[i].code) {
                    p.format = static_cast<int>(i) + 1;
                    return true;
                }
            }
            return false;
        }
        case 'D':
            if (value == "1") p.interface = kPlotSerial;
            if (value == "3") p.interface = kPlotFile;
            return value == "1" || value == "3";
        case 'P':
            if (!SwitchNumber(value, number) || number < 1 || number > 99) return false;
            port = static_cast<int>(number);
            return true;
        case 'F':
            p.outputFile = std::string(value);
            return !value.empty();
        case 'M':
            if (value == "*") {
                p.scale = 0;
                return true;
            }
            if (!SwitchNumber(value, number)) return false;
            p.scale = number;
            return true;
        case 'X':
            return SwitchNumber(value, p.xShift);
        case 'Y':
            return SwitchNumber(value, p.yShift);
        case 'B':
            return SwitchNumber(value, p.textWidthFactor);
        case 'R':
            p.rotate = value.empty();
            return value.empty();
        case 'T':
            p.psFont = std::string(value);
            return !value.empty();
        default:
            return false;
    }
}

}  // namespace

const std::array<PlotFormatItem, 5>& PlotFormats() {
    static const std::array<PlotFormatItem, 5> kFormats = {{
        {"HP-GL Laserjet (HPL)", "HPL"},
        {"Postscript (PS)", "PS"},
        {"HP-GL Plotter (PLT)", "PLT"},
        {"HP-GL/2 (PL2)", "PL2"},
        {"Aristo (ART)", "ART"},
    }};
    return kFormats;
}

const std::array<std::string_view, 3>& PlotInterfaces() {
    static const std::array<std::string_view, 3> kInterfaces = {"seriell", "parallel", "Datei"};
    return kInterfaces;
}

std::string PlotSwitches(const PlotParameters& p) {
    const int format = std::clamp(p.format, 1, 5);
    std::string s = " /C" + std::string(PlotFormats()[static_cast<std::size_t>(format - 1)].code);
    if (p.interface == kPlotSerial) s += " /D1";
    if (p.interface == kPlotFile) s += " /D3";
    const int port = p.interface == kPlotSerial ? p.comPort : p.lptPort;
    if (p.interface != kPlotFile && port != 1) s += " /P" + text::IntText(port);
    if (p.interface == kPlotFile && !p.outputFile.empty()) s += " " + Quoted("/F" + p.outputFile);
    if (p.scale == 0) {
        s += " /M*";
    } else if (p.scale != 1) {
        s += " /M" + Number(p.scale);
    }
    if (p.xShift != 0) s += " /X" + Number(p.xShift);
    if (p.yShift != 0) s += " /Y" + Number(p.yShift);
    if (p.textWidthFactor != 1) s += " /B" + Number(p.textWidthFactor);
    if (p.rotate) s += " /R";
    if (format == kPlotFormatPs && !p.psFont.empty()) s += " " + Quoted("/T" + p.psFont);
    if (!p.extra.empty()) s += " " + p.extra;
    return s;
}

std::string PlotCommandLineOf(const PlotParameters& p) {
    return Quoted(p.program) + " " + Quoted(p.plotFile) + PlotSwitches(p);
}

PlotParameters ParsePlotCommandLine(std::string_view line) {
    PlotParameters p;
    const PlotCommand command = SplitCommandLine(line);
    if (command.program.empty()) return p;
    p.program = command.program;
    int port = 1;
    for (std::size_t i = 0; i < command.arguments.size(); ++i) {
        const std::string& word = command.arguments[i];
        if (i == 0) {
            p.plotFile = word;
            continue;
        }
        if (TakeSwitch(word, p, port)) continue;
        if (!p.extra.empty()) p.extra += " ";
        p.extra += Quoted(word);
    }
    if (p.interface == kPlotSerial) p.comPort = port;
    if (p.interface == kPlotParallel) p.lptPort = port;
    return p;
}

std::optional<std::string> AskPlotCommandLine(ui::Dialogs& d, const PlotParameters& preset, bool& abort) {
    PlotParameters p = preset;
    const std::filesystem::path program(p.program);
    const bool dos = Upper(program.filename().string()) == Upper(kPlotProgramDos);
    std::string folder = program.has_parent_path() ? text::AddBackslash(program.parent_path().string()) : "";

    d.choiceList[0] = "WTRACEON";
    d.choiceList[1] = "TRACEON";
    int edition = dos ? 2 : 1;
    d.ChooseFromList("TRACEON/WTRACEON", 2, edition, abort);
    if (abort) return std::nullopt;
    const std::string name(edition == 2 ? kPlotProgramDos : kPlotProgramWindows);
    d.AskText("Programmverzeichnis von " + name, kPlotCommandLength, folder, abort);
    if (abort) return std::nullopt;
    p.program = text::AddBackslash(folder) + name;

    for (std::size_t i = 0; i < PlotFormats().size(); ++i) d.choiceList[i] = PlotFormats()[i].caption;
    d.ChooseFromList("Ausgabeformat", 5, p.format, abort);
    if (abort) return std::nullopt;
    for (std::size_t i = 0; i < PlotInterfaces().size(); ++i) d.choiceList[i] = PlotInterfaces()[i];
    d.ChooseFromList("Ausgabeschnittstelle", 3, p.interface, abort);
    if (abort) return std::nullopt;
    if (p.interface == kPlotSerial) d.AskInteger("COM-Port", p.comPort, 1, 4, abort);
    if (p.interface == kPlotParallel) d.AskInteger("LPT-Port", p.lptPort, 1, 4, abort);
    if (p.interface == kPlotFile) d.AskText("Name der Ausgabedatei", 30, p.outputFile, abort);
    if (abort) return std::nullopt;

    d.AskReal("Ma\xE1stab (0=anpassen)", p.scale, kLargest, 0, abort);
    if (!abort) d.AskYesNo("Plot um 90 Grad drehen ?", p.rotate, abort);
    if (!abort) d.AskReal("Nullpunktverschiebung in x-Richtung", p.xShift, kLargest, -kLargest, abort);
    if (!abort) d.AskReal("Nullpunktverschiebung in y-Richtung", p.yShift, kLargest, -kLargest, abort);
    if (!abort) d.AskReal("Textbreitenfaktor", p.textWidthFactor, kLargest, 0, abort);
    if (!abort && p.format == kPlotFormatPs) d.AskText("Postscript-Zeichensatz", 28, p.psFont, abort);
    if (abort) return std::nullopt;
    return PlotCommandLineOf(p);
}

void PointToPlotFile(PlotCommand& command, const std::string& plotFile) {
    if (command.arguments.empty() || plotFile.empty()) return;
    std::string& argument = command.arguments.front();
    const std::string name = Upper(std::filesystem::path(argument).filename().string());
    if (name == "TRACEON.DXF") {
        argument = plotFile;
    } else if (name == "TRACEON") {
        argument = std::filesystem::path(plotFile).replace_extension().string();
    }
}

}  // namespace trb::graphics
