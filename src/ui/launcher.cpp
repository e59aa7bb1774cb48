#include "ui/launcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

extern char** environ;

namespace trb::ui {

bool ProcessLauncher::Start(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words;
    if (program.empty()) {
        if (arguments.empty() || arguments.front().empty()) return false;
        words = {"xdg-open", arguments.front()};
    } else {
        words.push_back(program);
        words.insert(words.end(), arguments.begin(), arguments.end());
    }
    // Everything the child needs is prepared before fork: the child only spawns and exits.
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    // Two generations: the intermediate child spawns the program and exits at once, so the
    // program is adopted by init and never left behind as a zombie of this process.
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        setsid();
        pid_t grandchild = 0;
        const int result = posix_spawnp(&grandchild, argv[0], nullptr, nullptr, argv.data(), environ);
        _exit(result == 0 ? 0 : 127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace trb::ui
