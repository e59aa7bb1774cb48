#pragma once

#include "core/real.h"
#include "core/run_status.h"

namespace trb::core {

// Small math helpers of the calculation and the drawings. Angles are in radians unless the name says
// degrees.

inline constexpr real kPi = 3.14159265358979323846264338327950288L;

// x to the integer power n by repeated multiplication; 1 for n = 0, 1/x^(-n) for n < 0.
real IntPower(int n, real x);

// Decimal logarithm; -1e30 for x <= 0.
real Log10(real x);

// 10 to the power x.
real Pow10(real x);

// sin x / cos x; when cos x = 0 it reports "Error: function tan in Unit math" and returns 1e30.
real Tangent(real x, RunStatus& status);

// Arc sine; for |x| > 1 it reports "Error: ArcSin in unit math" and returns pi/2.
real ArcSine(real x, RunStatus& status);

// sqrt(a² + b²).
real Hypotenuse(real a, real b);

// Direction of the vector (x, y) in -pi/2 .. 3pi/2; pi/2 straight up, -pi/2 straight down.
real VectorAngle(real x, real y);
// The same with the arguments in the order (y, x).
real VectorAngleYX(real y, real x);

struct PlanePoint {
    real x = 0;
    real y = 0;
};

// (r cos phi, r sin phi).
PlanePoint PolarToCartesian(real r, real phi);

// (u, v) rotated by phi about the origin.
PlanePoint Rotate(real u, real v, real phi);

// (u, v) rotated by angleDeg degrees and moved by (x0, y0).
PlanePoint Place(real x0, real y0, real angleDeg, real u, real v);
// The same after scaling u by scaleU and v by scaleV.
PlanePoint PlaceScaled(real x0, real y0, real angleDeg, real scaleU, real scaleV, real u, real v);

real RadToDeg(real x);
real DegToRad(real x);

// Largest whole number <= x.
real Floor(real x);

// Whole part of floor(log10(|x|)); 0 for x = 0.
int Decade(real x);

// Step and rounded limits for n divisions of a diagram axis from min to max.
struct AxisScale {
    real step = 0;
    real lower = 0;
    real upper = 0;
};
AxisScale ScaleAxis(real min, real max, int n);

// |b - a| < 1e-5.
bool NearlyEqual(real a, real b);

inline real Larger(real a, real b) {
    return a > b ? a : b;
}
inline real Smaller(real a, real b) {
    return a < b ? a : b;
}
inline int Larger(int a, int b) {
    return a > b ? a : b;
}
inline int Smaller(int a, int b) {
    return a < b ? a : b;
}
// value limited to lo .. hi.
inline int Clamp(int value, int lo, int hi) {
    return value < lo ? lo : (value > hi ? hi : value);
}

// Relative deviation of a from b in percent, |(a - b)/b|·100; 0 when b = 0.
real RelDeviation(real a, real b);

// Angle from a to b in degrees, counter-clockwise, in [0, 360).
real AngleDifference(real a, real b);

// x as it comes back from the 6-byte real format (40-bit mantissa, 8-bit exponent): rounded to 40
// significant bits; magnitudes below the format's range give 0, above it the largest value.
real PrecisionCut(real x);

// Unit conversions between the metric values the program keeps and the English units it shows.
real InchToMm(real x);
real MmToInch(real x);
real PsiToNmm2(real x);
real Nmm2ToPsi(real x);
real NToLbf(real x);
real LbfToN(real x);
real CelsiusToFahrenheit(real x);
real FahrenheitToCelsius(real x);
real In2ToMm2(real x);
real Mm2ToIn2(real x);

}  // namespace trb::core
