#include "help/help_picture.h"

#include "graphics/driver.h"
#include "help/hpgl_reader.h"
#include "text/format.h"
#include "ui/dialogs.h"

namespace trb::help {

namespace {

// HP-GL pens on the drawing output driver's colour pens.
class DriverCanvas : public HpglCanvas {
  public:
    explicit DriverCanvas(graphics::Driver& driver) : driver_(driver) {}

    void Pen(int pen) override {
        if (pen > 0) driver_.CadColor(15 + pen);
    }
    void Line(double x1, double y1, double x2, double y2) override { driver_.CadLine(x1, y1, x2, y2); }
    void Circle(double x, double y, double r) override { driver_.CadCircle(x, y, r); }
    void Arc(double x, double y, double phi1, double phi2, double r) override {
        driver_.CadArc(x, y, phi1, phi2, r);
    }
    void Text(std::string_view text, double x, double y, double width, double height, double angle) override {
        driver_.CadTextStyle(2, angle, height, width);
        driver_.CadText(text, x, y);
    }

  private:
    graphics::Driver& driver_;
};

}  // namespace

std::string PicturePath(const std::string& pltFolder, const std::string& name) {
    return text::AddBackslash(pltFolder) + name + ".plt";
}

config::InputFile DrawHpglFile(graphics::Driver& driver, const std::string& path) {
    config::InputFile file = config::ReadInputFile(path, kMaxPictureSize);
    if (file.status == config::InputStatus::Ok) {
        DriverCanvas canvas(driver);
        ReadHpgl(file.content, canvas);
    }
    return file;
}

void DrawHelpPicture(graphics::Driver& driver, ui::Dialogs& dialogs, int device, const std::string& pltFolder,
                     const std::string& name) {
    driver.CadOpen(device);
    if (driver.Abort()) return;
    driver.CadLimits(0, 0, kPictureWidth, kPictureHeight);
    driver.CadTables(2);
    driver.CadEntitiesBegin();
    config::InputFile file;
    std::string path;
    if (!name.empty() && name != kNoPicture) {
        path = PicturePath(pltFolder, name);
        file = DrawHpglFile(driver, path);
    }
    driver.CadEndSection();
    driver.CadClose();
    if (!path.empty() && file.status != config::InputStatus::Ok &&
        file.status != config::InputStatus::NotFound)
        dialogs.ShowErrorBox(config::InputProblem(path, file));
}

}  // namespace trb::help
