// Switching between a window and full screen while the program runs.
#pragma once

namespace zentoir {

// Stores the size and flag in the start-up settings, switches the display (full screen
// at that size on the same window and context, or a window of that size), hands the
// window to the subsystems that hold it, and presents five frames so that both buffers
// are fresh and stale input is consumed.
void SetScreenMode(double width, double height, double fullScreen);

}  // namespace zentoir
