#include "graphics/graphics_window.h"

#include <cmath>

#include "graphics/vektor.h"

namespace trb::graphics {

GraphicsWindow::GraphicsWindow(WindowSettings settings) {
    SetSettings(settings);
}

void GraphicsWindow::SetSettings(const WindowSettings& settings) {
    settings_ = settings;
    view_.deviceWidth = settings.deviceWidth > 0 ? settings.deviceWidth : 640;
    view_.deviceHeight = settings.deviceHeight > 0 ? settings.deviceHeight : 480;
}

void GraphicsWindow::Append(Cmd code, std::initializer_list<real> fields, std::string text) {
    DisplayCommand command;
    command.code = static_cast<int>(code);
    std::size_t i = 0;
    for (real f : fields) command.v[i++] = f;
    command.text = std::move(text);
    list_.Append(std::move(command));
}

void GraphicsWindow::SetWindow(bool aspect, bool border, real vx1, real vy1, real vx2, real vy2, real xmin,
                               real ymin, real xmax, real ymax, bool& abort) {
    const real w = static_cast<real>(view_.deviceWidth);
    const real h = static_cast<real>(view_.deviceHeight);
    int left = RoundPixel(vx1 * w), right = RoundPixel(vx2 * w);
    int top = RoundPixel((1 - vy2) * h), bottom = RoundPixel((1 - vy1) * h);
    if (border) {
        ++left;
        ++top;
        --right;
        --bottom;
    }
    Append(Cmd::Window, {static_cast<real>(left), static_cast<real>(top), static_cast<real>(right),
                         static_cast<real>(bottom), xmin, ymin, xmax, ymax});
    view_.left = left;
    view_.top = top;
    view_.right = right;
    view_.bottom = bottom;
    view_.xmin = xmin;
    view_.ymin = ymin;
    view_.xmax = xmax;
    view_.ymax = ymax;
    view_.aspect = aspect;
    if (xmin == xmax || ymin == ymax) {
        abort = true;
        return;
    }
    SetScale(left, top, right, bottom);
}

void GraphicsWindow::Header(real xmin, real ymin, real xmax, real ymax, bool& abort) {
    const real w = static_cast<real>(view_.deviceWidth);
    const real h = static_cast<real>(view_.deviceHeight);
    const real dx = view_.xmax - view_.xmin;
    const real dy = view_.ymax - view_.ymin;
    if (dx != 0 && dy != 0) g_ = (0.75L * w / h * 640 / dx) / (480 / dy);
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

bool GraphicsWindow::RubberBandZoom(int x0, int y0, int x1, int y1, int clientWidth, int clientHeight) {
    ZoomRect zoom;
    const real k = view_.aspect ? g_ : 1;
    if (!graphics::RubberBandZoom(view_.zoom, x0, y0, x1, y1, clientWidth, clientHeight, k, zoom))
        return false;
    SetWaitCursor();
    SetScale(zoom.x1, zoom.y1, zoom.x2, zoom.y2);
    ClearViewPort();
    return true;
}

void GraphicsWindow::RightButtonDown() {
    ResetZoom();
    ClearViewPort();
}

void GraphicsWindow::DoubleClickReset(bool& abort) {
    RestoreLimit(abort);
    ResetZoom();
    ReSetWindow(abort);
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
