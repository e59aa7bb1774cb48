#pragma once

#include <string>
#include <string_view>

namespace trb::ui {
class Dialogs;
}

// Sending a help picture unchanged to a printer port, for printers and plotters that understand
// HP-GL/2.
namespace trb::help {

// Reset and HP-GL/2 mode before the picture, back to PCL and page eject after it.
inline constexpr std::string_view kLaserStart =
    "\x1b"
    "E\x1b%0B";
inline constexpr std::string_view kLaserEnd =
    "\x1b%0A\x1b"
    "E";

// Copies the picture file to the raw device of "LPT<port>", framed by the laser printer sequences
// when asked. A picture that cannot be read, a port that cannot be opened (no printer, no
// permission, nobody reading a FIFO) or a printer that takes nothing for ten seconds is reported in
// an error box and sets the abort flag; nothing waits longer than that.
bool SendPictureToPort(const std::string& picturePath, int port, bool laserSequences, ui::Dialogs& dialogs,
                       bool& abort);

}  // namespace trb::help
