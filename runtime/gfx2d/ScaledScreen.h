// The scaled screen: the game draws its screen (the size of the screen mode) into a
// framebuffer of that size, and each presented frame shows it scaled to the window
// with its aspect kept, black bars filling the rest. The window can be resized, full
// screen falls back to the desktop's size when the display has no mode of the screen's
// size, and the pointer is mapped back to screen pixels. Everything that reads the
// screen (captures, GetPixel, saving) keeps working in screen pixels.
#pragma once

namespace zentoir {

// Non-zero turns the scaled screen on, zero turns it off. Returns 1 when the scaled
// screen is on afterwards (0: off, or the renderer cannot draw into a framebuffer).
double SetScaledScreen(double flag);
// 1 while the scaled screen is on.
double IsScaledScreen();

}  // namespace zentoir
