#pragma once

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

class Launcher {
  public:
    virtual ~Launcher() = default;
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

  private:
    std::string failure_;
};

// The real launcher: posix_spawn, detached from the program; "xdg-open" for empty programs.
class ProcessLauncher : public Launcher {
  public:
    StartResult Run(const StartRequest& request) override;
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
    std::vector<Call> calls;
    bool succeed = true;
    std::string failure = "file not found: program";  // what a failed start reports
};

}  // namespace trb::ui
