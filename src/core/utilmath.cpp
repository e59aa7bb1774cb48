#include "core/utilmath.h"

#include <math.h>

#include <cmath>

#include "core/messages.h"

namespace trb::core {

real IntPower(int n, real x) {
    if (n < 0) return 1 / IntPower(-n, x);
    real result = 1;
    for (int i = 0; i < n; ++i) result *= x;
    return result;
}

real Log10(real x) {
    if (x <= 0) return -1e30L;
    return std::log(x) / std::log(real{10});
}

real Pow10(real x) {
#if defined(__GLIBC__)
    return exp10l(x);  // as exact as powl(10, x) and more than twenty times faster
#else
    return std::pow(real{10}, x);
#endif
}

real Tangent(real x, RunStatus& status) {
    const real cosine = std::cos(x);
    if (cosine == 0) {
        status.AddMessage(kMsgTangentUndefined);
        return 1e30L;
    }
    return std::sin(x) / cosine;
}

real ArcSine(real x, RunStatus& status) {
    if (std::fabs(x) > 1) {
        status.AddMessage(kMsgArcSineUndefined);
        return kPi / 2;
    }
    if (x == 1) return kPi / 2;
    if (x == -1) return -kPi / 2;
    return std::atan(x / std::sqrt(1 - x * x));
}

real Hypotenuse(real a, real b) {
    return std::sqrt(a * a + b * b);
}

real VectorAngle(real x, real y) {
    if (x == 0) return y >= 0 ? kPi / 2 : -kPi / 2;
    const real angle = std::atan(y / x);
    return x < 0 ? angle + kPi : angle;
}

real VectorAngleYX(real y, real x) {
    return VectorAngle(x, y);
}

PlanePoint PolarToCartesian(real r, real phi) {
    return {r * std::cos(phi), r * std::sin(phi)};
}

PlanePoint Rotate(real u, real v, real phi) {
    const real cosine = std::cos(phi);
    const real sine = std::sin(phi);
    return {u * cosine - v * sine, v * cosine + u * sine};
}

PlanePoint Place(real x0, real y0, real angleDeg, real u, real v) {
    const PlanePoint turned = Rotate(u, v, DegToRad(angleDeg));
    return {x0 + turned.x, y0 + turned.y};
}

PlanePoint PlaceScaled(real x0, real y0, real angleDeg, real scaleU, real scaleV, real u, real v) {
    return Place(x0, y0, angleDeg, u * scaleU, v * scaleV);
}

real RadToDeg(real x) {
    return x * 180 / kPi;
}
real DegToRad(real x) {
    return x * kPi / 180;
}

real Floor(real x) {
    return std::floor(x);
}

int Decade(real x) {
    if (x == 0) return 0;
    return static_cast<int>(Floor(Log10(std::fabs(x))));
}

AxisScale ScaleAxis(real min, real max, int n) {
    if (n < 1) n = 1;  // no divisions would divide by zero; one division is the nearest sensible axis
    if (NearlyEqual(min, max)) {
        min -= 1;
        max += 1;
    }
    max -= (max - min) * 1e-5L;
    const real d = (max - min) / n;
    const real unit = Pow10(static_cast<real>(Decade(d)));
    const real m = d / unit;
    real factor = 10;
    if (m < 1.5L) {
        factor = 1;
    } else if (m < 3) {
        factor = 2;
    } else if (m < 8) {
        factor = 5;
    }
    AxisScale scale;
    scale.step = factor * unit;
    scale.upper = (Floor(max / scale.step) + 1) * scale.step;
    scale.lower = Floor(min / scale.step) * scale.step;
    return scale;
}

bool NearlyEqual(real a, real b) {
    return std::fabs(b - a) < 1e-5L;
}

real RelDeviation(real a, real b) {
    if (b == 0) return 0;
    return std::fabs((a - b) / b) * 100;
}

namespace {
// Fractional part with the sign of x.
real Frac(real x) {
    return x - std::trunc(x);
}
}  // namespace

real AngleDifference(real a, real b) {
    real difference = 360 * (Frac(b / 360) - Frac(a / 360));
    if (difference < 0) difference += 360;
    return difference;
}

real PrecisionCut(real x) {
    if (x == 0 || !std::isfinite(x)) return x;
    constexpr int kMantissaBits = 40;
    // Exponent range of the 6-byte format: 2^-128 .. just below 2^127.
    const real smallest = std::ldexp(real{1}, -128);
    const real largest = std::ldexp(real{1}, 127) - std::ldexp(real{1}, 127 - kMantissaBits);
    int exponent = 0;
    const real mantissa = std::frexp(x, &exponent);
    const real cut =
        std::ldexp(std::nearbyint(std::ldexp(mantissa, kMantissaBits)), exponent - kMantissaBits);
    if (std::fabs(cut) < smallest) return 0;
    if (std::fabs(cut) > largest) return cut < 0 ? -largest : largest;
    return cut;
}

real InchToMm(real x) {
    return x * 25.4L;
}
real MmToInch(real x) {
    return x * 0.039370078740157480314L;
}
real PsiToNmm2(real x) {
    return x / 145.037L;
}
real Nmm2ToPsi(real x) {
    return x * 145.037L;
}
real NToLbf(real x) {
    return x * 0.22480902473348890118L;
}
real LbfToN(real x) {
    return x * 4.44822L;
}
real CelsiusToFahrenheit(real x) {
    return x * 1.8L + 32;
}
real FahrenheitToCelsius(real x) {
    return (x - 32) * 5 / 9;
}
real In2ToMm2(real x) {
    return x * 645.16L;
}
real Mm2ToIn2(real x) {
    return x / 645.16L;
}

}  // namespace trb::core
