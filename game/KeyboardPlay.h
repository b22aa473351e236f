// Keyboard play: the cursor keys move the outline from balloon to balloon, Space or
// Return bursts the group under it, U or Backspace takes the last burst back. The mouse
// works beside it: moving the mouse hands the outline back to the pointer.
#pragma once

#include "Globals.h"

namespace pindrake {

// Key codes the board screen reads.
constexpr int KEY_UP = 200;
constexpr int KEY_DOWN = 208;
constexpr int KEY_LEFT = 203;
constexpr int KEY_RIGHT = 205;
constexpr int KEY_SPACE = 57;
constexpr int KEY_RETURN = 28;
constexpr int KEY_PAD_ENTER = 156;
constexpr int KEY_U = 22;
constexpr int KEY_BACKSPACE = 14;

// Once per frame, after the hovered cell was taken from the mouse: reads the keys
// pressed since the last frame and, while the keyboard has the outline, makes its
// cell the hovered one.
void UpdateKeyboardPlay();
// What a fresh press of the key does (UpdateKeyboardPlay calls it for each).
void PressPlayKey(int keyCode);
// A burst asked for by Space or Return, with the outline's cell; taken once.
bool TakeKeyboardBurst(double& column, double& row);
// An undo asked for by U or Backspace; taken once.
bool TakeUndoRequest();
// Whether the keyboard has the outline; the pointer is not drawn then.
bool KeyboardLeads();
// Forgets keys pressed and hands the outline back to the mouse.
void ResetKeyboardPlay();

}  // namespace pindrake
