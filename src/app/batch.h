#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "app/command_line.h"
#include "app/program.h"

// The command-line modes that run without any window.
namespace trb::app {

// Exit codes of the batch modes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUnreadableCase = 1;  // the case file could not be read (or the output not written)
inline constexpr int kExitBadArguments = 2;    // unknown option, missing extension, mode not available
inline constexpr int kExitCalculationFailed = 3;   // a fatal calculation error ("/I": the report shows it)
inline constexpr int kExitVerificationFailed = 4;  // "/VERIFY": a comparison fell outside its tolerance

// Reads and calculates the case named on the command line; false (with the message shown) when it
// cannot be read. The case is named by the file name; its outputs by the file name without its last
// extension.
bool ReadCommandLineCase(Program& program, const std::string& caseFile);

// Start-up of a batch run: configuration, folder checks and the stored language.
void PrepareBatchProgram(Program& program);

// "/I": reads the case, calculates it and writes the result report as "<case name>.txt" in the
// current folder (tab-separated, UTF-8).
int RunReportBatch(Program& program, const std::string& caseFile, std::ostream& errors);

// "/JSON": reads the case into the program-start record, calculates it and writes "<case>.json"
// beside the case file. A calculation stopped by a fatal error is written as well (with "failed":
// true), its messages go to the error output, and the exit code is kExitCalculationFailed.
int RunJsonBatch(Program& program, const std::string& caseFile);

// Where the "/CADi:j" mode plugs in once the drawing output exists.
using CadBatchRunner = std::function<int(Program& program, const CadBatch& request)>;

// The worse of two exit codes, for a run over several case files: from done over a calculation
// stopped by a fatal error and a case that could not be read (or an output not written) to bad
// arguments.
int WorseExit(int a, int b);

// Runs a batch mode of the command line (help, "/I", "/JSON", "/CADi:j", and the errors) and
// returns the program's exit code. Nothing interactive is shown; messages go to `errors`. With
// several case files each is read into a case of its own, one after the other, whatever became of
// the files before it; their messages begin with the file's name, and the exit code is the worst of
// theirs.
int RunBatch(const CommandLine& commandLine, std::ostream& out, std::ostream& errors,
             const CadBatchRunner& cad = {});

}  // namespace trb::app
