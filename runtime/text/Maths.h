// The numeric intrinsics: trigonometry in degrees, roots, powers and remainders.
#pragma once

namespace zentoir {

double SinDeg(double angle);
double CosDeg(double angle);
double TanDeg(double angle);
double AsinDeg(double x);  // 90 for x >= 1, -90 for x <= -1
double AcosDeg(double x);  // 0 for x >= 1, 180 for x <= -1
double AtanDeg(double y, double x);
double SquareRoot(double x);
double AbsValue(double x);
double Power(double base, double exponent);

// Remainder of the truncated operands as 32-bit integers, the sign following a;
// 0 when the truncated divisor is 0.
double IntMod(double a, double b);

// fmod of a and b; 0 when b is 0.
double FloatMod(double a, double b);

}  // namespace zentoir
