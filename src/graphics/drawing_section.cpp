#include <cmath>
#include <initializer_list>
#include <string>

#include "core/supply_feature.h"
#include "graphics/drawing_bearing.h"
#include "graphics/driver.h"
#include "graphics/hatching.h"
#include "graphics/vektor.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

constexpr real kHatchAngle = 45;

struct SectionGeometry {
    explicit SectionGeometry(const core::TRBrecord& record)
        : b(record.b),
          r(record.db / 2),
          outer(record.de / 2),
          d(record.dh / 2),
          bg(record.bg),
          bp(record.bp) {
        l = r + 0.3L * (outer - r);
        middle = b / 2;
    }
    real b, r, outer, d, bg, bp, l, middle;
};

class SectionDrawer {
  public:
    SectionDrawer(Driver& driver, const core::TRBrecord& record)
        : driver_(driver), record_(record), g_(record), hatching_(driver) {
        hatching_.HatchMode(1);
        distance_ = 0.05L * g_.b;
    }

    void Walls() {
        const int code = record_.zufuhr;
        if (!record_.druckschmierung) {
            UpperWall();
            LowerWall();
            return;
        }
        driver_.CadColor(1);
        driver_.CadLine(g_.middle, -1.05L * g_.outer, g_.middle, 1.05L * g_.outer);
        const bool wholeUpper = code == core::kHoleAt90 || code == core::kTwoHolesAt90 ||
                                code == core::kPartialGroove || code == core::kPocketAt90 ||
                                code == core::kTwoPocketsAt90;
        if (wholeUpper) UpperWall();
        if (code != core::kRingGroove) LowerWall();
        Feature(code);
    }

  private:
    void UpperWall() { Rectangle(0, g_.r, g_.b, g_.outer); }
    void LowerWall() { Rectangle(0, -g_.r, g_.b, -g_.outer); }

    void Rectangle(real x1, real y1, real x2, real y2) {
        hatching_.HatchRectangle(kHatchAngle, distance_, x1, y1, x2, y2);
    }

    void Polygon(std::initializer_list<Point> points) {
        hatching_.HatchPolygonBegin(1);
        for (const Point& p : points) hatching_.HatchPolygonVertex(0, p.x, p.y);
        hatching_.HatchPolygonEnd(kHatchAngle, distance_);
    }

    // The upper wall with the feed hole cut out.
    void UpperWallAroundHole() {
        Rectangle(0, g_.r, g_.middle - g_.d, g_.outer);
        Rectangle(g_.middle + g_.d, g_.r, g_.b, g_.outer);
    }

    // Where the feed hole meets a cylinder of radius rho: an arc of radius rho that joins the hole
    // edges (B/2 - d, rho) and (B/2 + d, rho). A hole of diameter 0 has none.
    void HoleArc(real rho) {
        if (rho <= 0 || g_.d <= 0 || g_.d > rho) return;
        const real centre = rho + std::sqrt(rho * rho - g_.d * g_.d);
        const real half = RadToDeg(std::asin(g_.d / rho));
        driver_.CadArc(g_.middle, centre, -90 - half, -90 + half, rho);
    }

    void Feature(int code) {
        const real m = g_.middle;
        switch (code) {
            case core::kHoleOppositeLoad:
                UpperWallAroundHole();
                driver_.CadColor(5);
                HoleArc(g_.outer);
                HoleArc(g_.r);
                break;
            case core::kHoleAt90:
            case core::kTwoHolesAt90:
                driver_.CadColor(5);
                if (g_.d > 0) driver_.CadCircle(m, 0, g_.d);
                break;
            case core::kRingGroove: {
                UpperWallAroundHole();
                const real h = g_.bg / 2;
                Polygon({{0, -g_.outer},
                         {g_.b, -g_.outer},
                         {g_.b, -g_.r},
                         {m + h, -g_.r},
                         {m + h, -g_.l},
                         {m - h, -g_.l},
                         {m - h, -g_.r},
                         {0, -g_.r}});
                driver_.CadColor(5);
                HoleArc(g_.outer);
                HoleArc(g_.l);
                driver_.CadLine(m - h, -g_.r, m - h, g_.l);
                driver_.CadLine(m + h, -g_.r, m + h, g_.l);
                break;
            }
            case core::kPartialGroove: {
                const real h = g_.bg / 2;
                driver_.CadColor(5);
                driver_.CadRectangle(m - h, g_.r * std::cos(DegToRad(90 - record_.phie)), m + h,
                                     g_.r * std::cos(DegToRad(90 - record_.phia)));
                break;
            }
            case core::kPocketOppositeLoad: {
                const real h = g_.bp / 2;
                Polygon({{0, g_.r},
                         {m - h, g_.r},
                         {m - h, g_.l},
                         {m - g_.d, g_.l},
                         {m - g_.d, g_.outer},
                         {0, g_.outer}});
                Polygon({{m + g_.d, g_.l},
                         {m + h, g_.l},
                         {m + h, g_.r},
                         {g_.b, g_.r},
                         {g_.b, g_.outer},
                         {m + g_.d, g_.outer}});
                driver_.CadColor(5);
                const real edge = std::sqrt(std::max(g_.r * g_.r - h * h, 0.0L));
                driver_.CadMoveTo(m - h, g_.r);
                driver_.CadLineTo(m - h, edge);
                driver_.CadLineTo(m + h, edge);
                driver_.CadLineTo(m + h, g_.r);
                HoleArc(g_.outer);
                HoleArc(g_.l);
                break;
            }
            case core::kPocketAt90:
            case core::kTwoPocketsAt90: {
                const real h = g_.bp / 2;
                driver_.CadColor(5);
                if (g_.d > 0) driver_.CadCircle(m, 0, g_.d);
                driver_.CadRectangle(m - h, -h, m + h, h);
                break;
            }
            default:
                break;
        }
    }

    Driver& driver_;
    const core::TRBrecord& record_;
    SectionGeometry g_;
    Hatching hatching_;
    real distance_ = 0;
};

void Dimensions(Driver& driver, const core::TRBrecord& record, const text::FormatOptions& format) {
    const SectionGeometry g(record);
    const auto length = [&](real mm) { return text::FormatLengthShort(mm, format); };
    const std::string bore = length(record.db);
    if (record.toldb.empty()) {
        driver.CadDimVerticalExt(bore, length(record.dbmax - record.db), length(record.dbmin - record.db),
                                 g.b, -g.r, g.b, g.r, 1.2L * g.b);
    } else {
        driver.CadDimVerticalExt(bore, record.toldb, "", g.b, -g.r, g.b, g.r, 1.2L * g.b);
    }
    driver.CadDimVerticalExt(length(record.de), "", "", g.b, g.outer, g.b, -g.outer, 1.35L * g.b);
    driver.CadDimHorizontalExt(length(record.b), "", "", 0, -g.outer, g.b, -g.outer, -1.4L * g.outer);
    if (!record.druckschmierung) return;

    const real m = g.middle;
    const std::string hole = length(record.dh);
    // No feed hole, no hole dimension.
    switch (record.dh > 0 ? record.zufuhr : 0) {
        case core::kHoleOppositeLoad:
        case core::kRingGroove:
        case core::kPocketOppositeLoad:
            driver.CadDimHorizontalExt(hole, "", "", m - g.d, g.outer, m + g.d, g.outer, 1.2L * g.outer);
            break;
        case core::kHoleAt90:
        case core::kTwoHolesAt90:
        case core::kPocketAt90:
        case core::kTwoPocketsAt90:
            driver.CadDimHorizontalExt(hole, "", "", m - g.d, 0, m + g.d, 0, g.r / 2);
            break;
        default:
            break;
    }
    switch (record.zufuhr) {
        case core::kRingGroove:
        case core::kPartialGroove:
            driver.CadColor(3);
            driver.CadDimHorizontal(length(record.bg), "", "", m - g.bg / 2, m + g.bg / 2, g.r / 2);
            break;
        case core::kPocketOppositeLoad:
            driver.CadDimHorizontalExt(length(record.bp), "", "", m - g.bp / 2, g.r, m + g.bp / 2, g.r,
                                       g.r / 2);
            break;
        case core::kPocketAt90:
        case core::kTwoPocketsAt90:
            driver.CadDimHorizontalExt(length(record.bp), "", "", m - g.bp / 2, 0, m + g.bp / 2, 0, -g.r / 2);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawSection(Driver& driver, const core::TRBrecord& record, const text::FormatOptions& format) {
    const SectionGeometry g(record);
    driver.CadSymbolScale(0.01L * record.de);
    driver.CadColor(1);
    driver.CadLine(-0.05L * g.b, 0, 1.05L * g.b, 0);
    driver.CadColor(5);
    driver.CadLine(0, -g.r, 0, g.r);
    driver.CadLine(g.b, -g.r, g.b, g.r);
    SectionDrawer(driver, record).Walls();
    driver.CadColor(0);
    Dimensions(driver, record, format);
    driver.CadColor(0);
}

}  // namespace trb::graphics
