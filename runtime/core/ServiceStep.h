// What every loop that waits does on each pass, and the wait for a frame's time.
#pragma once

namespace zentoir {

class OpenGLRadazuri;

// The window's events are handled, the tune starts again when its loop is due, and Esc
// (while it ends the program) or Alt+F4 ends the program.
void ServiceStep();

// Shows the back buffer, then waits until the next frame is due, serving the events
// in between; returns the milliseconds waited plus 1.
double ShowBackBuffer(OpenGLRadazuri& renderer);

}  // namespace zentoir
