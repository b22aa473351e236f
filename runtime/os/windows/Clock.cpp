#include "os/Clock.h"

#include "os/windows/SystemHeaders.h"

#include <timeapi.h>

#include <algorithm>
#include <cmath>

namespace zentoir::os {
namespace {

// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION (Windows 10 1803 and later), which the
// toolchain's headers lack.
constexpr DWORD kHighResolutionTimer = 0x00000002;

// Waitable timers count in units of 100 nanoseconds.
constexpr double kTicksPerMs = 10000.0;

// Without a high-resolution timer, timers and Sleep wake on the system tick (15.6 ms by
// default); one request for a 1 ms tick lasts until the process ends.
void RaiseTimerResolution() {
  static const bool raised = timeBeginPeriod(1) == TIMERR_NOERROR;
  (void)raised;
}

HANDLE CreateSleepTimer() {
  HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS);
  if (timer) return timer;
  RaiseTimerResolution();
  return CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
}

// Each thread sleeps on a timer of its own, closed when the thread ends.
class SleepTimer {
 public:
  SleepTimer() : timer_(CreateSleepTimer()) {}
  ~SleepTimer() {
    if (timer_) CloseHandle(timer_);
  }
  SleepTimer(const SleepTimer&) = delete;
  SleepTimer& operator=(const SleepTimer&) = delete;

  // Waits about `ms`; may come back a little early, never much late.
  void Wait(double ms) {
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(std::ceil(ms * kTicksPerMs));  // negative: relative
    if (timer_ && SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
      WaitForSingleObject(timer_, INFINITE);
      return;
    }
    RaiseTimerResolution();
    Sleep(static_cast<DWORD>(std::min(std::ceil(ms), 1.0e9)));
  }

 private:
  HANDLE timer_;
};

LONGLONG CounterFrequency() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  return frequency;
}

}  // namespace

double MonotonicMs() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  const LONGLONG frequency = CounterFrequency();
  // Whole seconds apart from the rest, so that no precision is lost in a long uptime.
  const LONGLONG seconds = counter.QuadPart / frequency;
  const LONGLONG rest = counter.QuadPart % frequency;
  return static_cast<double>(seconds) * 1000.0 +
         static_cast<double>(rest) * 1000.0 / static_cast<double>(frequency);
}

void SleepMilliseconds(long long ms) {
  if (ms <= 0) return;
  SleepMicroseconds(ms < 1000000000000LL ? ms * 1000 : 1000000000000000LL);
}

void SleepMicroseconds(long long us) {
  if (us <= 0) return;
  thread_local SleepTimer timer;
  // A timer may fire a little before the counter reaches the end: wait out the rest.
  const double end = MonotonicMs() + static_cast<double>(us) / 1000.0;
  for (double left = end - MonotonicMs(); left > 0; left = end - MonotonicMs())
    timer.Wait(left);
}

void GiveWayToSystem() {}

}  // namespace zentoir::os
