#pragma once

#include "core/real.h"
#include "graphics/vektor.h"

namespace trb::graphics {

class Driver;

// Lines in drawing units, solid or dashed, clipped to a rectangle: the curves of the charts. A dashed
// path keeps its dash pattern across its segments.
class PlotPen {
  public:
    PlotPen(Driver& driver, const Rect& area, bool dashed) : driver_(driver), area_(area), dashed_(dashed) {}

    void MoveTo(Point p) {
        at_ = p;
        phase_ = 0;
    }
    void LineTo(Point p);

  private:
    void Dashes(const Segment& s);

    Driver& driver_;
    Rect area_;
    bool dashed_;
    Point at_;
    real phase_ = 0;
};

}  // namespace trb::graphics
