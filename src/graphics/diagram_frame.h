#pragma once

#include <string>

#include "core/real.h"
#include "graphics/vektor.h"
#include "text/format_options.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::graphics {

class Driver;

enum class AxisScale { Linear, Logarithmic, Angular };

// Axis limits and the step of its ticks and grid lines.
struct AxisLimits {
    real lower = 0;
    real upper = 1;
    real step = 1;
};

// The automatic "nice" limits of an axis from a to b with at most `intervals` steps of 1, 2, 5 or
// 10 times a power of ten. Equal ends (within 1e-5) are widened by 1 on each side first.
AxisLimits NiceAxisLimits(real a, real b, int intervals = 6);

// Limits around a to b (either order) in 4 to 8 steps of 1, 2 or 5 times a power of ten, as near
// to 6 steps as they come (the larger step of two as near); the limits are whole multiples of the
// step. One of the three always fits: a step that needs more than 8 steps covers the range with
// at most 3 steps of the next larger one only if the range spans more than 7 and at most 6 steps. An empty
// range is widened by a tenth of its value (by 1 around 0) each way; a range that is not finite gives 0 to 1.
AxisLimits RoundAxisLimits(real a, real b);

// The four limits a diagram shows, in data units.
struct DiagramLimits {
    real xmin = 0;
    real xmax = 1;
    real ymin = 0;
    real ymax = 1;
};

// The limits as four questions (where no limits form is at hand): shows `limits`, lets the user
// edit the four values and stores them; cancel sets the abort flag and keeps `limits`.
void EditDiagramLimits(ui::Dialogs& dialogs, DiagramLimits& limits, bool& abort);

// The limits form of the window: the four limits around an empty frame and "Calculate", which puts
// back the automatic limits.
class DiagramLimitsEditor {
  public:
    virtual ~DiagramLimitsEditor() = default;
    // Edits `limits` (shown first); false when cancelled, `limits` then unchanged.
    virtual bool EditLimits(DiagramLimits& limits, const DiagramLimits& automatic) = 0;
};

// What a diagram frame shows. Texts are code page 850.
struct DiagramFrameRequest {
    std::string xLabel;
    std::string yLabel;
    std::string title;
    bool grid = true;
    DiagramLimits data;  // the data range the automatic limits are built from
    AxisScale xScale = AxisScale::Linear;
    AxisScale yScale = AxisScale::Linear;
    // Linear axes in 4 to 8 round steps (RoundAxisLimits) instead of the viscosity diagrams' rule.
    bool roundSteps = false;
};

// A diagram's plot area and axes: maps data units to drawing units, draws the frame and the
// curves, which are clipped to the plot area.
class DiagramFrame {
  public:
    explicit DiagramFrame(Driver& driver) : driver_(driver) {}

    void SetPlotArea(real x0, real y0, real width, real height);
    Rect PlotArea() const { return {x0_, y0_, x0_ + width_, y0_ + height_}; }
    const DiagramLimits& Limits() const { return limits_; }
    const AxisLimits& XAxis() const { return xAxis_; }
    const AxisLimits& YAxis() const { return yAxis_; }

    // Data to drawing units.
    real X(real x) const;
    real Y(real y) const;

    // Frame, axes, ticks, labels, grid and title. With `askLimits` the driver's limits form (else
    // the four questions through `dialogs`) opens with the automatic limits first; cancel there sets the
    // abort flag and draws nothing. Returns false when nothing was drawn.
    bool DrawDiagramFrame(const DiagramFrameRequest& request, const text::FormatOptions& format,
                          ui::Dialogs* dialogs, bool askLimits);

    // Pen moves in data units; lines are clipped to the plot area.
    void DiagramMoveTo(real x, real y);
    void DiagramLineTo(real x, real y);

  private:
    AxisLimits AutomaticAxis(real a, real b, AxisScale scale, bool roundSteps) const;
    void DrawXAxis(const DiagramFrameRequest& request, const text::FormatOptions& format);
    void DrawYAxis(const DiagramFrameRequest& request, const text::FormatOptions& format);
    void DrawTitle(const std::string& title);
    real Map(real v, real lower, real upper, AxisScale scale) const;

    Driver& driver_;
    real x0_ = 10, y0_ = 12, width_ = 100, height_ = 100;
    DiagramLimits limits_;
    AxisLimits xAxis_, yAxis_;
    AxisScale xScale_ = AxisScale::Linear, yScale_ = AxisScale::Linear;
    real currentX_ = 0, currentY_ = 0;
};

}  // namespace trb::graphics
