#pragma once

#include <string>
#include <vector>

// Starting the reader programs the tests check written files with: an argument list, never a
// shell, with the output captured and the exit status waited for.
namespace trb::test_support {

struct RunOptions {
    // Standard error goes into `output` as well, interleaved as written (the shell's "2>&1").
    bool mergeErrors = false;
    // The folder the program starts in; empty: the current folder.
    std::string folder;
    // "NAME=value" entries set on top of this process's environment.
    std::vector<std::string> environment;
};

// Options with standard error read into the output.
inline RunOptions MergedErrors() {
    RunOptions options;
    options.mergeErrors = true;
    return options;
}

struct ProgramRun {
    // The exit status; -1 when the program did not start or was ended by a signal.
    int exitCode = -1;
    // Standard output (with standard error when merged).
    std::string output;
    // Standard error when not merged, or why the program did not start.
    std::string errors;
};

// Runs `program` (a path, or a name looked up in PATH) with `arguments` and waits for it. Its
// standard input is empty.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options = {});

}  // namespace trb::test_support
