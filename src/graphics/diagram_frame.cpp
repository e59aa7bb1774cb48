#include "graphics/diagram_frame.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "graphics/driver.h"
#include "graphics/vektor.h"
#include "text/format.h"
#include "ui/dialogs.h"
#include "ui/help_numbers.h"

namespace trb::graphics {

namespace {

constexpr real kTickLabelHeight = 2.3L;
constexpr real kTickLabelWidth = 1.9L;
constexpr real kAxisOverhang = 0.06L;  // the axes run this share beyond the plot area
constexpr real kLargest = 1e30L;

// Number of steps from lower to upper, rounded (the limits are whole multiples of the step).
int StepCount(const AxisLimits& axis) {
    if (axis.step <= 0) return 0;
    const real n = std::round((axis.upper - axis.lower) / axis.step);
    return n > 0 && n < 1000 ? static_cast<int>(n) : 0;
}

real Log10(real v) {
    return std::log10(std::max(v, std::numeric_limits<real>::min()));
}

}  // namespace

AxisLimits NiceAxisLimits(real a, real b, int intervals) {
    if (std::abs(a - b) < 1e-5L) {
        a -= 1;
        b += 1;
    }
    if (intervals < 1) intervals = 1;
    b -= (b - a) * 1e-5L;
    const real e = (b - a) / intervals;
    const real f = std::pow(10.0L, std::trunc(std::log10(std::abs(e))));
    const real g = std::abs(e) / f;
    real step = f * 10;
    if (g < 1.5L) {
        step = f;
    } else if (g < 3) {
        step = f * 2;
    } else if (g < 8) {
        step = f * 5;
    }
    AxisLimits axis;
    axis.step = step;
    axis.upper = (std::trunc(b / step) + 1) * step;
    // Truncating toward zero would put the lower limit above negative data.
    axis.lower = a < 0 ? std::floor(a / step) * step : std::trunc(a / step) * step;
    return axis;
}

namespace {

// The axis from a to b with its limits on whole steps; a rounding error of the division never
// adds a step.
AxisLimits OnWholeSteps(real a, real b, real step) {
    constexpr real kSlack = 1e-9L;
    return {std::floor(a / step + kSlack) * step, std::ceil(b / step - kSlack) * step, step};
}

}  // namespace

AxisLimits RoundAxisLimits(real a, real b) {
    if (!std::isfinite(a) || !std::isfinite(b)) return {0, 1, 0.2L};
    if (a > b) std::swap(a, b);
    const real size = std::max(std::abs(a), std::abs(b));
    if (b - a <= size * 1e-12L) {
        const real widen = size > 0 ? size / 10 : 1;
        a -= widen;
        b += widen;
    }
    constexpr int kFewest = 4, kMost = 8, kBest = 6;
    const int decade = static_cast<int>(std::floor(std::log10(b - a)));
    AxisLimits best{a, b, 0};
    real bestScore = 0;
    // A range of 10^decade to 10^(decade + 1) takes 4 to 8 steps only of 10^(decade - 1) to 5·10^decade.
    for (int k = decade - 1; k <= decade; ++k) {
        for (const real mantissa : {1.0L, 2.0L, 5.0L}) {
            const AxisLimits axis = OnWholeSteps(a, b, mantissa * std::pow(10.0L, static_cast<real>(k)));
            const real steps = std::round((axis.upper - axis.lower) / axis.step);
            if (steps < kFewest || steps > kMost) continue;
            const real score = std::abs(steps - kBest);
            // Of two as near to 6 steps, the larger step.
            if (best.step == 0 || score <= bestScore) {
                best = axis;
                bestScore = score;
            }
        }
    }
    return best;
}

void EditDiagramLimits(ui::Dialogs& dialogs, DiagramLimits& limits, bool& abort) {
    DiagramLimits edited = limits;
    dialogs.SetHelpNumber(help::kHelpDiagramLimits);
    const struct {
        const char* prompt;
        real* value;
    } fields[] = {
        {"ymax", &edited.ymax}, {"ymin", &edited.ymin}, {"xmin", &edited.xmin}, {"xmax", &edited.xmax}};
    for (const auto& field : fields) {
        dialogs.AskReal(field.prompt, *field.value, kLargest, -kLargest, abort);
        if (abort) return;
    }
    limits = edited;
}

void DiagramFrame::SetPlotArea(real x0, real y0, real width, real height) {
    x0_ = x0;
    y0_ = y0;
    width_ = width;
    height_ = height;
}

real DiagramFrame::Map(real v, real lower, real upper, AxisScale scale) const {
    if (scale == AxisScale::Logarithmic) {
        v = Log10(v);
        lower = Log10(lower);
        upper = Log10(upper);
    }
    return upper != lower ? (v - lower) / (upper - lower) : 0;
}

real DiagramFrame::X(real x) const {
    return Map(x, limits_.xmin, limits_.xmax, xScale_) * width_ + x0_;
}

real DiagramFrame::Y(real y) const {
    return Map(y, limits_.ymin, limits_.ymax, yScale_) * height_ + y0_;
}

AxisLimits DiagramFrame::AutomaticAxis(real a, real b, AxisScale scale, bool roundSteps) const {
    switch (scale) {
        case AxisScale::Angular: {
            AxisLimits axis = NiceAxisLimits(a, b);
            axis.lower = a;
            axis.upper = b;
            return axis;
        }
        case AxisScale::Logarithmic: {
            // The rule works on the decades; the limits are powers of the step.
            AxisLimits exponents = NiceAxisLimits(Log10(a), Log10(b));
            exponents.step = std::max(exponents.step, 1.0L);
            exponents.lower = std::floor(exponents.lower);
            exponents.upper = std::ceil(exponents.upper);
            return exponents;
        }
        case AxisScale::Linear:
            break;
    }
    return roundSteps ? RoundAxisLimits(a, b) : NiceAxisLimits(a, b);
}

bool DiagramFrame::DrawDiagramFrame(const DiagramFrameRequest& request, const text::FormatOptions& format,
                                    ui::Dialogs* dialogs, bool askLimits) {
    xScale_ = request.xScale;
    yScale_ = request.yScale;
    xAxis_ = AutomaticAxis(request.data.xmin, request.data.xmax, xScale_, request.roundSteps);
    yAxis_ = AutomaticAxis(request.data.ymin, request.data.ymax, yScale_, request.roundSteps);
    const auto value = [](AxisScale scale, real v) {
        return scale == AxisScale::Logarithmic ? std::pow(10.0L, v) : v;
    };
    limits_ = {value(xScale_, xAxis_.lower), value(xScale_, xAxis_.upper), value(yScale_, yAxis_.lower),
               value(yScale_, yAxis_.upper)};
    DiagramLimitsEditor* editor = driver_.LimitsEditor();
    if (askLimits && (editor || dialogs)) {
        if (editor) {
            const DiagramLimits automatic = limits_;
            if (!editor->EditLimits(limits_, automatic)) driver_.Abort() = true;
        } else {
            EditDiagramLimits(*dialogs, limits_, driver_.Abort());
        }
        if (driver_.Abort()) return false;
        // The user's limits stand as typed; ticks keep the rule's step for them.
        const auto step = [&request](real a, real b) {
            return request.roundSteps ? RoundAxisLimits(a, b).step : NiceAxisLimits(a, b).step;
        };
        if (xScale_ == AxisScale::Linear)
            xAxis_ = {limits_.xmin, limits_.xmax, step(limits_.xmin, limits_.xmax)};
        if (yScale_ == AxisScale::Linear)
            yAxis_ = {limits_.ymin, limits_.ymax, step(limits_.ymin, limits_.ymax)};
    }
    DrawTitle(request.title);
    driver_.CadColor(17);
    driver_.CadRectangle(x0_, y0_, x0_ + width_, y0_ + height_);
    DrawXAxis(request, format);
    DrawYAxis(request, format);
    return true;
}

void DiagramFrame::DrawTitle(const std::string& title) {
    driver_.CadColor(4);
    driver_.CadTextStyle(2, 0, 3.5L, 2.5L);
    const real length = static_cast<real>(title.size()) * 3.5L;
    const real x = std::max(x0_ + width_ / 2 - length / 2, driver_.Xmin() + 1);
    driver_.CadText(title, x, y0_ + height_ + 3);
}

void DiagramFrame::DrawXAxis(const DiagramFrameRequest& request, const text::FormatOptions& format) {
    const real end = x0_ + width_ * (1 + kAxisOverhang);
    const real dimensionFactor = driver_.Settings().dimensionFactor;
    driver_.CadSymbolScale(0.04L * width_ / 3.5L / (dimensionFactor != 0 ? dimensionFactor : 1));
    driver_.CadLine(x0_, y0_, end, y0_);
    driver_.CadArrow(180, end, y0_);
    const real tick = 0.01L * height_;
    driver_.CadTextStyle(2, 0, kTickLabelHeight, kTickLabelWidth);
    const real charWidth = kTickLabelHeight * driver_.TextStyle().widthFactor;
    const int steps = StepCount(xAxis_);
    for (int i = 0; i <= steps; ++i) {
        const real v = xAxis_.lower + i * xAxis_.step;
        const real shown = xScale_ == AxisScale::Logarithmic ? std::pow(10.0L, v) : v;
        const real x = X(shown);
        driver_.CadLine(x, y0_, x, y0_ - tick);
        if (request.grid && i > 0 && i < steps) driver_.CadLine(x, y0_, x, y0_ + height_);
        const std::string label = text::FormatShort(shown, format);
        driver_.CadText(label, x - static_cast<real>(label.size()) * charWidth / 2,
                        y0_ - tick - kTickLabelHeight - 0.8L);
    }
    const real labelLength = static_cast<real>(request.xLabel.size()) * charWidth;
    driver_.CadText(request.xLabel, x0_ + width_ - labelLength, y0_ - tick - 2 * kTickLabelHeight - 3);
}

void DiagramFrame::DrawYAxis(const DiagramFrameRequest& request, const text::FormatOptions& format) {
    const real end = y0_ + height_ * (1 + kAxisOverhang);
    const real dimensionFactor = driver_.Settings().dimensionFactor;
    driver_.CadSymbolScale(0.04L * height_ / 3.5L / (dimensionFactor != 0 ? dimensionFactor : 1));
    driver_.CadLine(x0_, y0_, x0_, end);
    driver_.CadArrow(270, x0_, end);
    const real tick = 0.01L * width_;
    driver_.CadTextStyle(2, 0, kTickLabelHeight, kTickLabelWidth);
    const real charWidth = kTickLabelHeight * driver_.TextStyle().widthFactor;
    const int steps = StepCount(yAxis_);
    for (int i = 0; i <= steps; ++i) {
        const real v = yAxis_.lower + i * yAxis_.step;
        const real shown = yScale_ == AxisScale::Logarithmic ? std::pow(10.0L, v) : v;
        const real y = Y(shown);
        driver_.CadLine(x0_, y, x0_ - tick, y);
        if (request.grid && i > 0 && i < steps) driver_.CadLine(x0_, y, x0_ + width_, y);
        const std::string label = text::FormatShort(shown, format);
        driver_.CadText(label, x0_ - tick - 0.8L - static_cast<real>(label.size()) * charWidth,
                        y - kTickLabelHeight / 2);
    }
    driver_.CadText(request.yLabel, x0_ + 2.5L, y0_ + height_ + 3);
}

void DiagramFrame::DiagramMoveTo(real x, real y) {
    currentX_ = x;
    currentY_ = y;
}

void DiagramFrame::DiagramLineTo(real x, real y) {
    const Segment segment{{X(currentX_), Y(currentY_)}, {X(x), Y(y)}};
    if (const auto inside = ClipSegment(segment, PlotArea())) {
        driver_.CadLine(inside->a.x, inside->a.y, inside->b.x, inside->b.y);
    }
    currentX_ = x;
    currentY_ = y;
}

}  // namespace trb::graphics
