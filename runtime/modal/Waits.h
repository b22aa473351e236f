// Waiting for the user outside the frame loop.
#pragma once

namespace zentoir {

// Returns when a key newly types a character (the music keeps looping meanwhile).
void WaitKey();
// Waits until no mouse button is down, then until one is pressed.
void WaitMouse();
// Waits until something happens: a key down, the mouse moved or its left or right
// button changed, a joystick button down. Esc ends the program while Esc ends it
// at frames (SetEscapeEnds).
void IdleStep();

}  // namespace zentoir
