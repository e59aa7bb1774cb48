#include "app/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace trb::app {

namespace {

// Qt platforms that draw without a display server.
constexpr std::string_view kServerless[] = {"offscreen", "minimal", "vnc",
                                            "linuxfb",   "eglfs",   "vkkhrdisplay"};

// Connects to a local stream socket; `abstract` names one in the abstract namespace.
bool Connects(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(fd);
    return connected;
}

// An X display: a local one (":0", ":0.0", "unix:0") is asked on its socket; one on another host
// ("host:10.0", as ssh forwards it) cannot be asked quickly and counts as there.
bool XServerAnswers(const char* display) {
    if (display == nullptr || *display == '\0') return false;
    const std::string_view name(display);
    const std::size_t colon = name.rfind(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view host = name.substr(0, colon);
    if (!host.empty() && host != "unix") return true;
    std::string_view number = name.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) return false;
    const std::string socket = "/tmp/.X11-unix/X" + std::string(number);
    return Connects(socket, true) || Connects(socket, false);
}

bool WaylandAnswers(const Environment& environment) {
    const char* display = environment("WAYLAND_DISPLAY");
    if (display == nullptr || *display == '\0') return false;
    if (display[0] == '/') return Connects(display, false);
    const char* runtime = environment("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') return false;
    return Connects(std::string(runtime) + "/" + display, false);
}

}  // namespace

std::string DisplayProblem(const Environment& environment) {
    const char* platform = environment("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        // A list ("wayland;xcb") is tried in order by the window; one that works is enough.
        std::string_view list(platform);
        while (!list.empty()) {
            const std::size_t end = list.find(';');
            std::string_view choice = list.substr(0, end);
            choice = choice.substr(0, choice.find(':'));  // "vnc:size=800x600"
            for (const std::string_view serverless : kServerless)
                if (choice == serverless) return {};
            if (choice == "xcb" && XServerAnswers(environment("DISPLAY"))) return {};
            if (choice.starts_with("wayland") && WaylandAnswers(environment)) return {};
            list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
        }
    } else if (WaylandAnswers(environment) || XServerAnswers(environment("DISPLAY"))) {
        return {};
    }
    return "trb: no display for the window (DISPLAY or WAYLAND_DISPLAY names none that answers); "
           "the command-line options need none (trb /? shows them)";
}

const char* ProcessEnvironment(const char* name) {
    return std::getenv(name);
}

}  // namespace trb::app
