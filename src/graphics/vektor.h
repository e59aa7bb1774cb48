#pragma once

#include <optional>

#include "core/real.h"
#include "core/run_status.h"

// Plane geometry used by hatching, polyline arcs and diagram clipping.
namespace trb::graphics {

struct Point {
    real x = 0;
    real y = 0;
};

struct Segment {
    Point a;
    Point b;
};

// Axis-parallel rectangle; the corners may be given in any order.
struct Rect {
    real x1 = 0;
    real y1 = 0;
    real x2 = 0;
    real y2 = 0;
};

// a·d − b·c
real Determinant(real a, real b, real c, real d);

// Solves a1·x + b1·y = c1, a2·x + b2·y = c2 by Cramer's rule; no solution when the
// determinant is 0.
std::optional<Point> SolveLinear(real a1, real b1, real c1, real a2, real b2, real c2);

// Intersection of the infinite lines through p1, p2 and q1, q2; none when parallel.
std::optional<Point> IntersectLines(Point p1, Point p2, Point q1, Point q2);

// v lies in the closed range between a and b (either order), with a tolerance of 1e-12.
bool Between(real v, real a, real b);

// Intersection of the segments p1-p2 and q1-q2 (the point must lie within both).
std::optional<Point> IntersectSegments(Point p1, Point p2, Point q1, Point q2);

bool PointInRectangle(Point p, const Rect& r);

// The part of a segment inside a rectangle; none when the segment misses the rectangle.
std::optional<Segment> ClipSegment(const Segment& s, const Rect& r);

// The arc from p1 to p2 with the included angle phi (radians, positive counter-clockwise).
// Angles are the directions from the centre to the arc's ends in radians; for phi < 0 they are
// exchanged so that the arc always runs counter-clockwise from start to end, unless keepStart
// is set (then start is always the direction to p1).
struct ArcGeometry {
    Point centre;
    real radius = 0;
    real start = 0;
    real end = 0;
};

// Reports a degenerate arc (phi a multiple of 360°) or coincident points through the message
// list; returns nothing for the first, the chord middle as centre for the second.
std::optional<ArcGeometry> GetArcCenter(real phi, Point p1, Point p2, core::RunStatus& status,
                                        bool keepStart = false);

real DegToRad(real degrees);
real RadToDeg(real radians);
// Cosine and sine of an angle in degrees, exact at multiples of 90°.
real CosDeg(real degrees);
real SinDeg(real degrees);

}  // namespace trb::graphics
