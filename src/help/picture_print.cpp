#include "help/picture_print.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "config/input_file.h"
#include "config/printer_port.h"
#include "help/help_picture.h"
#include "ui/dialogs.h"

namespace trb::help {

namespace {

constexpr int kPrinterTimeoutMs = 10000;

// Writes everything or gives the errno of the failure (ETIMEDOUT when the device takes nothing).
int WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written > 0) {
            data.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) continue;
        if (written < 0 && errno != EAGAIN) return errno;
        pollfd ready{fd, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, kPrinterTimeoutMs);
        if (polled == 0) return ETIMEDOUT;
        if (polled < 0 && errno != EINTR) return errno;
    }
    return 0;
}

std::string PortName(int port) {
    return "LPT" + std::to_string(port) + " (" + config::PrinterPortPath(port) + ")";
}

}  // namespace

bool SendPictureToPort(const std::string& picturePath, int port, bool laserSequences, ui::Dialogs& dialogs,
                       bool& abort) {
    const config::InputFile picture = config::ReadInputFile(picturePath, kMaxPictureSize);
    if (picture.status != config::InputStatus::Ok) {
        dialogs.ShowErrorBox(config::InputProblem(picturePath, picture));
        abort = true;
        return false;
    }
    const std::string device = config::PrinterPortPath(port);
    // Non-blocking: a FIFO without a reader or an offline device must not stop the program.
    const int fd =
        ::open(device.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        dialogs.ShowErrorBox("Druckerschnittstelle " + PortName(port) +
                             " kann nicht ge\x94"
                             "ffnet werden: " +
                             ::strerrordesc_np(errno));
        abort = true;
        return false;
    }
    std::string data;
    if (laserSequences) data += kLaserStart;
    data += picture.content;
    if (laserSequences) data += kLaserEnd;
    int error = WriteAll(fd, data);
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        dialogs.ShowErrorBox("Fehler beim Drucken auf " + PortName(port) + ": " + ::strerrordesc_np(error));
        abort = true;
        return false;
    }
    return true;
}

}  // namespace trb::help
