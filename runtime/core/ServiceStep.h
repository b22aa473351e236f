// What every loop that waits does on each pass, and the wait for a frame's time.
#pragma once

namespace zentoir {

// Esc (while it ends the program) or Alt+F4, down when the frame began or pressed since
// the events were last handled, ends the program.
void ApplyStopKeys();

// The tune starts again when its loop is due, and the window's events are handled.
void ServeEvents();

// Both, the stop keys first: what a waiting loop does on each pass. A loop that ends on
// a key applies the stop keys once more, since that key may be one of them.
void ServiceStep();

// Shows the back buffer, then waits until the next frame is due, serving the events
// in between; returns the milliseconds waited plus 1 (0 without a renderer).
double ShowBackBuffer();

}  // namespace zentoir
