#pragma once

#include <functional>

#include <QColor>
#include <QFont>
#include <QPoint>

#include "graphics/graphics_window.h"
#include "graphics/replay.h"
#include "text/format_options.h"

class QPainter;

namespace trb::gui {

// Draws replayed display-list commands with a QPainter: the screen canvas, a printer page or
// an image. Texts arrive in code page 850 and are drawn as display text with a transparent
// background.
// The font a replayed text is drawn in: its pixel height, and stretched to its character width.
QFont PixelTextFont(const graphics::PixelText& text);

class PainterCanvas : public graphics::ReplayCanvas {
  public:
    PainterCanvas(QPainter& painter, const text::FormatOptions& format);

    // Run every 50 000 commands after the first (the host lets pending events run).
    void SetYield(std::function<void()> yield) { yield_ = std::move(yield); }

    void SetColor(graphics::Rgb color) override;
    void SetPenStyle(graphics::PenStyle style) override;
    void SetPenWidth(int width) override;
    void MoveTo(graphics::PixelPoint p) override;
    void LineTo(graphics::PixelPoint p) override;
    void Line(graphics::PixelPoint a, graphics::PixelPoint b) override;
    void Ellipse(graphics::PixelPoint topLeft, graphics::PixelPoint bottomRight) override;
    void Arc(graphics::PixelPoint topLeft, graphics::PixelPoint bottomRight, graphics::PixelPoint start,
             graphics::PixelPoint end) override;
    void Polygon(const graphics::PixelPoint (&points)[4]) override;
    void Text(const graphics::PixelText& text) override;
    void Sleep(int ms) override;
    void Yield() override;

  private:
    void ApplyPen();

    QPainter& painter_;
    const text::FormatOptions& format_;
    std::function<void()> yield_;
    QColor color_{Qt::black};
    Qt::PenStyle penStyle_ = Qt::SolidLine;
    int penWidth_ = 1;
    QPoint current_;
    int yields_ = 0;
};

// How one replay paints the screen. (Printouts replay onto the printer with their own placing,
// see drawing_printout.h.)
struct ReplayTargets {
    std::function<void()> yield;
};

// The one replay of a display list onto the screen's QPainter, used by the canvas and the tests.
// The painter's area is first filled with the background colour.
void ReplayOnPainter(graphics::GraphicsWindow& window, QPainter& screen, const text::FormatOptions& format,
                     const ReplayTargets& targets, bool& abort);

QColor ToQColor(graphics::Rgb rgb);

}  // namespace trb::gui
