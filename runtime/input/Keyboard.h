// Keyboard commands, by key code (input/KeyCodes.h).
#pragma once

namespace zentoir {

// Takes the waiting events, then the key state: keys held or pressed in this frame.
double PollKeyboard();
// 1 while the key is down (low 8 bits of the truncated code), else 0. A key pressed and
// let go within one frame reads as down once.
double KeyState(double keyCode);
// 1 while any key is held or has been pressed in this frame, else 0. Unlike KeyState it
// takes no key's press, so a later KeyState of that key still sees it.
double AnyKeyDown();

}  // namespace zentoir
