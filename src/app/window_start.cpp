#include "app/window_start.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/batch.h"
#include "app/display_check.h"

namespace trb::app {

namespace {

constexpr const char* kWindowProgram = "trb-window";

std::filesystem::path WindowProgramPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return self.parent_path() / kWindowProgram;
}

}  // namespace

int StartWindow(char** argv) {
    if (const std::string problem = DisplayProblem(ProcessEnvironment); !problem.empty()) {
        std::cerr << problem << '\n';
        return kExitBadArguments;
    }
    const std::filesystem::path program = WindowProgramPath();
    if (!program.empty() && ::access(program.c_str(), X_OK) == 0) {
        ::execv(program.c_str(), argv);
        std::cerr << "trb: cannot start " << program.string() << ": " << std::strerror(errno) << '\n';
        return kExitBadArguments;
    }
    std::cerr << "trb: this build has no window; use the command-line options (trb /? shows them)\n";
    return kExitBadArguments;
}

}  // namespace trb::app
