#pragma once

#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "cad/device.h"
#include "cad/dxf_device.h"
#include "core/run_status.h"
#include "graphics/driver_settings.h"
#include "graphics/graphics_window.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::graphics {

// The file check of the drawing device: true when `name` can be opened for reading, else the
// message "<name> nicht gefunden !" and the abort flag.
bool CheckDrawingFile(const std::string& name, ui::Dialogs& dialogs, bool& abort);

// The temp-folder file of a block on screen: "$" + name + ".dx$" (folder separators in the
// name become "_").
std::string BlockFileName(std::string_view name);

// The screen output of the drawing output driver: appends to the graphics window's display
// list. Block definitions are written in DXF form into block files "$" + name + ".dx$" in the
// temp folder, and an insert replays its block file with the insert's transformation.
class ScreenDevice : public cad::CadDevice {
  public:
    ScreenDevice(GraphicsWindow& window, const DriverSettings& settings, core::RunStatus& status,
                 bool& abort);
    ~ScreenDevice() override;

    void Open() override;
    void Limits(real xmin, real ymin, real xmax, real ymax) override;
    bool BlockBegin(std::string_view name) override;
    void BlockEnd() override;
    void EntitiesBegin() override;
    void Pen(int n) override;
    void LineStyle(int n) override;
    void Line(real x1, real y1, real x2, real y2) override;
    void Circle(real x, real y, real r) override;
    void Arc(real x, real y, real phi1, real phi2, real r) override;
    void Text(std::string_view text, real x, real y, const cad::TextStyle& style) override;
    void Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) override;
    void SolidColor(int red, int green, int blue) override;
    void Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) override;
    void Close() override;

    // The window's text style (font, angle, height and the screen width).
    void TextStyle(int font, real angle, real height, real width);
    // Pen selection on the window itself: line style, colour and width.
    void WindowPen(int n);
    // True while a block file is being written.
    bool InBlock() const { return static_cast<bool>(blockDevice_); }
    int CurrentPen() const { return pen_; }

    // Deletes every "$*.dx$" file of the temp folder.
    static void DeleteBlockFiles(const DriverSettings& settings);

  private:
    GraphicsWindow& window_;
    const DriverSettings& settings_;
    core::RunStatus& status_;
    bool& abort_;
    int pen_ = 0;
    std::ofstream blockFile_;
    std::unique_ptr<cad::DxfDevice> blockDevice_;
};

}  // namespace trb::graphics
