#include "verify/chart_drawing.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

#include "core/run_status.h"
#include "graphics/cairo_device.h"
#include "graphics/diagram_frame.h"
#include "graphics/driver.h"
#include "graphics/graphics_window.h"
#include "ui/batch_dialogs.h"
#include "ui/launcher.h"

namespace trb::verify {

namespace {

// The pens of the report's charts and the CAD colours they are given, so that every line reads on
// white paper whatever the user's pen setup: blue, red, purple, black, navy, grey for the curves
// (cycling; a curve's reference marks take the pen of the curve before them), the tolerance band in
// maroon, frame, grid, tick labels and legend texts in black.
constexpr std::array<int, 6> kCurvePens = {18, 19, 20, 21, 22, 23};
constexpr std::array<int, 6> kCurveColors = {5, 1, 12, 7, 8, 14};
constexpr int kBandPen = 16;
constexpr int kBandColor = 13;
constexpr int kFramePen = 17;
constexpr int kTextPen = 4;
constexpr int kBlack = 7;

graphics::DriverSettings ChartSettings() {
    graphics::DriverSettings settings;
    for (std::size_t i = 0; i < kCurvePens.size(); ++i)
        settings.cad.penColors[static_cast<std::size_t>(kCurvePens[i] - 16)] = kCurveColors[i];
    settings.cad.penColors[kBandPen - 16] = kBandColor;
    settings.cad.penColors[kFramePen - 16] = kBlack;
    settings.cad.layerColors[kTextPen] = kBlack;
    return settings;
}
constexpr double kPlotX = 18;
constexpr double kPlotY = 14;
constexpr double kPlotWidth = 112;
constexpr double kPlotHeight = 78;
constexpr double kMarkRadius = 0.9;

graphics::DiagramLimits DataLimits(const Chart& chart) {
    double xmin = std::numeric_limits<double>::max(), xmax = -xmin, ymin = xmin, ymax = -xmin;
    for (const Curve& c : chart.curves) {
        for (const auto& [x, y] : c.points) {
            xmin = std::min(xmin, x), xmax = std::max(xmax, x);
            ymin = std::min(ymin, y), ymax = std::max(ymax, y);
        }
    }
    if (chart.band) ymin = std::min(ymin, -*chart.band), ymax = std::max(ymax, *chart.band);
    if (xmin > xmax) xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    return {static_cast<real>(xmin), static_cast<real>(xmax), static_cast<real>(ymin),
            static_cast<real>(ymax)};
}

void DrawCurves(graphics::Driver& driver, graphics::DiagramFrame& frame, const Chart& chart) {
    int pen = 0;
    std::size_t index = 0;
    real legendY = kPlotY + kPlotHeight;
    for (const Curve& c : chart.curves) {
        // Marks share the pen of the curve they belong to, the one drawn just before them.
        if (!c.marks || index == 0) pen = kCurvePens[index++ % kCurvePens.size()];
        driver.CadColor(pen);
        if (c.marks) {
            for (const auto& [x, y] : c.points) {
                const real px = frame.X(static_cast<real>(x)), py = frame.Y(static_cast<real>(y));
                const graphics::Rect area = frame.PlotArea();
                if (px >= area.x1 && px <= area.x2 && py >= area.y1 && py <= area.y2)
                    driver.CadCircle(px, py, kMarkRadius);
            }
        } else if (!c.points.empty()) {
            frame.DiagramMoveTo(static_cast<real>(c.points.front().first),
                                static_cast<real>(c.points.front().second));
            for (const auto& [x, y] : c.points)
                frame.DiagramLineTo(static_cast<real>(x), static_cast<real>(y));
        }
        // The legend: a short line or a mark, then the label.
        const real lx = kPlotX + kPlotWidth + 8;
        if (c.marks) {
            driver.CadCircle(lx + 3, legendY + 0.9L, kMarkRadius);
        } else {
            driver.CadLine(lx, legendY + 0.9L, lx + 6, legendY + 0.9L);
        }
        driver.CadColor(kTextPen);
        driver.CadTextStyle(2, 0, 2.2L, 1.6L);
        driver.CadText(c.label, lx + 8, legendY);
        legendY -= 4.2L;
    }
}

void DrawBand(graphics::Driver& driver, graphics::DiagramFrame& frame, double band) {
    driver.CadColor(kBandPen);
    driver.CadLineStyle(3);
    const graphics::DiagramLimits& l = frame.Limits();
    for (double y : {band, -band}) {
        frame.DiagramMoveTo(l.xmin, static_cast<real>(y));
        frame.DiagramLineTo(l.xmax, static_cast<real>(y));
    }
    driver.CadLineStyle(0);
}

}  // namespace

graphics::PaperDrawing ChartDrawing(const Chart& chart) {
    graphics::GraphicsWindow window;
    std::ostringstream errors;
    ui::BatchDialogs dialogs(errors, true);
    ui::RecordingLauncher launcher;
    core::RunStatus status;
    bool abort = false;
    const graphics::DriverSettings settings = ChartSettings();
    graphics::Driver driver(graphics::DriverContext{window, dialogs, launcher, status, abort}, settings);
    graphics::PaperDrawing drawing;
    driver.UseDevice(graphics::kDevicePdf,
                     std::make_unique<graphics::CairoDevice>(driver.Settings(), status, abort,
                                                             [&drawing](const graphics::PaperDrawing& d) {
                                                                 drawing = d;
                                                                 return true;
                                                             }));
    driver.Device()->Open();
    driver.CadLimits(0, 0, static_cast<real>(kChartWidth), static_cast<real>(kChartHeight));
    driver.CadTables(2);
    driver.CadEntitiesBegin();
    graphics::DiagramFrame frame(driver);
    frame.SetPlotArea(kPlotX, kPlotY, kPlotWidth, kPlotHeight);
    graphics::DiagramFrameRequest request;
    request.xLabel = chart.xLabel;
    request.yLabel = chart.yLabel;
    request.grid = true;
    request.data = DataLimits(chart);
    if (frame.DrawDiagramFrame(request, {}, nullptr, false)) {
        if (chart.band) DrawBand(driver, frame, *chart.band);
        DrawCurves(driver, frame, chart);
    }
    driver.CadEndSection();
    driver.CadClose();
    return drawing;
}

}  // namespace trb::verify
