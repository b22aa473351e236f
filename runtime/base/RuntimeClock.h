// The runtime's millisecond clock and the frame time stamps kept in the runtime context.
#pragma once

namespace zentoir {

// Milliseconds since the end of start-up.
double GetTimeMs();
// Milliseconds between the last two frames; 1 when that is not positive.
double GetFrameTime();
// Sleeps for the milliseconds truncated toward zero (nothing for 0 or less).
void SleepMs(double milliseconds);

}  // namespace zentoir
