#include "gfx2d/gl/FramePacing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zentoir {
namespace {
constexpr double kUnlimitedInterval = 2.0;
constexpr int kFallbackFramesPerSecond = 5;
// Waking from a sleep is late by up to about this much; the rest is spun.
constexpr double kSpinMs = 0.75;
constexpr double kLongestSleepMs = 2.0;
}  // namespace

double FrameIntervalFor(int framesPerSecond) {
  return framesPerSecond > 0 ? 1000.0 / framesPerSecond : kUnlimitedInterval;
}

int FramesPerSecondFor(double frameInterval) {
  if (!(frameInterval > 0)) return kFallbackFramesPerSecond;
  const double fps = std::trunc(1000.0 / frameInterval);
  return fps < std::numeric_limits<int>::max() ? static_cast<int>(fps)
                                               : std::numeric_limits<int>::max();
}

double NextFrameTimeAfter(double nextFrameTime, double frameInterval, double now) {
  double next = nextFrameTime + frameInterval;
  if (frameInterval > 0 && next < now) {
    // Skip every interval that has already gone by (same result as adding one interval
    // at a time while next < now, without a long loop after a long stall).
    next += std::floor((now - next) / frameInterval) * frameInterval;
    while (next < now)
      next += frameInterval;
  }
  return next;
}

double SleepBeforeFrameMs(double remaining) {
  if (!(remaining > kSpinMs)) return 0;
  return std::min(remaining - kSpinMs, kLongestSleepMs);
}

}  // namespace zentoir
