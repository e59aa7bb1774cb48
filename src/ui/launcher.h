#pragma once

#include <spawn.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Starting external programs (text program, browser, plot program, linked documents).
// Programs are started detached with an argument list, never through a shell.
namespace trb::ui {

// Why a program did not start.
enum class StartFailure {
    None,
    NotFound,       // no such file, or not found in PATH
    NotExecutable,  // a folder, a file without execute permission, or not a program format
    NoPermission,   // a folder on the way may not be searched, or the system refused
    OutOfMemory,
    Other,
};

struct StartResult {
    StartFailure failure = StartFailure::None;
    int error = 0;  // the errno value behind the failure
    bool Started() const { return failure == StartFailure::None; }
};

// What to start: the program (a path, or a name looked up in PATH), its arguments and the folder
// it starts in (empty: the program's own current folder).
struct StartRequest {
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;
};

// The program the desktop opens files and URLs with.
inline constexpr const char* kDesktopOpener = "xdg-open";

// Why `program` could not be started, in the words every start failure is reported with:
// "file not found: <program>", "not executable: <program>", "permission denied: <program>",
// "out of memory !" or "Exec error <n>: <program> (<the system's words>)".
std::string DescribeStartFailure(const std::string& program, const StartResult& result);
// The same for the error a start reported (an errno value).
std::string DescribeStartFailure(const std::string& program, int error);
// The reason for a message box (code page 850); an empty program stands for the desktop's opener.
std::string StartFailureText(const StartRequest& request, const StartResult& result);

// What the user is told when nothing could open `target` (code page 850): "Kein Programm konnte
// <target> öffnen (<reason>)."
std::string NothingCouldOpenText(const std::string& target, const std::string& reason);
// The same for a desktop opener that started but ended with `exitCode` (not 0).
std::string OpenerFailureText(const std::string& target, int exitCode);

// Where a failure that shows only after a start is reported: a desktop opener that started but
// found nothing to open the file with. Reports come from another thread, any time after the start.
using LateFailureReport = std::function<void(const std::string& text)>;

// The report as the launcher and its waiting threads share it: clearing it under the lock means no
// report is made afterwards, whoever still waits.
class LateFailureReports {
  public:
    void Set(LateFailureReport report);
    void Report(const std::string& text);

  private:
    std::mutex mutex_;
    LateFailureReport report_;
};

class Launcher {
  public:
    Launcher() = default;
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;
    virtual ~Launcher() { lateReports_->Set({}); }
    // Who hears of a desktop opener that ends with a failure (see LateFailureReport); empty: nobody.
    void SetLateFailureReport(LateFailureReport report) { lateReports_->Set(std::move(report)); }
    // Starts the program and does not wait. An empty program opens the first argument (a file or
    // URL) with the desktop's default handler.
    virtual StartResult Run(const StartRequest& request) = 0;
    // As Run; false when the program could not start, and FailureText() then says why.
    bool Start(const std::string& program, const std::vector<std::string>& arguments);
    // A file or URL with the desktop's default handler.
    bool Open(const std::string& target) { return Start({}, {target}); }
    // Why the last Start failed, for the user ("file not found: okular"); empty after a start that
    // worked.
    virtual std::string FailureText() const { return failure_; }

  protected:
    const std::shared_ptr<LateFailureReports>& LateReports() const { return lateReports_; }

  private:
    std::string failure_;
    std::shared_ptr<LateFailureReports> lateReports_ = std::make_shared<LateFailureReports>();
};

// The real launcher: posix_spawn, detached from the program; "xdg-open" for empty programs. The
// desktop opener's exit code is waited for on a thread of its own, and a failure is reported to the
// late-failure report.
class ProcessLauncher : public Launcher {
  public:
    StartResult Run(const StartRequest& request) override;

  private:
    StartResult RunOpener(const std::vector<std::string>& words, std::vector<char*>& argv,
                          posix_spawn_file_actions_t& actions);
};

// Records every start instead of starting anything (for tests).
class RecordingLauncher : public Launcher {
  public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
        std::string folder;
    };
    StartResult Run(const StartRequest& request) override {
        calls.push_back({request.program, request.arguments, request.folder});
        StartResult result;
        if (!succeed) result = {StartFailure::NotFound, 2};
        return result;
    }
    std::string FailureText() const override { return succeed ? std::string() : failure; }
    // The last desktop opener ends with `exitCode`, as the real opener reports it.
    void EndOpener(int exitCode) {
        if (exitCode != 0 && !calls.empty() && !calls.back().arguments.empty())
            LateReports()->Report(OpenerFailureText(calls.back().arguments.front(), exitCode));
    }
    std::vector<Call> calls;
    bool succeed = true;
    std::string failure = "file not found: program";  // what a failed start reports
};

}  // namespace trb::ui
