#pragma once

#include <QImage>
#include <QMainWindow>
#include <memory>

#include "config/settings.h"
#include "graphics/graphics_window.h"

namespace trb::gui {

class GraphicsCanvas;
struct WindowPrinting;

// The window settings of the graphics window from the configuration. A configured resolution of
// 0 or -1 follows the screen: its width - 9 by its height - 91.
graphics::WindowSettings WindowSettingsFrom(const config::ConfigSettings& settings, QSize screen);

// The graphics window: a main window whose central widget is the drawing canvas. Every drawing
// appends to the display list of its GraphicsWindow; the canvas replays the list.
class TFkorvgra : public QMainWindow {
  public:
    TFkorvgra(const config::ConfigSettings& settings, bool& abort, QWidget* parent = nullptr);
    ~TFkorvgra() override;

    graphics::GraphicsWindow& Graphics() { return graphics_; }
    GraphicsCanvas* Canvas() { return canvas_; }

    // Takes the drawing resolution, zoom, pan, fonts and colours from the settings.
    void ApplySettings();
    // Places the window at the top-left corner with a canvas of W + 1 by H + 1 pixels.
    void StartGraphics();
    // The maker's logo as the start picture.
    void DrawLogo();
    // The current drawing replayed into an image of the canvas size.
    QImage RenderImage();
    // The printer, the printout settings and what the window shows, for printing.
    WindowPrinting& Printing() { return *printing_; }

  protected:
    const config::ConfigSettings& settings_;
    bool& abort_;

  private:
    graphics::GraphicsWindow graphics_;
    GraphicsCanvas* canvas_ = nullptr;
    std::unique_ptr<WindowPrinting> printing_;
};

}  // namespace trb::gui
