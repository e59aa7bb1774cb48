#pragma once

#include <vector>

#include "core/real.h"
#include "core/run_status.h"
#include "graphics/vektor.h"

namespace trb::graphics {

class Driver;

inline constexpr std::size_t kMaxHatchPoints = 50;
inline constexpr std::size_t kMaxHatchCrossings = 10;

// The hatch lines of a closed boundary: parallel lines at `angleDegrees`, `distance` apart
// (distance 0: a tenth of the boundary's extent across the lines). The boundary is closed
// here when its last point differs from the first. A line counts a boundary side when it
// crosses it, a vertex once for the side that starts below the line and once for the side that
// leaves it, so a line through a vertex where the boundary passes on still finds both of its
// ends, and one that only touches a corner finds none. Angle 0 gives no lines. Failures go to
// the message list: more than 50 points ("Fatal  : n schraff !") and more than 10 crossings on
// one line ("Fatal  : schraff schnittp", which also sets `abort`).
std::vector<Segment> HatchLines(std::vector<Point> boundary, real angleDegrees, real distance,
                                core::RunStatus& status, bool& abort);

// Hatching through the drawing output driver: rectangles and polygons whose sides may be arcs.
// Mode 0 draws outline and hatch lines in the current pen, mode 1 the outline with pen 5 and
// the lines with pen 3, mode 2 only the lines with pen 3.
class Hatching {
  public:
    explicit Hatching(Driver& driver) : driver_(driver) {}

    void HatchMode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }

    // Distance 0 means a fifth of the longer side, rounded to a whole number.
    void HatchRectangle(real angle, real distance, real x1, real y1, real x2, real y2);

    // A polygon, also drawn as a polyline. phi is the included angle (radians) of the side from
    // this vertex to the next; arc sides are hatched as chords of at most 15°.
    void HatchPolygonBegin(int flags);
    void HatchPolygonVertex(real phi, real x, real y);
    void HatchPolygonEnd(real angle, real distance);

    const std::vector<Point>& Points() const { return points_; }

  private:
    void AddPoint(Point p);
    void AddArcPoints(real phi, Point from, Point to);
    void Hatch(real angle, real distance);

    Driver& driver_;
    int mode_ = 0;
    int flags_ = 0;
    std::vector<Point> points_;
    real previousPhi_ = 0;
    bool overflow_ = false;
};

}  // namespace trb::graphics
