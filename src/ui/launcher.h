#pragma once

#include <string>
#include <vector>

// Starting external programs (text program, browser, plot program, linked documents).
// Programs are started detached with an argument list, never through a shell.
namespace trb::ui {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts `program` with `arguments` and does not wait. An empty program opens the first
    // argument (a file or URL) with the desktop's default handler. False when it could not start.
    virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // A file or URL with the desktop's default handler.
    bool Open(const std::string& target) { return Start({}, {target}); }
    // Why the last start failed, for the user ("okular: not found"); empty after a start that
    // worked.
    virtual std::string FailureText() const { return {}; }
};

// The program the desktop opens files and URLs with.
inline constexpr const char* kDesktopOpener = "xdg-open";

// Why `program` could not be started, given the error the start reported (an errno value):
// "<program>: not found", ": not executable", ": no permission" or the system's own words.
std::string DescribeStartFailure(const std::string& program, int error);

// The real launcher: posix_spawn, detached from the program; "xdg-open" for empty programs.
class ProcessLauncher : public Launcher {
  public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
    std::string FailureText() const override { return failure_; }

  private:
    std::string failure_;
};

// Records every start instead of starting anything (for tests).
class RecordingLauncher : public Launcher {
  public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
    };
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override {
        calls.push_back({program, arguments});
        return succeed;
    }
    std::string FailureText() const override { return succeed ? std::string() : failure; }
    std::vector<Call> calls;
    bool succeed = true;
    std::string failure = "program: not found";  // what a failed start reports
};

}  // namespace trb::ui
