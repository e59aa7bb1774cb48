#include "help/help_picture.h"

#include "graphics/driver.h"
#include "text/format.h"

namespace trb::help {

std::string PicturePath(const std::string& pltFolder, const std::string& name) {
    return text::AddBackslash(pltFolder) + name + ".plt";
}

void DrawHelpPicture(graphics::Driver& driver, int device, const std::string& pltFolder,
                     const std::string& name) {
    driver.CadOpen(device);
    if (driver.Abort()) return;
    driver.CadLimits(0, 0, kPictureWidth, kPictureHeight);
    driver.CadTables(2);
    driver.CadEntitiesBegin();
    (void)pltFolder;
    (void)name;
    driver.CadEndSection();
    driver.CadClose();
}

}  // namespace trb::help
