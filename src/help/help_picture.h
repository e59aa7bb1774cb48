#pragma once

#include <string>

namespace trb::graphics {
class Driver;
}

// Help pictures: HP-GL/2 files "<name>.plt" in the PLT folder, drawn into a 160 x 120 mm area.
namespace trb::help {

inline constexpr double kPictureWidth = 160;   // mm
inline constexpr double kPictureHeight = 120;  // mm
inline constexpr const char* kNoPicture = "NULL";

// "<pltFolder><name>.plt".
std::string PicturePath(const std::string& pltFolder, const std::string& name);

// Opens the drawing on `device` (3 the screen, which clears the graphics window), sets the
// 160 x 120 mm area and draws the picture unless the name is "NULL" or the file is missing.
void DrawHelpPicture(graphics::Driver& driver, int device, const std::string& pltFolder,
                     const std::string& name);

}  // namespace trb::help
