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
};

// The real launcher: posix_spawn, detached from the program; "xdg-open" for empty programs.
class ProcessLauncher : public Launcher {
  public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
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
    std::vector<Call> calls;
    bool succeed = true;
};

}  // namespace trb::ui
