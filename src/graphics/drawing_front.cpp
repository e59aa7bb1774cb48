#include <cmath>

#include "core/supply_feature.h"
#include "graphics/drawing_bearing.h"
#include "graphics/driver.h"
#include "graphics/vektor.h"

namespace trb::graphics {

namespace {

real SafeRoot(real v) {
    return std::sqrt(std::max(v, 0.0L));
}

// The dimensions of the bush seen from the front.
struct FrontGeometry {
    explicit FrontGeometry(const core::TRBrecord& record)
        : r(record.db / 2), outer(record.de / 2), d(record.dh / 2) {
        w = outer - r;
        e = SafeRoot(r * r - d * d);
        f = SafeRoot(outer * outer - d * d);
        l = r + 0.3L * w;
        m = SafeRoot(l * l - d * d);
    }
    real r, outer, d, w, e, f, l, m;
};

// A radial line at `degrees` from radius r1 to r2.
void Radial(Driver& driver, real degrees, real r1, real r2) {
    const real a = DegToRad(degrees);
    driver.CadLine(r1 * std::cos(a), r1 * std::sin(a), r2 * std::cos(a), r2 * std::sin(a));
}

// The two edges of a hole along the y axis (x = ±d) from y1 to y2, y1 and y2 signed. A hole of
// diameter 0 is no hole: nothing is drawn.
void VerticalHole(Driver& driver, real d, real y1, real y2) {
    if (d <= 0) return;
    driver.CadLine(-d, y1, -d, y2);
    driver.CadLine(d, y1, d, y2);
}

// The two edges of a hole along the x axis (y = ±d) from x1 to x2.
void HorizontalHole(Driver& driver, real d, real x1, real x2) {
    if (d <= 0) return;
    driver.CadLine(x1, -d, x2, -d);
    driver.CadLine(x1, d, x2, d);
}

// A pocket centred at `middle` degrees: bottom arc and the two side lines.
void Pocket(Driver& driver, const FrontGeometry& g, real middle, real rho) {
    driver.CadArc(0, 0, middle - rho, middle + rho, g.l);
    Radial(driver, middle - rho, g.r, g.l);
    Radial(driver, middle + rho, g.r, g.l);
}

void SupplyFeature(Driver& driver, const core::TRBrecord& record, const FrontGeometry& g) {
    const real rho = g.outer > 0 ? RadToDeg(std::atan((record.bp / 2) / g.outer)) : 0;
    switch (record.zufuhr) {
        case core::kHoleOppositeLoad:
            VerticalHole(driver, g.d, g.e, g.f);
            break;
        case core::kHoleAt90:
            HorizontalHole(driver, g.d, g.e, g.f);
            break;
        case core::kTwoHolesAt90:
            HorizontalHole(driver, g.d, g.e, g.f);
            HorizontalHole(driver, g.d, -g.e, -g.f);
            break;
        case core::kRingGroove:
            driver.CadCircle(0, 0, g.l);
            VerticalHole(driver, g.d, g.m, g.f);
            break;
        case core::kPartialGroove: {
            const real start = 90 - record.phie, end = 90 - record.phia;
            driver.CadArc(0, 0, start, end, g.l);
            Radial(driver, end, g.r, g.outer);
            Radial(driver, start, g.r, g.l);
            const real delta = g.outer > 0 ? RadToDeg(std::atan(g.d / g.outer)) : 0;
            Radial(driver, end - delta, g.l, g.outer);
            driver.CadColor(1);
            Radial(driver, end - delta / 2, g.r - 0.3L * g.w, g.outer + 0.3L * g.w);
            break;
        }
        case core::kPocketOppositeLoad:
            Pocket(driver, g, 90, rho);
            VerticalHole(driver, g.d, g.m, g.f);
            break;
        case core::kPocketAt90:
            Pocket(driver, g, 0, rho);
            HorizontalHole(driver, g.d, g.m, g.f);
            break;
        case core::kTwoPocketsAt90:
            Pocket(driver, g, 0, rho);
            HorizontalHole(driver, g.d, g.m, g.f);
            Pocket(driver, g, 180, rho);
            HorizontalHole(driver, g.d, -g.m, -g.f);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawFrontView(Driver& driver, const core::TRBrecord& record) {
    const FrontGeometry g(record);
    const real c = 0.55L * record.de;
    driver.CadColor(1);
    driver.CadLine(-c, 0, c, 0);
    driver.CadLine(0, -c, 0, c);
    driver.CadColor(5);
    driver.CadCircle(0, 0, g.r);
    driver.CadCircle(0, 0, g.outer);
    if (record.druckschmierung) {
        driver.CadColor(2);
        SupplyFeature(driver, record, g);
    }
    driver.CadColor(0);
}

}  // namespace trb::graphics
