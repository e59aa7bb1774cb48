#include "ui/launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>
#include <thread>

#include "text/cp850.h"

extern char** environ;

namespace trb::ui {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The file that a program name stands for: the name itself when it holds a "/", else the first
// entry of PATH that exists. Empty when there is none.
std::string ProgramFile(const std::string& program) {
    if (program.find('/') != std::string::npos) return program;
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!folders.empty()) {
        const auto colon = folders.find(':');
        std::string folder(folders.substr(0, colon));
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + program;
        struct stat info {};
        if (::stat(candidate.c_str(), &info) == 0) return candidate;
    }
    return {};
}

// Sorts an exec error into the reasons a user can act on.
StartFailure Classify(const std::string& program, int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
            return StartFailure::NotFound;
        case ENOEXEC:
        case EISDIR:
            return StartFailure::NotExecutable;
        case ENOMEM:
            return StartFailure::OutOfMemory;
        case EACCES:
        case EPERM: {
            // EACCES means either the file may not be executed or a folder on the way may not be
            // searched; the file itself tells which.
            const std::string file = ProgramFile(program);
            struct stat info {};
            if (!file.empty() && ::stat(file.c_str(), &info) == 0 &&
                (S_ISDIR(info.st_mode) || !S_ISREG(info.st_mode) || ::access(file.c_str(), X_OK) != 0))
                return StartFailure::NotExecutable;
            return StartFailure::NoPermission;
        }
        default:
            return StartFailure::Other;
    }
}

// Waits for the desktop opener on a thread of its own and reports an exit code other than 0. The
// thread keeps the shared report, so it may outlive the launcher; a cleared report stays silent.
void WatchOpener(pid_t opener, const std::string& target, std::shared_ptr<LateFailureReports> reports) {
    try {
        std::thread([opener, target, reports = std::move(reports)] {
            int status = 0;
            while (waitpid(opener, &status, 0) < 0) {
                if (errno != EINTR) return;
            }
            if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
                reports->Report(OpenerFailureText(target, WEXITSTATUS(status)));
        }).detach();
    } catch (const std::system_error&) {
        // Without a thread the opener still runs; only its outcome goes unheard.
    }
}

// What the desktop opener's exit codes mean (xdg-open: 1 bad arguments, 2 no such file, 3 no
// program for it, 4 the program failed).
std::string OpenerExitMeaning(int exitCode) {
    switch (exitCode) {
        case 2:
            return ", Datei nicht gefunden";
        case 3:
            return ", kein Programm f\x81r diesen Dateityp";
        case 4:
            return ", das Programm meldet einen Fehler";
        default:
            return {};
    }
}

}  // namespace

void LateFailureReports::Set(LateFailureReport report) {
    const std::lock_guard lock(mutex_);
    report_ = std::move(report);
}

void LateFailureReports::Report(const std::string& text) {
    const std::lock_guard lock(mutex_);
    if (report_) report_(text);
}

std::string NothingCouldOpenText(const std::string& target, const std::string& reason) {
    return "Kein Programm konnte " + text::DisplayToOem(target) + " \x94" + "ffnen (" + reason + ").";
}

std::string OpenerFailureText(const std::string& target, int exitCode) {
    return NothingCouldOpenText(target, std::string(kDesktopOpener) + " endete mit Exit-Code " +
                                            std::to_string(exitCode) + OpenerExitMeaning(exitCode));
}

std::string StartFailureText(const StartRequest& request, const StartResult& result) {
    return text::DisplayToOem(
        DescribeStartFailure(request.program.empty() ? kDesktopOpener : request.program, result));
}

std::string DescribeStartFailure(const std::string& program, const StartResult& result) {
    switch (result.failure) {
        case StartFailure::None:
            return {};
        case StartFailure::NotFound:
            return "file not found: " + program;
        case StartFailure::NotExecutable:
            return "not executable: " + program;
        case StartFailure::NoPermission:
            return "permission denied: " + program;
        case StartFailure::OutOfMemory:
            return "out of memory !";
        case StartFailure::Other:
            break;
    }
    return "Exec error " + std::to_string(result.error) + ": " + program + " (" +
           std::strerror(result.error) + ")";
}

std::string DescribeStartFailure(const std::string& program, int error) {
    return DescribeStartFailure(program, StartResult{Classify(program, error), error});
}

bool Launcher::Start(const std::string& program, const std::vector<std::string>& arguments) {
    failure_.clear();
    if (program.empty() && (arguments.empty() || arguments.front().empty())) {
        failure_ = "nothing to open";
        return false;
    }
    const StartResult result = Run({program, arguments, {}});
    if (!result.Started())
        failure_ = DescribeStartFailure(program.empty() ? kDesktopOpener : program, result);
    return result.Started();
}

StartResult ProcessLauncher::Run(const StartRequest& request) {
    std::vector<std::string> words;
    if (request.program.empty()) {
        if (request.arguments.empty() || request.arguments.front().empty())
            return {StartFailure::NotFound, ENOENT};
        words = {kDesktopOpener, request.arguments.front()};
    } else {
        words.push_back(request.program);
        words.insert(words.end(), request.arguments.begin(), request.arguments.end());
    }
    // Everything the child needs is prepared before fork: the child only spawns and exits.
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return {StartFailure::OutOfMemory, ENOMEM};
    // A folder that is not there leaves the program in the current folder rather than failing
    // the start with a misleading "not found".
    if (!request.folder.empty() && IsFolder(request.folder))
        posix_spawn_file_actions_addchdir_np(&actions, request.folder.c_str());
    if (request.program.empty()) return RunOpener(words, argv, actions);

    // Two generations: the intermediate child spawns the program and exits at once, so the
    // program is adopted by init and never left behind as a zombie of this process. The
    // intermediate child's exit status carries the spawn error.
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        posix_spawn_file_actions_destroy(&actions);
        return {error == ENOMEM ? StartFailure::OutOfMemory : StartFailure::Other, error};
    }
    if (child == 0) {
        setsid();
        pid_t grandchild = 0;
        const int result = posix_spawnp(&grandchild, argv[0], &actions, nullptr, argv.data(), environ);
        _exit(result == 0 ? 0 : (result & 0xFF ? result & 0xFF : 0xFF));
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return {StartFailure::Other, errno};
    }
    if (!WIFEXITED(status)) return {StartFailure::Other, EINTR};
    const int error = WEXITSTATUS(status);
    if (error == 0) return {};
    return {Classify(words.front(), error), error};
}

StartResult ProcessLauncher::RunOpener(const std::vector<std::string>& words, std::vector<char*>& argv,
                                       posix_spawn_file_actions_t& actions) {
    // The opener is this process's own child, in a session of its own, so that its exit code can
    // be waited for; the watching thread reaps it.
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return {StartFailure::OutOfMemory, ENOMEM};
    }
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t opener = 0;
    const int error = posix_spawnp(&opener, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return {Classify(words.front(), error), error};
    WatchOpener(opener, words[1], LateReports());
    return {};
}

}  // namespace trb::ui
