#include "gui/window/graphics_form.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>

#include "gui/printing/print_state.h"
#include "gui/window/graphics_canvas.h"
#include "gui/window/logo.h"
#include "gui/window/painter_canvas.h"

namespace trb::gui {

namespace {

graphics::Rgb FromColourValue(int bgr) {
    // Colours are stored as 0xBBGGRR.
    return {bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF};
}

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

}  // namespace

graphics::WindowSettings WindowSettingsFrom(const config::ConfigSettings& settings, QSize screen) {
    graphics::WindowSettings w;
    const bool fromScreen = settings.mainClientWidth <= 0 || settings.mainClientHeight <= 0;
    w.deviceWidth = fromScreen ? screen.width() - 9 : settings.mainClientWidth;
    w.deviceHeight = fromScreen ? screen.height() - 91 : settings.mainClientHeight;
    if (settings.zoomFactor > 0) w.zoomFactor = settings.zoomFactor;
    if (settings.panFactor > 0) w.panFraction = settings.panFactor;
    w.textHeightFactor = settings.textHeightFactor;
    w.textWidthFactor = settings.graphicsTextWidthFactor;
    w.fontName = settings.graphicsTextStyle;
    w.fontStyle = settings.graphicsFontStyle;
    w.colorMode = settings.colourGraphics;
    w.background = FromColourValue(settings.backgroundColour);
    return w;
}

TFkorvgra::TFkorvgra(const config::ConfigSettings& settings, bool& abort, QWidget* parent)
    : QMainWindow(parent), settings_(settings), abort_(abort), printing_(std::make_unique<WindowPrinting>()) {
    setObjectName("TFkorvgra");
    canvas_ = new GraphicsCanvas(graphics_, settings_.format, abort_, this);
    setCentralWidget(canvas_);
    ApplySettings();
}

TFkorvgra::~TFkorvgra() = default;

void TFkorvgra::ApplySettings() {
    graphics_.SetSettings(WindowSettingsFrom(settings_, ScreenSize()));
    // The configured resolution sizes the window at start; afterwards the drawing fills the canvas.
    if (canvas_->isVisible()) graphics_.SetDeviceSize(canvas_->width(), canvas_->height());
    canvas_->update();
}

void TFkorvgra::StartGraphics() {
    const graphics::View& view = graphics_.CurrentView();
    canvas_->setMinimumSize(1, 1);
    // The client area is the canvas alone: the menu bar above it and the status bar below it come
    // on top, so that setting the client size later (the settings' OK) finds it as configured.
    int bars = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const auto* status = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (status && status->isVisibleTo(this)) bars += status->sizeHint().height();
    resize(view.deviceWidth + 1, view.deviceHeight + 1 + bars);
    move(0, 0);
}

void TFkorvgra::DrawLogo() {
    printing_->shown = graphics::PrintoutKind::Other;
    graphics_.Clear();
    DrawMakerLogo(graphics_, abort_);
}

QImage TFkorvgra::RenderImage() {
    // The device follows the canvas once it has been laid out; before that it has the configured size.
    const graphics::View& view = graphics_.CurrentView();
    QImage image(QSize(view.deviceWidth, view.deviceHeight), QImage::Format_RGB32);
    QPainter painter(&image);
    bool abort = false;
    ReplayOnPainter(graphics_, painter, settings_.format, {}, abort);
    return image;
}

}  // namespace trb::gui
