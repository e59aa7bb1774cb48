#include "core/characteristic.h"

#include <cmath>
#include <limits>

#include "core/messages.h"
#include "core/utilmath.h"

namespace trb::core {

namespace {

// c0 + c1·x + c2·x² + c3·x³ + c4·x⁴
real Quartic(const real (&c)[5], real x) {
    return c[0] + x * (c[1] + x * (c[2] + x * (c[3] + x * c[4])));
}

// Coefficients k_ij of the friction characteristic: row i is the polynomial in b of the factor of t^i.
constexpr real kFriction[5][5] = {
    {1.153423L, -2.69332L, 6.552763L, -7.81938L, 3.405146L},
    {-0.7441784L, 0.104245L, -0.343503L, 0.4677244L, -0.215028L},
    {-0.0105921L, 0.342048L, -0.459955L, 0.381193L, -0.1056112L},
    {-0.000397154L, -0.01669L, 0.00966612L, -0.0191126L, -0.01094135L},
    {0.00258444L, -0.00870384L, -0.00157289L, 0.01759905L, -0.006688832L},
};

constexpr int kMaxBisectionSteps = 800;
constexpr real kSommerfeldTolerance = 0.001L;

}  // namespace

SommerfeldShape SommerfeldShapeOf(real b) {
    constexpr real kA1[5] = {1.1642L, -1.9456L, 7.1161L, -10.1073L, 5.0141L};
    constexpr real kA2[5] = {-1.000026L, -0.023634L, -0.4215L, -0.038817L, -0.090551L};
    return {b * b, Quartic(kA1, b), Quartic(kA2, b)};
}

namespace {

real SommerfeldOfEps(real eps, const SommerfeldShape& shape) {
    const real oneMinusEps2 = 1 - eps * eps;
    return shape.b2 * eps / (2 * oneMinusEps2 * oneMinusEps2) *
           std::sqrt(kPi * kPi * oneMinusEps2 + 16 * eps * eps) * shape.a1 * (eps - 1) / (shape.a2 + eps);
}

}  // namespace

real SommerfeldOfEps(real eps, real b) {
    return SommerfeldOfEps(eps, SommerfeldShapeOf(b));
}

const SommerfeldShape& SommerfeldMemo::UseWidthRatio(real b) {
    if (numbers_.empty() || !(b == widthRatio_)) {
        widthRatio_ = b;
        shape_ = SommerfeldShapeOf(b);
        numbers_.assign(kPoints, std::numeric_limits<real>::quiet_NaN());
    }
    return shape_;
}

namespace {

// The Sommerfeld number at bisection point `node`, which lies at eps: kept in the memo when there is
// one and the point is among those it keeps.
real SommerfeldAt(SommerfeldMemo* memo, std::size_t node, real eps, const SommerfeldShape& shape) {
    if (memo == nullptr || node >= SommerfeldMemo::kPoints) return SommerfeldOfEps(eps, shape);
    if (const std::optional<real> kept = memo->Find(node)) return *kept;
    const real so = SommerfeldOfEps(eps, shape);
    memo->Keep(node, so);
    return so;
}

real Bisect(real so, real b, RunStatus& status, SommerfeldMemo* memo) {
    const SommerfeldShape shape = memo != nullptr ? memo->UseWidthRatio(b) : SommerfeldShapeOf(b);
    real lower = 0.01L;
    real upper = 1;
    std::size_t node = 1;
    for (int step = 1;; ++step) {
        if (step > kMaxBisectionSteps) {
            status.AddMessage(kMsgEccentricitySearch);
            return 0;
        }
        const real mid = (lower + upper) * 0.5L;
        const real d = SommerfeldAt(memo, node, mid, shape) - so;
        const bool narrowed = d < 0 ? mid != lower : mid != upper;
        if (d < 0) {
            lower = mid;
        } else {
            upper = mid;
        }
        if (std::fabs(d) < kSommerfeldTolerance) return mid;
        // A bracket that no longer narrows gives the same point at every further step up to the limit:
        // a search with a memo goes there at once.
        if (memo != nullptr && !narrowed) step = kMaxBisectionSteps;
        if (node < SommerfeldMemo::kPoints) node = 2 * node + (d < 0 ? 1 : 0);
    }
}

}  // namespace

real EpsOfSommerfeld(real so, real b, RunStatus& status) {
    return Bisect(so, b, status, nullptr);
}

real EpsOfSommerfeld(real so, real b, RunStatus& status, SommerfeldMemo& memo) {
    return Bisect(so, b, status, &memo);
}

FrictionShape FrictionShapeOf(real b) {
    FrictionShape shape;
    for (std::size_t i = 0; i < shape.k.size(); ++i) shape.k[i] = Quartic(kFriction[i], b);
    return shape;
}

real FrictionCharacteristic(real so, const FrictionShape& shape) {
    const real t = Log10(so);
    real exponent = 0;
    for (std::size_t i = shape.k.size(); i-- > 0;) exponent = exponent * t + shape.k[i];
    return Pow10(exponent);
}

real FrictionCharacteristic(real so, real b) {
    return FrictionCharacteristic(so, FrictionShapeOf(b));
}

real OwnPressureFlowCharacteristic(real eps, real b) {
    return (b - 0.223L * b * b * b) * 0.25L * eps;
}

namespace {

real HoleShapeFactor(real l) {
    return 1.204L + 0.368L * l - 1.046L * l * l + 1.942L * l * l * l;
}

real PocketShapeFactor(real l, RunStatus& status) {
    if (l < 0.05L) status.AddMessage(kMsgPocketTooNarrow);
    if (l > 0.7L) status.AddMessage(kMsgPocketTooWide);
    return 1.188L + 1.582L * l - 2.585L * l * l + 5.563L * l * l * l;
}

real PartialGrooveFlow(const SupplyGeometry& s, real eps) {
    const real phiA = DegToRad(s.phia);
    const real phiE = DegToRad(s.phie);
    const real sinA = std::sin(phiA);
    const real sinE = std::sin(phiE);
    const real eps2 = eps * eps;
    const real eps3 = eps2 * eps;
    const real bracket = (3 * eps + eps3) * (sinE - sinA) + (1 + 1.5L * eps2) * (phiE - phiA) +
                         0.75L * eps2 * (sinE * sinE - sinA * sinA) -
                         (eps3 / 3) * (sinE * sinE * sinE - sinA * sinA * sinA);
    return bracket * (1 / 48.0L) / ((s.width - s.bg) / s.diameter);
}

}  // namespace

namespace {

bool IsHole(int zufuhr) {
    return zufuhr == kHoleOppositeLoad || zufuhr == kHoleAt90 || zufuhr == kTwoHolesAt90;
}

}  // namespace

SupplyShape SupplyShapeOf(const SupplyGeometry& s) {
    if (!IsHole(s.zufuhr)) return {};
    const real qH = HoleShapeFactor(s.dh / s.width);
    const real logRatio = std::log(s.width / s.dh);
    return {qH * logRatio};
}

real SupplyPressureFlowCharacteristic(const SupplyGeometry& s, real eps, real previous, RunStatus& status) {
    return SupplyPressureFlowCharacteristic(s, SupplyShapeOf(s), eps, previous, status);
}

real SupplyPressureFlowCharacteristic(const SupplyGeometry& s, const SupplyShape& shape, real eps,
                                      real previous, RunStatus& status) {
    const real onePlusEps3 = (1 + eps) * (1 + eps) * (1 + eps);
    switch (s.zufuhr) {
        case kHoleOppositeLoad:
        case kHoleAt90:
        case kTwoHolesAt90: {
            if (s.zufuhr == kHoleOppositeLoad) return onePlusEps3 * (kPi / 48) / shape.hole;
            if (s.zufuhr == kHoleAt90) return (kPi / 48) / shape.hole;
            return (kPi / 24) / shape.hole;
        }
        case kRingGroove: {
            const real b = s.width / s.diameter;
            return (1 + 1.5L * eps * eps) * (kPi / 24) * (1 / b) * s.width / (s.width - s.bg);
        }
        case kPartialGroove:
            return PartialGrooveFlow(s, eps);
        case kPocketOppositeLoad:
        case kPocketAt90:
        case kTwoPocketsAt90: {
            const real qP = PocketShapeFactor(s.bp / s.width, status);
            const real logRatio = std::log(s.width / s.bp);
            if (s.zufuhr == kPocketOppositeLoad) return onePlusEps3 * (kPi / 48) / (qP * logRatio);
            if (s.zufuhr == kPocketAt90) return (kPi / 48) / (qP * logRatio);
            return (kPi / 24) / (qP * logRatio);
        }
        default:
            return previous;
    }
}

long RoundToClass(real x, real offset) {
    return std::lrint(x + offset);
}

real HoleDiameterProposal(real d) {
    const long k = RoundToClass(d, 0.5L);
    if (k < 0) return 12;
    if (k <= 10) return 2.5L;
    if (k <= 30) return 3;
    if (k <= 44) return 4;
    if (k <= 67) return 5;
    if (k <= 100) return 6;
    if (k <= 150) return 8;
    if (k <= 220) return 10;
    return 12;
}

real PocketWidthProposal(real x) {
    const long k = RoundToClass(x, 0.5L);
    real margin = 10;
    if (k <= 15) {
        margin = x / 4;
    } else if (k <= 30) {
        margin = 3;
    } else if (k <= 60) {
        margin = 4;
    } else if (k <= 100) {
        margin = 6;
    }
    return x - 2 * margin;
}

}  // namespace trb::core
