#include "base/RuntimeClock.h"

#include "base/RuntimeContext.h"
#include "base/Truncate.h"
#include "os/Clock.h"

namespace zentoir {

double GetTimeMs() {
  return os::MonotonicMs() - Runtime().startTime;
}

double GetFrameTime() {
  const RuntimeContext& rt = Runtime();
  const double elapsed = rt.currentFrameTime - rt.previousFrameTime;
  return elapsed > 0 ? elapsed : 1;
}

void SleepMs(double milliseconds) {
  os::SleepMilliseconds(TruncateToInt64(milliseconds));
}

}  // namespace zentoir
