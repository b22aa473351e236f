// The arithmetic of the frame-rate limit: pure functions, so they can be checked exactly.
#pragma once

namespace zentoir {

// Milliseconds between frames for a frames-per-second limit: 1000 / fps for fps > 0,
// else 2 (an unlimited program still shows at most one frame every 2 ms).
double FrameIntervalFor(int framesPerSecond);

// The limit that gives back an interval, for re-creating a window: 1000 / interval
// truncated, or 5 when the interval is 0 or less.
int FramesPerSecondFor(double frameInterval);

// The time before which the frame after this one is not shown, given the current
// `nextFrameTime` and the time `now` at which this frame was shown. A late frame skips
// whole intervals, so frames never bunch up to catch up.
double NextFrameTimeAfter(double nextFrameTime, double frameInterval, double now);

// How long to sleep while waiting for a frame due in `remaining` milliseconds: short
// slices (so events are still pumped) until shortly before it is due, whose last part
// is spun so that the frame is shown on time; 0 means spin.
double SleepBeforeFrameMs(double remaining);

}  // namespace zentoir
