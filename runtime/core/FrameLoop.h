// The frame loop: presenting a frame and its pacing.
#pragma once

#include "base/RuntimeClock.h"

namespace zentoir {

// Ends the frame: waits while paused, stops on Esc (while enabled) or Alt+F4, shows the
// back buffer at the pace of the frame-rate limit, dispatches the window events and
// prepares the drawing state of the next frame.
void PresentFrame();

// Frames per second, truncated; 0 or less: no limit (at most one frame every 2 ms).
void SetFrameRateLimit(double framesPerSecond);
// 1 while the display is in full-screen mode, else 0.
double IsFullScreen();
// 1: presenting also waits for the display's vertical refresh (the default), which
// spares the processor the busy wait of the pacing; 0: it does not.
void SetVerticalSync(double flag);

}  // namespace zentoir
