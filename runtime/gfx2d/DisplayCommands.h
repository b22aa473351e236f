// The display commands of the renderer: frame-rate limit, full-screen state, vertical sync,
// window icon.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Frames per second, truncated; 0 or less: no limit (at most one frame every 2 ms).
void SetFrameRateLimit(double framesPerSecond);
// 1 while the display is in full-screen mode, else 0.
double IsFullScreen();
// 1: presenting also waits for the display's vertical refresh (the default), which
// spares the processor the busy wait of the pacing; where the display's swaps return at
// once all the same, frames are paced at its refresh rate (60 when it does not say).
// 0: frames come as fast as the frame-rate limit allows.
void SetVerticalSync(double flag);
// Shows the image (PNG or bitmap, at most 1024 pixels a side, found like every data
// file) as the window's icon, where the desktop shows one. 1 when it was set; 0 when the
// file cannot be found or read, or before the window exists.
double SetWindowIcon(const DynString& path);

}  // namespace zentoir
