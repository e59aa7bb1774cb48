#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/real.h"
#include "graphics/display_list.h"
#include "graphics/palette.h"
#include "graphics/view.h"

namespace trb::graphics {

// What the window takes from the configuration.
struct WindowSettings {
    int deviceWidth = 640;  // configured drawing resolution (already resolved from the screen size)
    int deviceHeight = 480;
    real zoomFactor = 1.2L;
    real panFraction = 0.1L;
    real textHeightFactor = 1;
    real textWidthFactor = 1;
    std::string fontName = "Arial";
    int fontStyle = 0;  // bit 1 bold, 2 italic, 4 underline, 8 strike-out
    bool colorMode = true;
    Rgb background{255, 255, 255};
};

// What the window asks of its host (the canvas in the desktop window); all optional.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    virtual void RepaintRequested() {}
    virtual void WaitCursor(bool /*wait*/) {}
};

// The graphics window's drawing state: the display list every drawing appends to, the world
// window and viewport, the zoom rectangle with its mouse and key handling, and the colour, style
// and width suppression while the list is written. Painting is the host's business: it replays
// the list (see replay.h) whenever a repaint was requested.
class GraphicsWindow {
  public:
    explicit GraphicsWindow(WindowSettings settings = {});

    void SetHost(WindowHost* host) { host_ = host; }
    const WindowSettings& Settings() const { return settings_; }
    void SetSettings(const WindowSettings& settings);

    const DisplayList& List() const { return list_; }
    const View& CurrentView() const { return view_; }
    View& MutableView() { return view_; }

    // The device follows the drawing area: the window commands of the list and the current
    // viewport are recomputed for the new size (from the fractions they were given as), and a
    // zoom keeps its place. Sizes below 2 pixels are ignored. True when the size changed.
    bool SetDeviceSize(int width, int height);

    // Windows and zoom. The functions that may meet an empty world window set `abort`.
    void SetWindow(bool aspect, bool border, real vx1, real vy1, real vx2, real vy2, real xmin, real ymin,
                   real xmax, real ymax, bool& abort);
    void Header(real xmin, real ymin, real xmax, real ymax, bool& abort);
    void SetScale(real px1, real py1, real px2, real py2) { view_.SetScale(px1, py1, px2, py2); }
    void ResetZoom();
    void ReSetWindow(bool& abort);
    void SaveLimit();
    void RestoreLimit(bool& abort);
    void SaveViewPort();
    void RetrieveViewPort();
    void Regen(bool& abort);

    void Clear();
    void ClearViewPort();
    void SetWaitCursor();
    void SetOldCursor();

    // Drawing commands appended to the display list.
    void line(real x1, real y1, real x2, real y2);
    void circle(real x, real y, real r);
    void Arc(real x, real y, real phi1, real phi2, real r);
    void Rectangle(real x1, real y1, real x2, real y2);
    void Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4);
    void OutTextXY(std::string_view text, real x, real y);
    void SetTextStyle(int font, real angle, real height, real width);
    void SetColor(int n);
    void SetColorAcad(int cadColor) { SetColor(GetColorTurbo(cadColor)); }
    // The colour of the solids that follow; the next SetColor is always written after it.
    void SetSolidColor(Rgb color);
    int GetColor() const { return currentColor_; }
    void SetLineStyle(int n);
    void SetLineStyleName(std::string_view name) { SetLineStyle(LineStyleFromName(name)); }
    void SetLineWidth(int n);
    void SleepMs(int ms);
    void SetTextSizeMode(int n) { textSizeMode_ = n; }
    int TextSizeMode() const { return textSizeMode_; }

    // A fraction of the world window as a world length.
    real EinX(real f) const { return f * (view_.xmax - view_.xmin); }
    real EinY(real f) const { return f * (view_.ymax - view_.ymin); }

    // Mouse and keys (client pixels, y downward). Each returns true when the view changed.
    // The rubber band shows the marked area as large as the viewport allows, centred.
    bool RubberBandZoom(int x0, int y0, int x1, int y1, int clientWidth, int clientHeight);
    // Zooms by `factor` (above 1 in, below 1 out) keeping the world point under (x, y) in place.
    bool ZoomAt(int x, int y, int clientWidth, int clientHeight, real factor);
    void RightButtonDown();
    // The whole drawing again, like Esc.
    void DoubleClickReset();
    bool ProcessKey(int key);

    // The replay resets the suppression state so that the next style and width always append.
    void ResetWriteState();

  private:
    void Append(Cmd code, std::initializer_list<real> fields, std::string text = {});
    // A viewport given as fractions of the device (vy upward), as SetWindow takes it.
    struct ViewportFractions {
        real vx1 = 0, vy1 = 0, vx2 = 1, vy2 = 1;
        bool border = false;
    };
    struct Viewport {
        int left, top, right, bottom;
    };
    Viewport PixelsOf(const ViewportFractions& f) const;
    // Client pixels to device pixels (the same unless the host has not passed a resize yet).
    real DeviceX(int x, int clientWidth) const;
    real DeviceY(int y, int clientHeight) const;

    WindowSettings settings_;
    WindowHost* host_ = nullptr;
    DisplayList list_;
    View view_;
    int savedLeft_ = 0, savedTop_ = 0, savedRight_ = 1, savedBottom_ = 1;
    real savedXmin_ = 0, savedYmin_ = 0, savedXmax_ = 1, savedYmax_ = 1;
    ViewportFractions currentFractions_;
    // The window commands of the list: index and fractions, to recompute them for a new size.
    std::vector<std::pair<std::size_t, ViewportFractions>> windowCommands_;
    int currentColor_ = -1;
    int currentStyle_ = 99;
    int currentWidth_ = 1;
    int textSizeMode_ = 0;
};

// True when text at this angle (degrees) runs mainly vertically.
bool GetDirection(real angle);

}  // namespace trb::graphics
