// The scaled screen: the game draws its screen (the size of the screen mode) into a
// framebuffer of that size, and each presented frame shows it scaled to the window
// with its aspect kept, black bars filling the rest. The window can be resized, full
// screen falls back to the desktop's size when the display has no mode of the screen's
// size, and the pointer is mapped back to screen pixels. Everything that reads the
// screen (captures, GetPixel, saving) keeps working in screen pixels.
#pragma once

#include <cstdint>

namespace zentoir {

// Non-zero turns the scaled screen on, zero turns it off. Returns 1 when the scaled
// screen is on afterwards (0: off, or the renderer cannot draw into a framebuffer).
double SetScaledScreen(double flag);
// 1 while the scaled screen is on.
double IsScaledScreen();

// The framebuffer that stands for the back buffer while drawing (0 without scaling).
uint32_t BackBufferFramebuffer();
// Shows the drawn screen scaled in the window's back buffer; drawing then goes on into
// the screen's framebuffer. The renderer runs it before every swap.
void PresentScaledScreen();
// Turns the scaled screen off and deletes its framebuffer (the renderer's release).
void ReleaseScaledScreen();

// Joins the scaled screen to mode changes (called at start-up).
void RegisterScaledScreenHooks();

}  // namespace zentoir
