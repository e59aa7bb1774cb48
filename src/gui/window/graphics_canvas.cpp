#include "gui/window/graphics_canvas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "graphics/view.h"
#include "gui/window/painter_canvas.h"

namespace trb::gui {

namespace {

constexpr real kWheelNotchFactor = 1.2L;

}  // namespace

GraphicsCanvas::GraphicsCanvas(graphics::GraphicsWindow& window, const text::FormatOptions& format,
                               bool& abort, QWidget* parent)
    : QWidget(parent), window_(window), format_(format), abort_(abort) {
    setObjectName("Canvas");
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    window_.SetHost(this);
}

GraphicsCanvas::~GraphicsCanvas() {
    window_.SetHost(nullptr);
    WaitCursor(false);
}

void GraphicsCanvas::WaitCursor(bool wait) {
    if (wait == waiting_) return;
    waiting_ = wait;
    if (wait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void GraphicsCanvas::paintEvent(QPaintEvent*) {
    if (painting_) {
        update();  // a repaint asked for during a long replay comes afterwards
        return;
    }
    painting_ = true;
    WaitCursor(true);
    QPainter painter(this);
    ReplayTargets targets;
    targets.yield = [] { QCoreApplication::processEvents(); };
    ReplayOnPainter(window_, painter, format_, targets, abort_);
    WaitCursor(false);
    ++paintCount_;
    painting_ = false;
}

void GraphicsCanvas::mousePressEvent(QMouseEvent* event) {
    const bool doubleClick = doubleClick_;
    doubleClick_ = false;
    if (event->button() == Qt::RightButton) {
        window_.RightButtonDown();
        return;
    }
    if (event->button() != Qt::LeftButton || doubleClick || bandActive_) return;
    bandActive_ = true;
    bandStart_ = event->position().toPoint();
    if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
    band_->setGeometry(QRect(bandStart_, QSize()));
    band_->show();
}

void GraphicsCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (bandActive_) band_->setGeometry(QRect(bandStart_, event->position().toPoint()).normalized());
}

void GraphicsCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (bandActive_) EndRubberBand(event->position().toPoint());
}

void GraphicsCanvas::EndRubberBand(QPoint end) {
    bandActive_ = false;
    band_->hide();
    window_.RubberBandZoom(bandStart_.x(), bandStart_.y(), end.x(), end.y(), width(), height());
    WaitCursor(false);
}

void GraphicsCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the second press of a double click as this event: it resets the view.
    if (event->button() != Qt::LeftButton) return;
    if (bandActive_) {
        bandActive_ = false;
        band_->hide();
    }
    window_.DoubleClickReset();
}

void GraphicsCanvas::wheelEvent(QWheelEvent* event) {
    // One notch (120 eighths of a degree) zooms by a fifth about the mouse, or by the configured
    // zoom factor when that is larger (the keys' factor is made for many small steps).
    const int steps = event->angleDelta().y();
    if (steps == 0) {
        event->ignore();
        return;
    }
    const real notch = std::max(window_.Settings().zoomFactor, kWheelNotchFactor);
    const real factor = std::pow(notch, static_cast<real>(steps) / 120);
    const QPoint at = event->position().toPoint();
    if (window_.ZoomAt(at.x(), at.y(), width(), height(), factor)) update();
    event->accept();
}

void GraphicsCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    window_.SetDeviceSize(width(), height());
}

int GraphicsCanvas::VirtualKey(int qtKey) {
    namespace keys = graphics::keys;
    switch (qtKey) {
        case Qt::Key_Escape:
            return keys::kEscape;
        case Qt::Key_F5:
            return keys::kF5;
        case Qt::Key_PageUp:
            return keys::kPageUp;
        case Qt::Key_PageDown:
            return keys::kPageDown;
        case Qt::Key_Left:
            return keys::kLeft;
        case Qt::Key_Up:
            return keys::kUp;
        case Qt::Key_Right:
            return keys::kRight;
        case Qt::Key_Down:
            return keys::kDown;
        case Qt::Key_Plus:
            return keys::kAdd;
        case Qt::Key_Minus:
            return keys::kSubtract;
        default:
            return 0;
    }
}

void GraphicsCanvas::keyPressEvent(QKeyEvent* event) {
    const int key = VirtualKey(event->key());
    if (key == 0 || !window_.ProcessKey(key)) {
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

}  // namespace trb::gui
