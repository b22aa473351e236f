// The frame loop: presenting a frame and its pacing.
#pragma once

#include "base/RuntimeClock.h"

namespace zentoir {

// Ends the frame: waits while paused, stops on Esc (while enabled) or Alt+F4, shows the
// back buffer at the pace of the frame-rate limit, dispatches the window events and
// prepares the drawing state of the next frame.
void PresentFrame();

}  // namespace zentoir
