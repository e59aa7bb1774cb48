#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// The command line, decided before any window exists.
namespace trb::app {

// "?" or "/?": the command-line help screen.
struct ShowHelp {};
// No case on the command line: the normal start.
struct NormalStart {};
// A case file alone (`readCase`: it is read and becomes the case), or with "/E" or "/G" (the name
// becomes the case name and nothing is read).
struct CaseStart {
    std::string caseFile;
    bool readCase = true;
};
// "/I": the result report of the case as a tab-separated file named after the case.
struct ReportBatch {
    std::string caseFile;
};
// "/JSON": every input and result of the case, its messages and the failed flag as a JSON file
// named after the case, beside it.
struct JsonBatch {
    std::string caseFile;
};
// "/CADi:j": the production drawing on CAD device i (1 DXF, 2 IGES, 5 text dump); j is read
// and carried along.
struct CadBatch {
    std::string caseFile;
    int device = 0;
    int index = 0;
};
// "/SWEEP:q=from:to:steps": the case swept over its shaft speed (q = n) or load (q = F) at its three
// clearances, written as "<case>.sweep.csv" and "<case>.sweep.json" beside it. `range` is the text
// after "/SWEEP:"; the sweep checks it.
struct SweepBatch {
    std::string caseFile;
    std::string range;
};
// "/OVERVIEW [folder]": the case overview of a folder (empty: the current folder) as a workbook
// and a JSON file in that folder.
struct OverviewBatch {
    std::string folder;
};
// "/VERIFY": the comparisons of the program with its published references ("/VERIFY:QUICK" the
// short form); with a file name also the verification report as that PDF, with a folder after it
// the benchmark figures found there.
struct VerifyBatch {
    bool quick = false;
    std::string pdf;
    std::string benchmarks;
};
// "/PDF": the result report, the result sheet and the production drawing as "<case>.pdf";
// "/SVG:j" and "/PNG:j" (or "/PNG:j:dpi"): view j of the view list as "<case>.svg" or ".png".
// All beside the case file.
enum class PaperFormat { Pdf, Svg, Png };
struct PaperBatch {
    std::string caseFile;
    PaperFormat format = PaperFormat::Pdf;
    int view = 0;
    std::optional<int> resolution{};  // PNG dots per inch as given; none: the usual resolution
};
// Several case files and one batch option ("a.trb b.trb /JSON"): each file in turn, as if it stood
// alone before the option (see CaseBatchMode).
struct CaseListBatch {
    std::vector<std::string> caseFiles;
    std::string option;  // as typed
};
// The case file name has no extension: "Erweiterung .trb muß mit angegeben werden".
struct MissingExtension {
    std::string name;
    // The name was all the command line held (no "/NOGUI"): a window start, whose error output
    // nobody may see, so the window program says it in a message box.
    bool windowStart = false;
};
// An option this program does not know, or more than one option.
struct BadArguments {
    std::string argument;
};

using CommandLineMode =
    std::variant<NormalStart, ShowHelp, CaseStart, ReportBatch, JsonBatch, CadBatch, SweepBatch,
                 OverviewBatch, PaperBatch, VerifyBatch, CaseListBatch, MissingExtension,
                 BadArguments>;

struct CommandLine {
    CommandLineMode mode;
    bool noGui = false;  // "/NOGUI" anywhere (any case): no message viewer, no interactive question
};

// The arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The mode of one case file followed by an option, as parseCommandLine gives it for those two
// arguments: MissingExtension for a name without extension, BadArguments for an unknown option.
CommandLineMode CaseBatchMode(const std::string& caseFile, const std::string& option);

// Whether the mode ends the program without a window.
bool IsBatchMode(const CommandLineMode& mode);

// The lines of the command-line help screen.
const std::vector<std::string>& CommandLineHelpLines();

// The message for a case file name without extension (code page 850).
std::string MissingExtensionText();

}  // namespace trb::app
