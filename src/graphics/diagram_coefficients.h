#pragma once

#include <vector>

#include "core/operating_sweep.h"
#include "film/case_film.h"
#include "graphics/drawing_data.h"
#include "graphics/vektor.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::graphics {

class Driver;

// The film of one point of an operating sweep at the mean clearance: its coefficients in Lund's form
// and the rotor's stability, or that the film has no result there.
struct CoefficientPoint {
    real value = 0;  // the swept value, as the sweep holds it
    bool failed = true;
    film::DynamicCoefficients coefficients;
    film::CaseStability stability;
};

struct CoefficientSweep {
    core::SweepRange range;
    std::vector<CoefficientPoint> points;
};

// The film at every point of `sweep` (each point's own run at the mean clearance, heat balance
// included). `progress` is told the share done and may stop the work: the points not solved then count
// as failed, and `stopped` says so.
CoefficientSweep SolveCoefficientSweep(const core::OperatingSweep& sweep, const film::Progress& progress = {},
                                       bool* stopped = nullptr);

// The sheet of the coefficient charts: 297 by 210.
Rect CoefficientChartLimits();

// The charts into an opened driver, from the limits to the end of the entity section: the four
// stiffness and the four damping coefficients over the swept quantity, the critical mass parameter
// beside the rotor's own, each with a gap and a mark on the axis where the film failed, and a legend.
void WriteCoefficientCharts(Driver& driver, const DrawingData& data, const CoefficientSweep& sweep);

// The whole drawing on a device (0 asks).
void DrawCoefficientCharts(Driver& driver, const DrawingData& data, const CoefficientSweep& sweep,
                           int device);

}  // namespace trb::graphics
