#include "graphics/graphics_window.h"

#include <cmath>

#include "graphics/vektor.h"

namespace trb::graphics {

GraphicsWindow::GraphicsWindow(WindowSettings settings) {
    SetSettings(settings);
}

void GraphicsWindow::SetSettings(const WindowSettings& settings) {
    settings_ = settings;
    SetDeviceSize(settings.deviceWidth > 0 ? settings.deviceWidth : 640,
                  settings.deviceHeight > 0 ? settings.deviceHeight : 480);
}

void GraphicsWindow::Append(Cmd code, std::initializer_list<real> fields, std::string text) {
    DisplayCommand command;
    command.code = static_cast<int>(code);
    std::size_t i = 0;
    for (real f : fields) command.v[i++] = f;
    command.text = std::move(text);
    list_.Append(std::move(command));
}

GraphicsWindow::Viewport GraphicsWindow::PixelsOf(const ViewportFractions& f) const {
    const real w = static_cast<real>(view_.deviceWidth);
    const real h = static_cast<real>(view_.deviceHeight);
    Viewport v{RoundPixel(f.vx1 * w), RoundPixel((1 - f.vy2) * h), RoundPixel(f.vx2 * w),
               RoundPixel((1 - f.vy1) * h)};
    if (f.border) {
        ++v.left;
        ++v.top;
        --v.right;
        --v.bottom;
    }
    return v;
}

bool GraphicsWindow::SetDeviceSize(int width, int height) {
    if (width < 2 || height < 2) return false;
    if (width == view_.deviceWidth && height == view_.deviceHeight) return false;
    const real oldLeft = static_cast<real>(view_.left), oldTop = static_cast<real>(view_.top);
    const real oldWidth = static_cast<real>(view_.right - view_.left);
    const real oldHeight = static_cast<real>(view_.bottom - view_.top);
    const ZoomRect zoom = view_.zoom;
    const bool whole =
        zoom == ZoomRect{oldLeft, oldTop, static_cast<real>(view_.right), static_cast<real>(view_.bottom)};
    view_.deviceWidth = width;
    view_.deviceHeight = height;
    for (const auto& [index, fractions] : windowCommands_) {
        const Viewport v = PixelsOf(fractions);
        DisplayCommand& command = list_.At(index);
        command.v[0] = v.left;
        command.v[1] = v.top;
        command.v[2] = v.right;
        command.v[3] = v.bottom;
    }
    const Viewport v = PixelsOf(currentFractions_);
    view_.left = v.left;
    view_.top = v.top;
    view_.right = v.right;
    view_.bottom = v.bottom;
    if (whole || oldWidth == 0 || oldHeight == 0) {
        ResetZoom();
    } else {
        // The zoom keeps the same share of the viewport.
        const real kx = static_cast<real>(v.right - v.left) / oldWidth;
        const real ky = static_cast<real>(v.bottom - v.top) / oldHeight;
        SetScale((zoom.x1 - oldLeft) * kx + v.left, (zoom.y1 - oldTop) * ky + v.top,
                 (zoom.x2 - oldLeft) * kx + v.left, (zoom.y2 - oldTop) * ky + v.top);
    }
    if (host_) host_->RepaintRequested();
    return true;
}

void GraphicsWindow::ResetZoom() {
    SetScale(view_.left, view_.top, view_.right, view_.bottom);
}

void GraphicsWindow::SetWindow(bool aspect, bool border, real vx1, real vy1, real vx2, real vy2, real xmin,
                               real ymin, real xmax, real ymax, bool& abort) {
    currentFractions_ = {vx1, vy1, vx2, vy2, border};
    const Viewport v = PixelsOf(currentFractions_);
    windowCommands_.emplace_back(list_.Size(), currentFractions_);
    Append(Cmd::Window, {static_cast<real>(v.left), static_cast<real>(v.top), static_cast<real>(v.right),
                         static_cast<real>(v.bottom), xmin, ymin, xmax, ymax});
    view_.left = v.left;
    view_.top = v.top;
    view_.right = v.right;
    view_.bottom = v.bottom;
    view_.xmin = xmin;
    view_.ymin = ymin;
    view_.xmax = xmax;
    view_.ymax = ymax;
    view_.aspect = aspect;
    if (xmin == xmax || ymin == ymax) {
        abort = true;
        return;
    }
    SetScale(v.left, v.top, v.right, v.bottom);
}

void GraphicsWindow::Header(real xmin, real ymin, real xmax, real ymax, bool& abort) {
    SetWindow(true, true, 0, 0, 1, 1, xmin, ymin, xmax, ymax, abort);
    SetLineStyle(0);
    SaveLimit();
}

void GraphicsWindow::ReSetWindow(bool& abort) {
    SetWindow(false, false, 0, 0, 1, 1, 0, 0, 1, 1, abort);
    ResetZoom();
}

void GraphicsWindow::SaveLimit() {
    savedXmin_ = view_.xmin;
    savedYmin_ = view_.ymin;
    savedXmax_ = view_.xmax;
    savedYmax_ = view_.ymax;
}

void GraphicsWindow::RestoreLimit(bool& abort) {
    SetWindow(true, true, 0, 0, 1, 1, savedXmin_, savedYmin_, savedXmax_, savedYmax_, abort);
}

void GraphicsWindow::SaveViewPort() {
    savedLeft_ = view_.left;
    savedTop_ = view_.top;
    savedRight_ = view_.right;
    savedBottom_ = view_.bottom;
}

void GraphicsWindow::RetrieveViewPort() {
    view_.left = savedLeft_;
    view_.top = savedTop_;
    view_.right = savedRight_;
    view_.bottom = savedBottom_;
}

void GraphicsWindow::Regen(bool& abort) {
    const ZoomRect zoom = view_.zoom;
    RestoreLimit(abort);
    SetWindow(true, true, 0, 0, 1, 1, 0, 0, 1, 1, abort);
    ResetZoom();
    SetScale(zoom.x1, zoom.y1, zoom.x2, zoom.y2);
    ClearViewPort();
}

void GraphicsWindow::Clear() {
    list_.Clear();
    windowCommands_.clear();
    if (host_) host_->RepaintRequested();
}

void GraphicsWindow::ClearViewPort() {
    SetWaitCursor();
    if (host_) host_->RepaintRequested();
}

void GraphicsWindow::SetWaitCursor() {
    if (host_) host_->WaitCursor(true);
}

void GraphicsWindow::SetOldCursor() {
    if (host_) host_->WaitCursor(false);
}

void GraphicsWindow::line(real x1, real y1, real x2, real y2) {
    Append(Cmd::Line, {x1, y1, x2, y2});
}

void GraphicsWindow::circle(real x, real y, real r) {
    Append(Cmd::Circle, {x, y, r});
}

void GraphicsWindow::Arc(real x, real y, real phi1, real phi2, real r) {
    const real xs = x + r * CosDeg(phi1), ys = y + r * SinDeg(phi1);
    const real xe = x + r * CosDeg(phi2), ye = y + r * SinDeg(phi2);
    // An arc of a small sweep is drawn as its chord: start and end would otherwise nearly
    // coincide, which canvases take for a full ellipse. A full turn stays an arc.
    const real sweep = phi2 - phi1;
    real reduced = std::fmod(sweep, 360.0L);
    if (reduced < 0) reduced += 360;
    const bool fullTurn = std::fabs(sweep) >= 360 - 1e-9L;
    if (!fullTurn && reduced < 4) {
        line(xs, ys, xe, ye);
        return;
    }
    Append(Cmd::Arc, {x - r, y - r, x + r, y + r, xs, ys, xe, ye});
}

void GraphicsWindow::Rectangle(real x1, real y1, real x2, real y2) {
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x2, y2, x1, y2);
    line(x1, y2, x1, y1);
}

void GraphicsWindow::Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) {
    Append(Cmd::Solid, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void GraphicsWindow::OutTextXY(std::string_view text, real x, real y) {
    Append(Cmd::Text, {x, y}, std::string(text));
}

void GraphicsWindow::SetTextStyle(int font, real angle, real height, real width) {
    Append(Cmd::TextStyle, {height, width, static_cast<real>(font), angle});
}

void GraphicsWindow::SetColor(int n) {
    if (n < 0 || n > kMaxColor || n == currentColor_) return;
    Append(Cmd::Color, {static_cast<real>(n)});
    currentColor_ = n;
}

void GraphicsWindow::SetSolidColor(Rgb color) {
    Append(Cmd::SolidColor,
           {static_cast<real>(color.red), static_cast<real>(color.green), static_cast<real>(color.blue)});
    currentColor_ = -1;
}

void GraphicsWindow::SetLineStyle(int n) {
    if (n == currentStyle_) return;
    Append(Cmd::LineStyle, {static_cast<real>(n)});
    currentStyle_ = n;
}

void GraphicsWindow::SetLineWidth(int n) {
    if (n == currentWidth_) return;
    Append(Cmd::LineWidth, {static_cast<real>(n)});
    currentWidth_ = n;
}

void GraphicsWindow::SleepMs(int ms) {
    Append(Cmd::Sleep, {static_cast<real>(ms)});
}

void GraphicsWindow::ResetWriteState() {
    currentStyle_ = 99;
    currentWidth_ = 1;
}

real GraphicsWindow::DeviceX(int x, int clientWidth) const {
    if (clientWidth <= 0) return x;
    return static_cast<real>(x) * static_cast<real>(view_.deviceWidth) / static_cast<real>(clientWidth);
}

real GraphicsWindow::DeviceY(int y, int clientHeight) const {
    if (clientHeight <= 0) return y;
    return static_cast<real>(y) * static_cast<real>(view_.deviceHeight) / static_cast<real>(clientHeight);
}

bool GraphicsWindow::RubberBandZoom(int x0, int y0, int x1, int y1, int clientWidth, int clientHeight) {
    if (x0 == x1 || y0 == y1) return false;
    const real wxa = view_.WorldX(DeviceX(x0, clientWidth)), wxb = view_.WorldX(DeviceX(x1, clientWidth));
    const real wya = view_.WorldY(DeviceY(y0, clientHeight)), wyb = view_.WorldY(DeviceY(y1, clientHeight));
    SetWaitCursor();
    const bool changed = view_.ShowWorld(wxa, wya, wxb, wyb);
    ClearViewPort();
    return changed;
}

bool GraphicsWindow::ZoomAt(int x, int y, int clientWidth, int clientHeight, real factor) {
    if (!(factor > 0) || factor == 1) return false;
    const real px = DeviceX(x, clientWidth), py = DeviceY(y, clientHeight);
    const real wx = view_.WorldX(px), wy = view_.WorldY(py);
    const real sx = view_.sx * factor, sy = view_.sy * factor;
    const real vw = static_cast<real>(view_.right - view_.left);
    const real vh = static_cast<real>(view_.bottom - view_.top);
    // Neither deeper than a thousandth of a pixel per world unit of the whole view nor wider than
    // a thousand views: beyond that the drawing is a dot or a blur.
    const real zoomWidth = (view_.zoom.x2 - view_.zoom.x1) / factor;
    if (std::fabs(zoomWidth) < 1e-3L || std::fabs(zoomWidth) > 1000 * vw) return false;
    const real x1 = wx - (px - static_cast<real>(view_.left)) / sx;
    const real y1 = wy - (static_cast<real>(view_.bottom) - py) / sy;
    if (!view_.ShowWorld(x1, y1, x1 + vw / sx, y1 + vh / sy)) return false;
    ClearViewPort();
    return true;
}

void GraphicsWindow::RightButtonDown() {
    ResetZoom();
    ClearViewPort();
}

void GraphicsWindow::DoubleClickReset() {
    ResetZoom();
    ClearViewPort();
}

bool GraphicsWindow::ProcessKey(int key) {
    if (key == keys::kEscape || key == keys::kF5) {
        ClearViewPort();
        ResetZoom();
        return true;
    }
    ZoomRect zoom;
    if (!KeyZoom(view_.zoom, key, settings_.panFraction, settings_.zoomFactor, zoom)) return false;
    ClearViewPort();
    SetScale(zoom.x1, zoom.y1, zoom.x2, zoom.y2);
    return true;
}

bool GetDirection(real angle) {
    return (angle > 45 && angle < 135) || (angle > 225 && angle < 315) || (angle > -135 && angle < -45);
}

}  // namespace trb::graphics
