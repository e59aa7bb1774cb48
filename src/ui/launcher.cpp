#include "ui/launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char** environ;

namespace trb::ui {

namespace {

// The file the program search would meet first: the name itself when it holds a "/", else the
// first entry of PATH that exists. False when there is none.
bool FindProgramFile(const std::string& program, struct stat& info) {
    if (program.find('/') != std::string::npos) return ::stat(program.c_str(), &info) == 0;
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/bin:/usr/bin";
    while (true) {
        const std::size_t end = folders.find(':');
        std::string folder(folders.substr(0, end));
        if (folder.empty()) folder = ".";
        if (::stat((folder + "/" + program).c_str(), &info) == 0) return true;
        if (end == std::string_view::npos) return false;
        folders.remove_prefix(end + 1);
    }
}

// Access was refused: either the file is no program at all (no execute bit, or a folder), or the
// user may not run it (execute bits for others only, or a folder on the way that may not be
// searched).
std::string AccessRefusal(const std::string& program) {
    struct stat info {};
    if (!FindProgramFile(program, info)) return "no permission";
    if (!S_ISREG(info.st_mode) || (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) == 0)
        return "not executable";
    return "no permission";
}

}  // namespace

std::string DescribeStartFailure(const std::string& program, int error) {
    std::string reason;
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            reason = "not found";
            break;
        case EACCES:
        case EPERM:
            reason = AccessRefusal(program);
            break;
        case ENOEXEC:
            reason = "not executable (unknown file format)";
            break;
        default:
            reason = error > 0 ? std::strerror(error) : "could not be started";
    }
    return program + ": " + reason;
}

bool ProcessLauncher::Start(const std::string& program, const std::vector<std::string>& arguments) {
    failure_.clear();
    std::vector<std::string> words;
    if (program.empty()) {
        if (arguments.empty() || arguments.front().empty()) {
            failure_ = "nothing to open";
            return false;
        }
        words = {kDesktopOpener, arguments.front()};
    } else {
        words.push_back(program);
        words.insert(words.end(), arguments.begin(), arguments.end());
    }
    // Everything the child needs is prepared before fork: the child only spawns and exits.
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    // Two generations: the intermediate child spawns the program and exits at once, so the
    // program is adopted by init and never left behind as a zombie of this process. Its exit
    // status carries the spawn's error number back.
    const pid_t child = fork();
    if (child < 0) {
        failure_ = DescribeStartFailure(words.front(), errno);
        return false;
    }
    if (child == 0) {
        setsid();
        pid_t grandchild = 0;
        const int result = posix_spawnp(&grandchild, argv[0], nullptr, nullptr, argv.data(), environ);
        _exit(result > 0 && result < 256 ? result : (result == 0 ? 0 : 255));
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            failure_ = DescribeStartFailure(words.front(), errno);
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    const int error = WIFEXITED(status) && WEXITSTATUS(status) != 255 ? WEXITSTATUS(status) : 0;
    failure_ = DescribeStartFailure(words.front(), error);
    return false;
}

}  // namespace trb::ui
