#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/real.h"
#include "graphics/plot_command.h"

namespace trb::ui {
class Dialogs;
}

// The plot program's command line built from plot parameters: output format, interface and port,
// scale, rotation, origin shift, text width factor and PostScript font become switches.
namespace trb::graphics {

// Longest command line the prompts and dialogs accept. The program is started with an argument
// list, so there is no short limit to work around; this one stays below the length up to which
// stored texts are converted for display.
inline constexpr int kPlotCommandLength = 250;

inline constexpr int kPlotSerial = 1;
inline constexpr int kPlotParallel = 2;
inline constexpr int kPlotFile = 3;
inline constexpr int kPlotFormatPs = 2;

struct PlotFormatItem {
    std::string_view caption;
    std::string_view code;
};
// The five output formats, items 1..5: HPL, PS, PLT, PL2, ART.
const std::array<PlotFormatItem, 5>& PlotFormats();
// "seriell", "parallel", "Datei".
const std::array<std::string_view, 3>& PlotInterfaces();

// The plot program's two editions and the program names they run under.
inline constexpr std::string_view kPlotProgramWindows = "wtraceon";
inline constexpr std::string_view kPlotProgramDos = "traceon";

struct PlotParameters {
    std::string program{kPlotProgramWindows};
    std::string plotFile;  // the drawing the program plots
    int format = 1;        // 1..5, see PlotFormats
    int interface = kPlotParallel;
    int comPort = 1;
    int lptPort = 1;
    std::string outputFile;  // the output file of the file interface
    real scale = 1;          // 0: scale to fit
    bool rotate = false;
    real xShift = 0;
    real yShift = 0;
    real textWidthFactor = 1;
    std::string psFont;
    std::string extra;  // switches of a parsed line that have no parameter, kept as they were
};

// The switches, each preceded by a blank, in the order /C /D /P /F /M /X /Y /B /R /T.
std::string PlotSwitches(const PlotParameters& parameters);
// Program, blank, plot file and the switches; parts with blanks are quoted.
std::string PlotCommandLineOf(const PlotParameters& parameters);
// A command line taken back into parameters: the first word is the program, the second the plot
// file, then the switches; anything else is kept in `extra`.
PlotParameters ParsePlotCommandLine(std::string_view line);

// The chain of questions that builds a command line from parameters, starting from `preset`; the
// plot file is preset.plotFile. Cancel in any question sets the abort flag and gives nothing.
std::optional<std::string> AskPlotCommandLine(ui::Dialogs& dialogs, const PlotParameters& preset,
                                              bool& abort);

// Points the plot file of a command (its first argument) at the file just written when it names the
// plot file under any folder or case: "traceon.dxf" or "traceon" (the extension is kept as given).
// Stored command lines thereby survive a temporary folder that differs from run to run.
void PointToPlotFile(PlotCommand& command, const std::string& plotFile);

}  // namespace trb::graphics
