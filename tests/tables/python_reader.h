#pragma once

#include <filesystem>
#include <string>

#include "run_program.h"

// Runs a Python snippet with Debian's python3 (which sees python3-dbfread) and returns its
// standard output and errors; the table path is passed as sys.argv[1].
inline std::string RunPython(const std::string& script, const std::filesystem::path& argument) {
    return trb::test_support::RunProgram(TRB_PYTHON_EXE, {"-c", script, argument.string()},
                                         trb::test_support::MergedErrors())
        .output;
}
