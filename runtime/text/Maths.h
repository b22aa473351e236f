// The numeric intrinsics: trigonometry in degrees, roots, powers and remainders.
#pragma once

namespace zentoir {

// Sine, cosine and tangent of an angle in degrees.
double SinDeg(double angle);
double CosDeg(double angle);
double TanDeg(double angle);
// Arc sine in degrees: 90 for x >= 1, -90 for x <= -1.
double AsinDeg(double x);
// Arc cosine in degrees: 0 for x >= 1, 180 for x <= -1.
double AcosDeg(double x);
// The angle of the point (x, y) in degrees, -180 … 180.
double AtanDeg(double y, double x);
// The square root, the absolute value and the power base^exponent.
double SquareRoot(double x);
double AbsValue(double x);
double Power(double base, double exponent);

// Remainder of the truncated operands as 32-bit integers, the sign following a;
// 0 when the truncated divisor is 0.
double IntMod(double a, double b);

// fmod of a and b; 0 when b is 0.
double FloatMod(double a, double b);

}  // namespace zentoir
