#pragma once

#include <vector>

#include "graphics/palette.h"
#include "graphics/vektor.h"

// The pieces of a colour map of a field on a grid: the field resampled onto nodes that cover the
// whole circumference, the colour ramp, the contour lines by marching squares, and lines clipped
// to a rectangle.
namespace trb::graphics {

// Values on the nodes of a rectangular grid: column i (x), row k (y) at i · rows + k.
struct NodeField {
    int columns = 0;
    int rows = 0;
    std::vector<double> values;

    double At(int column, int row) const {
        return values[static_cast<std::size_t>(column) * static_cast<std::size_t>(rows) +
                      static_cast<std::size_t>(row)];
    }
};

// A field given at the columns' angles (degrees, ascending within one turn, a periodic field),
// resampled linearly onto `columns` + 1 columns at 0, 360/columns, …, 360 (the last equals the
// first), so that a map of it spans 0° to 360° exactly. Empty when the input does not fit.
NodeField ResampleRound(const std::vector<double>& angles, int rows, const std::vector<double>& values,
                        int columns);

// The colour of a fraction 0..1 of the highest value: pale yellow through orange and red to dark red,
// its brightness falling throughout, so that its grey steps stay in order on black-and-white paper.
Rgb RampColor(double fraction);

// One piece of a contour line, in grid coordinates (column, row; fractions between the nodes).
struct GridSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The contour line of `level` by marching squares: in each cell whose corners lie on both sides, the
// points where the edges cross the level, joined; a saddle is parted by the cell's mean.
std::vector<GridSegment> ContourSegments(const NodeField& field, double level);

// The part of the line (x1, y1)-(x2, y2) inside `area` (Liang and Barsky); false when none is.
bool ClipLine(const Rect& area, real& x1, real& y1, real& x2, real& y2);

}  // namespace trb::graphics
