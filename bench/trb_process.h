#pragma once

// The trb program run as a whole process by the benchmarks, in a folder of its own.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace trb::bench {

// A fresh folder under $TMPDIR, removed afterwards, with the run's configuration and temporary
// folders in it.
struct Folder {
    explicit Folder(const std::string& name) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/trb-" + name + "-XXXXXX";
        if (::mkdtemp(pattern.data())) path = pattern;
        std::filesystem::create_directories(path / "tmp");
        std::filesystem::create_directories(path / "config");
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

// Starts TRB_PROGRAM with `arguments` in `folder` and waits: its exit code, -1 when it did not start
// or did not end by itself. The data folder is the source tree's, configuration and temporary files
// stay in the folder, the other variables are as they are.
inline int RunTrb(const Folder& folder, std::vector<std::string> arguments) {
    std::vector<std::string> variables = {"TRB_DATA_DIR=" TRB_SOURCE_DATA_DIR,
                                          "XDG_CONFIG_HOME=" + (folder.path / "config").string(),
                                          "TMPDIR=" + (folder.path / "tmp").string()};
    for (char** v = environ; *v; ++v) {
        const std::string variable = *v;
        if (!variable.starts_with("TRB_DATA_DIR=") && !variable.starts_with("XDG_CONFIG_HOME=") &&
            !variable.starts_with("TMPDIR="))
            variables.push_back(variable);
    }
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);
    std::string program = TRB_PROGRAM;
    std::vector<char*> argv = {program.data()};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addchdir_np(&actions, folder.path.c_str());
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environment.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace trb::bench
