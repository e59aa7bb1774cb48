#include "gui/window/painter_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

#include "text/cp850.h"

namespace trb::gui {

namespace {

QPoint Q(graphics::PixelPoint p) {
    return {p.x, p.y};
}

// The angle (degrees, counter-clockwise on screen) of the ray from the box centre through p,
// measured on the ellipse's own unit circle as QPainter's arcs are.
double RayAngle(const QRectF& box, graphics::PixelPoint p) {
    const double rx = std::max(box.width() / 2, 1e-9);
    const double ry = std::max(box.height() / 2, 1e-9);
    const double dx = (p.x - box.center().x()) / rx;
    const double dy = (box.center().y() - p.y) / ry;
    return std::atan2(dy, dx) * 180 / std::numbers::pi;
}

}  // namespace

QColor ToQColor(graphics::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

PainterCanvas::PainterCanvas(QPainter& painter, const text::FormatOptions& format)
    : painter_(painter), format_(format) {
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    ApplyPen();
}

void PainterCanvas::ApplyPen() {
    QPen pen(color_);
    pen.setStyle(penStyle_);
    pen.setWidth(penWidth_);
    painter_.setPen(pen);
}

void PainterCanvas::SetColor(graphics::Rgb color) {
    color_ = ToQColor(color);
    ApplyPen();
}

void PainterCanvas::SetPenStyle(graphics::PenStyle style) {
    switch (style) {
        case graphics::PenStyle::Dotted:
            penStyle_ = Qt::DotLine;
            break;
        case graphics::PenStyle::DashDot:
            penStyle_ = Qt::DashDotLine;
            break;
        case graphics::PenStyle::Dashed:
            penStyle_ = Qt::DashLine;
            break;
        default:
            penStyle_ = Qt::SolidLine;
    }
    ApplyPen();
}

void PainterCanvas::SetPenWidth(int width) {
    penWidth_ = std::max(width, 0);
    ApplyPen();
}

void PainterCanvas::MoveTo(graphics::PixelPoint p) {
    current_ = Q(p);
}

void PainterCanvas::LineTo(graphics::PixelPoint p) {
    painter_.drawLine(current_, Q(p));
    current_ = Q(p);
}

void PainterCanvas::Line(graphics::PixelPoint a, graphics::PixelPoint b) {
    painter_.drawLine(Q(a), Q(b));
}

void PainterCanvas::Ellipse(graphics::PixelPoint topLeft, graphics::PixelPoint bottomRight) {
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QRectF(QPointF(Q(topLeft)), QPointF(Q(bottomRight))).normalized());
}

void PainterCanvas::Arc(graphics::PixelPoint topLeft, graphics::PixelPoint bottomRight,
                        graphics::PixelPoint start, graphics::PixelPoint end) {
    const QRectF box = QRectF(QPointF(Q(topLeft)), QPointF(Q(bottomRight))).normalized();
    const double from = RayAngle(box, start);
    double span = RayAngle(box, end) - from;
    while (span <= 0) span += 360;
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(box, static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16)));
}

void PainterCanvas::Polygon(const graphics::PixelPoint (&points)[4]) {
    QPolygon polygon;
    for (const auto& p : points) polygon << Q(p);
    painter_.setBrush(color_);
    painter_.drawPolygon(polygon);
    painter_.setBrush(Qt::NoBrush);
}

QFont PixelTextFont(const graphics::PixelText& text) {
    QFont font(QString::fromStdString(text.fontName));
    font.setPixelSize(text.height);
    font.setWeight(text.bold ? QFont::Bold : QFont::Thin);
    font.setItalic(text.italic);
    font.setUnderline(text.underline);
    font.setStrikeOut(text.strikeOut);
    if (text.width > 0) {
        // The cell width asks for the average character width; Qt stretches in percent.
        const int natural = std::max(QFontMetrics(font).averageCharWidth(), 1);
        font.setStretch(std::clamp(text.width * 100 / natural, 1, 4000));
    }
    return font;
}

void PainterCanvas::Text(const graphics::PixelText& text) {
    if (text.height <= 0) return;
    const QFont font = PixelTextFont(text);
    painter_.save();
    painter_.setFont(font);
    if (!text.keepColor) painter_.setPen(ToQColor(text.color));
    painter_.translate(text.origin.x, text.origin.y);
    painter_.rotate(-text.escapement / 10.0);
    painter_.drawText(QPointF(0, QFontMetrics(font).ascent()),
                      QString::fromStdString(text::OemToDisplay(text.text, format_)));
    painter_.restore();
}

void PainterCanvas::Sleep(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 10000)));
}

void PainterCanvas::Yield() {
    // The first call comes with the first command; pending events only matter in long lists.
    if (yields_++ > 0 && yield_) yield_();
}

void ReplayOnPainter(graphics::GraphicsWindow& window, QPainter& screen, const text::FormatOptions& format,
                     const ReplayTargets& targets, bool& abort) {
    screen.save();
    const QRect area = screen.viewport();
    screen.fillRect(area, ToQColor(window.Settings().background));
    PainterCanvas screenCanvas(screen, format);
    screenCanvas.SetYield(targets.yield);
    graphics::Replay(window, screenCanvas, nullptr, abort);
    screen.restore();
}

}  // namespace trb::gui
