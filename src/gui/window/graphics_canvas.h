#pragma once

#include <QPoint>
#include <QWidget>

#include "graphics/graphics_window.h"
#include "text/format_options.h"

class QRubberBand;

namespace trb::gui {

// The drawing area of the graphics window: paints by replaying the display list and turns
// mouse and keys into zoom and pan of the window's zoom rectangle.
class GraphicsCanvas : public QWidget, public graphics::WindowHost {
  public:
    GraphicsCanvas(graphics::GraphicsWindow& window, const text::FormatOptions& format, bool& abort,
                   QWidget* parent = nullptr);
    ~GraphicsCanvas() override;

    void RepaintRequested() override { update(); }
    void WaitCursor(bool wait) override;

    // The virtual key code a Qt key press stands for (0 for keys the window ignores). + and −
    // zoom from the main keyboard as from the keypad.
    static int VirtualKey(int qtKey);

    // Number of completed replays (for tests and measurements).
    int PaintCount() const { return paintCount_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void EndRubberBand(QPoint end);

    graphics::GraphicsWindow& window_;
    const text::FormatOptions& format_;
    bool& abort_;
    QRubberBand* band_ = nullptr;
    QPoint bandStart_;
    bool bandActive_ = false;
    bool doubleClick_ = false;
    bool painting_ = false;
    bool waiting_ = false;
    int paintCount_ = 0;
};

}  // namespace trb::gui
