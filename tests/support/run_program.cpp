#include "run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace trb::test_support {

namespace {

// This process's environment with `changes` ("NAME=value") set on top.
std::vector<std::string> Environment(const std::vector<std::string>& changes) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool replaced = false;
        for (const std::string& change : changes) replaced = replaced || change.starts_with(name);
        if (!replaced) entries.push_back(text);
    }
    entries.insert(entries.end(), changes.begin(), changes.end());
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Reads both pipes to their ends; reading one after the other could leave the program blocked
// on a full second pipe.
void Drain(int outputPipe, int errorPipe, std::string& output, std::string& errors) {
    pollfd pipes[2] = {{outputPipe, POLLIN, 0}, {errorPipe, POLLIN, 0}};
    std::string* targets[2] = {&output, &errors};
    int open = errorPipe < 0 ? 1 : 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(pipes, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        for (int i = 0; i < 2; ++i) {
            if (pipes[i].fd < 0 || pipes[i].revents == 0) continue;
            const ssize_t n = ::read(pipes[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                targets[i]->append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(pipes[i].fd);
                pipes[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options) {
    ProgramRun run;
    int outputPipe[2] = {-1, -1};
    int errorPipe[2] = {-1, -1};
    if (::pipe2(outputPipe, O_CLOEXEC) != 0 || (!options.mergeErrors && ::pipe2(errorPipe, O_CLOEXEC) != 0)) {
        run.errors = std::string("no pipe: ") + std::strerror(errno);
        for (int fd : {outputPipe[0], outputPipe[1]})
            if (fd >= 0) ::close(fd);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outputPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, options.mergeErrors ? outputPipe[1] : errorPipe[1],
                                     STDERR_FILENO);
    if (!options.folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, options.folder.c_str());

    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment = Environment(options.environment);
    std::vector<char*> argv = Pointers(words);
    std::vector<char*> envp = Pointers(environment);
    pid_t child = 0;
    const int error = posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(outputPipe[1]);
    if (errorPipe[1] >= 0) ::close(errorPipe[1]);
    if (error != 0) {
        ::close(outputPipe[0]);
        if (errorPipe[0] >= 0) ::close(errorPipe[0]);
        run.errors = "cannot start " + program + ": " + std::strerror(error);
        return run;
    }
    Drain(outputPipe[0], errorPipe[0], run.output, run.errors);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return run;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace trb::test_support
