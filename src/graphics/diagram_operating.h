#pragma once

#include <optional>

#include "core/operating_sweep.h"
#include "core/thresholds.h"
#include "graphics/drawing_data.h"
#include "graphics/vektor.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::graphics {

class Driver;

// The operating charts over the swept quantity: every chart on one sheet, or one of them.
enum class OperatingChart : int {
    All = 0,
    FilmThickness = 1,  // h0 with the limit h0 lim
    Temperatures = 2,   // teff and t2 (convection: tB) with the limit tB lim
    Friction = 3,       // µ
    FrictionPower = 4,  // P0
    Flow = 5,           // Q
    // The film's stiffness, damping and stability at the mean clearance (DrawCoefficientCharts): not on
    // the sheet of every chart.
    Coefficients = 6,
};
inline constexpr int kOperatingChartCount = 5;  // the charts of the sheet of every chart

struct OperatingChartOptions {
    OperatingChart chart = OperatingChart::All;
    // The limits dialog of the diagram frame opens for a single chart on outputs other than the
    // screen.
    bool askLimits = false;
    // The case's thresholds, when known: where the swept input makes the film reach h0lim or the
    // bearing tblim, each clearance's crossing is marked by a circle on the limit line.
    const core::Thresholds* thresholds = nullptr;
};

// The sheet: 297 by 210 for every chart, 200 by 120 for one.
Rect OperatingChartLimits(OperatingChart chart);

// The swept value at which the film of one clearance reaches its limit h0 lim (the transition to
// mixed friction): linear between the neighbouring points that did not fail, the first crossing in
// the range; nothing when the film does not cross the limit there.
std::optional<real> TransitionValue(const core::OperatingSweep& sweep, core::Clearance clearance, real h0lim);

// The charts into an opened driver, from the limits to the end of the entity section: three curves
// per chart (smallest, mean and largest clearance) that leave a gap at failed points, the limit
// lines, the transition to mixed friction of each clearance, the thresholds' crossings when given,
// and a legend.
void WriteOperatingCharts(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data,
                          const core::OperatingSweep& sweep, const OperatingChartOptions& options);

// The whole drawing on a device (0 asks).
void DrawOperatingCharts(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data,
                         const core::OperatingSweep& sweep, int device, const OperatingChartOptions& options);

}  // namespace trb::graphics
