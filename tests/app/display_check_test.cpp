#include "app/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <string>

#include "temp_folder.h"

namespace trb::app {
namespace {

// A listening local socket: at a path, or in the abstract namespace as X servers also listen.
class Listener {
  public:
    Listener(const std::string& name, bool abstract) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, name.data(), name.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + name.size());
        bound_ =
            ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) == 0 && ::listen(fd_, 4) == 0;
    }
    ~Listener() { ::close(fd_); }
    bool Bound() const { return bound_; }

  private:
    int fd_ = -1;
    bool bound_ = false;
};

std::string Problem(const std::map<std::string, std::string>& variables) {
    return DisplayProblem([&variables](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    });
}

// A window start asks first whether a window can open: without a display, or with one that no
// server answers, it gets the message; with a server that answers, or a platform that needs none,
// it goes ahead.
TEST(DisplayCheck, AWindowStartNeedsADisplayThatAnswers) {
    EXPECT_NE(Problem({}), "");
    EXPECT_NE(Problem({}).find("trb /?"), std::string::npos);
    EXPECT_NE(Problem({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}), "");
    EXPECT_NE(Problem({{"DISPLAY", ":54321"}}), "") << "nobody listens there";
    EXPECT_NE(Problem({{"DISPLAY", "unix:54321"}}), "") << "nor on the local socket named so";
    EXPECT_NE(Problem({{"DISPLAY", "garbage"}}), "");
    EXPECT_EQ(Problem({{"DISPLAY", "remote.example:10.0"}}), "") << "another host is not asked";
    EXPECT_EQ(Problem({{"QT_QPA_PLATFORM", "offscreen"}}), "");
    EXPECT_EQ(Problem({{"QT_QPA_PLATFORM", "vnc:size=800x600"}}), "");
    EXPECT_NE(Problem({{"QT_QPA_PLATFORM", "xcb"}}), "") << "xcb without a display";

    const Listener x("/tmp/.X11-unix/X54321", true);
    ASSERT_TRUE(x.Bound());
    EXPECT_EQ(Problem({{"DISPLAY", ":54321"}}), "");
    EXPECT_EQ(Problem({{"DISPLAY", ":54321.0"}}), "");
    EXPECT_EQ(Problem({{"DISPLAY", "unix:54321"}}), "");
    EXPECT_EQ(Problem({{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":54321"}}), "");
    EXPECT_NE(Problem({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":54321"}}), "") << "no compositor";

    test_support::TempFolder runtime;
    EXPECT_NE(Problem({{"WAYLAND_DISPLAY", "wayland-7"}, {"XDG_RUNTIME_DIR", runtime.Path().string()}}), "");
    const Listener wayland(runtime.File("wayland-7"), false);
    ASSERT_TRUE(wayland.Bound());
    EXPECT_EQ(Problem({{"WAYLAND_DISPLAY", "wayland-7"}, {"XDG_RUNTIME_DIR", runtime.Path().string()}}), "");
    EXPECT_EQ(Problem({{"WAYLAND_DISPLAY", runtime.File("wayland-7")}}), "");
    EXPECT_NE(Problem({{"WAYLAND_DISPLAY", "wayland-7"}}), "") << "relative, without a runtime folder";
}

}  // namespace
}  // namespace trb::app
