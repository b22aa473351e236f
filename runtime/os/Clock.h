// The monotonic clock and sleeping.
#pragma once

namespace zentoir::os {

// Milliseconds of a monotonic clock with sub-millisecond resolution.
double MonotonicMs();

// Sleeps for the given milliseconds (nothing for 0 or less).
void SleepMilliseconds(long long ms);
// Sleeps for the given microseconds (nothing for 0 or less).
void SleepMicroseconds(long long us);

// Hands control to the system for a moment where a program must, to be shown and to
// get its events (a web page, after each picture); nothing elsewhere.
void GiveWayToSystem();

}  // namespace zentoir::os
