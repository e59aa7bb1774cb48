#include "film/case_supply.h"

#include <cmath>
#include <numbers>

#include "core/supply_feature.h"

namespace trb::film {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

double ToDouble(real x) {
    return static_cast<double>(x);
}

}  // namespace

FilmFault CaseFilmStart(const core::TRBrecord& r, double supplyPressure, FilmProblem& problem) {
    problem.areas.clear();
    if (!r.druckschmierung) {
        problem.start = {FilmStart::Kind::LineAtAngle, std::numbers::pi};
        return FilmFault::None;
    }
    problem.start = {};
    const double radius = ToDouble(r.db) / 2;
    const double halfWidth = ToDouble(r.b) / 2;
    // A feature of circumferential size `along` and axial size `across` (mm) centred at `angle` (°).
    const auto add = [&](SupplyArea::Shape shape, double angle, double along, double across) {
        SupplyArea area;
        area.shape = shape;
        area.centre = angle * kDegree;
        area.halfAngle = along / 2 / radius;
        area.halfWidth = across / 2 / halfWidth;
        area.pressure = supplyPressure;
        problem.areas.push_back(area);
    };
    const auto ellipse = SupplyArea::Shape::Ellipse;
    const auto rectangle = SupplyArea::Shape::Rectangle;
    const double dh = ToDouble(r.dh);
    const double bp = ToDouble(r.bp);
    const double bg = ToDouble(r.bg);
    switch (r.zufuhr) {
        case core::kHoleOppositeLoad:
            add(ellipse, 180, dh, dh);
            break;
        case core::kHoleAt90:
            add(ellipse, 270, dh, dh);
            break;
        case core::kTwoHolesAt90:
            add(ellipse, 90, dh, dh);
            add(ellipse, 270, dh, dh);
            break;
        case core::kRingGroove:
            add(rectangle, 0, 2 * std::numbers::pi * radius, bg);
            break;
        case core::kPartialGroove: {
            const double span = ToDouble(r.phie - r.phia);
            if (!(span > 0)) return FilmFault::BadInput;
            if (span >= 360) return FilmFault::SupplyLargerThanBearing;
            add(rectangle, 180 + ToDouble(r.phia + r.phie) / 2, span * kDegree * radius, bg);
            break;
        }
        case core::kPocketOppositeLoad:
            add(rectangle, 180, bp, bp);
            break;
        case core::kPocketAt90:
            add(rectangle, 270, bp, bp);
            break;
        case core::kTwoPocketsAt90:
            add(rectangle, 90, bp, bp);
            add(rectangle, 270, bp, bp);
            break;
        default:
            return FilmFault::BadInput;
    }
    for (const SupplyArea& area : problem.areas) {
        if (!(area.halfAngle > 0 && area.halfWidth > 0) || !std::isfinite(area.halfAngle))
            return FilmFault::BadInput;
        // A feature as wide as the bearing, or one round more than the circumference (other than the
        // ring groove, which is that by design), leaves no film beside it.
        const bool ring = r.zufuhr == core::kRingGroove;
        if (area.halfWidth >= 1 || (!ring && area.halfAngle >= std::numbers::pi))
            return FilmFault::SupplyLargerThanBearing;
    }
    return FilmFault::None;
}

}  // namespace trb::film
