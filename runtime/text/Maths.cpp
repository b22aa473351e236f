#include "text/Maths.h"

#include <cmath>
#include <cstdint>

#include "text/NumberText.h"

namespace zentoir {
namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

double SinDeg(double angle) {
  return std::sin(angle * kRadiansPerDegree);
}
double CosDeg(double angle) {
  return std::cos(angle * kRadiansPerDegree);
}
double TanDeg(double angle) {
  return std::tan(angle * kRadiansPerDegree);
}

double AsinDeg(double x) {
  if (x >= 1) return 90;
  if (x <= -1) return -90;
  return std::asin(x) * kDegreesPerRadian;
}

double AcosDeg(double x) {
  if (x >= 1) return 0;
  if (x <= -1) return 180;
  return std::acos(x) * kDegreesPerRadian;
}

double AtanDeg(double y, double x) {
  return std::atan2(y, x) * kDegreesPerRadian;
}
double SquareRoot(double x) {
  return std::sqrt(x);
}
double AbsValue(double x) {
  return std::fabs(x);
}
double Power(double base, double exponent) {
  return std::pow(base, exponent);
}

double IntMod(double a, double b) {
  const int32_t divisor = TruncateToInt32(b);
  if (divisor == 0) return 0;
  const int32_t dividend = TruncateToInt32(a);
  if (divisor == -1) return 0;  // INT32_MIN % -1 would trap; the remainder is 0 anyway
  return dividend % divisor;
}

double FloatMod(double a, double b) {
  return b == 0 ? 0 : std::fmod(a, b);
}

}  // namespace zentoir
