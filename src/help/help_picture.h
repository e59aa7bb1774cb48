#pragma once

#include <string>

#include "config/input_file.h"

namespace trb::graphics {
class Driver;
}
namespace trb::ui {
class Dialogs;
}

// Help pictures: HP-GL/2 files "<name>.plt" in the PLT folder, drawn into a 160 x 120 mm area
// through the drawing output driver, so that a picture goes to the screen, a DXF or IGES file, the
// text dump or the plot program like any drawing.
namespace trb::help {

inline constexpr double kPictureWidth = 160;   // mm
inline constexpr double kPictureHeight = 120;  // mm
inline constexpr const char* kNoPicture = "NULL";
// Pictures are small; a file beyond this is not a picture.
inline constexpr std::size_t kMaxPictureSize = 16u << 20;

// "<pltFolder><name>.plt".
std::string PicturePath(const std::string& pltFolder, const std::string& name);

// Draws an HP-GL/2 file into the driver's open drawing (between CadEntitiesBegin and CadClose).
// HP-GL pen p draws with colour pen 15 + p, whose configured colours 1..7 are the graphics
// window's colours 12, 14, 10, 11, 9, 13, 15. The file status tells why nothing was drawn.
config::InputFile DrawHpglFile(graphics::Driver& driver, const std::string& path);

// Opens the drawing on `device` (3 the screen, which clears the graphics window), sets the
// 160 x 120 mm area and draws the picture. "NULL" and a missing file draw nothing; a file that
// cannot be read as a picture (a folder, a FIFO, too large) is reported in an error box.
void DrawHelpPicture(graphics::Driver& driver, ui::Dialogs& dialogs, int device, const std::string& pltFolder,
                     const std::string& name);

}  // namespace trb::help
