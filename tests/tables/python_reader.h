#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// Runs a Python snippet with Debian's python3 (which sees python3-dbfread) and returns its
// standard output; the table path is passed as sys.argv[1].
inline std::string RunPython(const std::string& script, const std::filesystem::path& argument) {
    const std::string command =
        std::string(TRB_PYTHON_EXE) + " -c '" + script + "' '" + argument.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char chunk[4096];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) output.append(chunk, n);
        ::pclose(pipe);
    }
    return output;
}
