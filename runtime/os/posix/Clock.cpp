#include "os/Clock.h"

#include <time.h>

#include <cerrno>

namespace zentoir::os {

double MonotonicMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1.0e6;
}

void SleepMilliseconds(long long ms) {
  if (ms <= 0) return;
  SleepMicroseconds(ms < 1000000000000LL ? ms * 1000 : 1000000000000000LL);
}

void SleepMicroseconds(long long us) {
  if (us <= 0) return;
  timespec remaining{static_cast<time_t>(us / 1000000), static_cast<long>(us % 1000000) * 1000L};
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

void GiveWayToSystem() {}

}  // namespace zentoir::os
