#include "graphics/screen_device.h"

#include <filesystem>

#include "graphics/block_replay.h"
#include "graphics/pen_look.h"
#include "ui/dialogs.h"

namespace trb::graphics {

bool CheckDrawingFile(const std::string& name, ui::Dialogs& dialogs, bool& abort) {
    if (std::ifstream(name)) return true;
    dialogs.ShowNoteBox(name + " nicht gefunden !");
    abort = true;
    return false;
}

std::string BlockFileName(std::string_view name) {
    std::string file = "$";
    for (char c : name) file += (c == '/' || c == '\\') ? '_' : c;
    return file + ".dx$";
}

ScreenDevice::ScreenDevice(GraphicsWindow& window, const DriverSettings& settings, core::RunStatus& status,
                           bool& abort)
    : window_(window), settings_(settings), status_(status), abort_(abort) {}

ScreenDevice::~ScreenDevice() = default;

void ScreenDevice::Open() {
    window_.Clear();
    window_.SetWaitCursor();
}

void ScreenDevice::Limits(real xmin, real ymin, real xmax, real ymax) {
    window_.Header(xmin, ymin, xmax, ymax, abort_);
}

bool ScreenDevice::BlockBegin(std::string_view name) {
    blockDevice_.reset();
    blockFile_ = std::ofstream(TempPath(settings_, BlockFileName(name)), std::ios::trunc);
    if (!blockFile_) return false;
    // The block file is read back only by the screen, which converts code page 850 texts itself:
    // the texts stay as stored, whatever the CAD text mode of real DXF files is.
    cad::CadSettings blockSettings = settings_.cad;
    blockSettings.format.cadTextMode = 1;
    blockDevice_ = std::make_unique<cad::DxfDevice>(blockFile_, blockSettings, false);
    blockDevice_->Pen(pen_);
    return true;
}

void ScreenDevice::BlockEnd() {
    if (!blockDevice_) return;
    blockDevice_->Close();  // "  0", "EOF"
    blockDevice_.reset();
    blockFile_.close();
}

void ScreenDevice::EntitiesBegin() {
    window_.ClearViewPort();
    window_.SetLineStyle(0);
}

void ScreenDevice::Pen(int n) {
    pen_ = n;
    if (blockDevice_) {
        blockDevice_->Pen(n);
    } else {
        WindowPen(n);
    }
}

void ScreenDevice::WindowPen(int n) {
    const PenLook look = LookOfPen(n, settings_);
    if (look.lineStyle) window_.SetLineStyle(*look.lineStyle);
    if (look.cadColor) window_.SetColorAcad(*look.cadColor);
    window_.SetLineWidth(look.width);
}

void ScreenDevice::LineStyle(int n) {
    if (!blockDevice_) window_.SetLineStyle(n);
}

void ScreenDevice::TextStyle(int font, real angle, real height, real width) {
    if (!blockDevice_) window_.SetTextStyle(font, angle, height, 0.95L * width);
}

void ScreenDevice::Line(real x1, real y1, real x2, real y2) {
    if (blockDevice_) {
        blockDevice_->Line(x1, y1, x2, y2);
    } else {
        window_.line(x1, y1, x2, y2);
    }
}

void ScreenDevice::Circle(real x, real y, real r) {
    if (blockDevice_) {
        blockDevice_->Circle(x, y, r);
    } else {
        window_.circle(x, y, r);
    }
}

void ScreenDevice::Arc(real x, real y, real phi1, real phi2, real r) {
    if (r == 0) return;
    if (blockDevice_) {
        blockDevice_->Arc(x, y, phi1, phi2, r);
    } else {
        window_.Arc(x, y, phi1, phi2, r);
    }
}

void ScreenDevice::Text(std::string_view text, real x, real y, const cad::TextStyle& style) {
    if (text.empty()) return;
    if (blockDevice_) {
        blockDevice_->Text(text, x, y, style);
    } else {
        window_.OutTextXY(text, x, y);
    }
}

void ScreenDevice::Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) {
    if (blockDevice_) {
        blockDevice_->Solid(x1, y1, x2, y2, x3, y3, x4, y4);
    } else {
        window_.Solid(x1, y1, x2, y2, x3, y3, x4, y4);
    }
}

void ScreenDevice::SolidColor(int red, int green, int blue) {
    if (blockDevice_) {
        blockDevice_->SolidColor(red, green, blue);
    } else {
        window_.SetSolidColor({red, green, blue});
    }
}

void ScreenDevice::Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) {
    if (blockDevice_) {
        blockDevice_->Insert(name, xscale, yscale, angle, x, y);
        return;
    }
    BlockReplay replay(window_, *this, settings_, status_, abort_);
    replay.Insert(name, xscale, yscale, angle, x, y);
}

void ScreenDevice::Close() {
    BlockEnd();
    window_.ClearViewPort();
    window_.SetOldCursor();
    DeleteBlockFiles(settings_);
}

void ScreenDevice::DeleteBlockFiles(const DriverSettings& settings) {
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string folder = TempPath(settings, "");
    if (folder.empty()) return;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= 5 && name.front() == '$' && name.ends_with(".dx$") && it->is_regular_file(error)) {
            fs::remove(it->path(), error);
        }
    }
}

}  // namespace trb::graphics
