// Where the screen lies in the window while the picture is scaled: the letterbox
// rectangle and the conversion of pointer positions and motion between window and
// screen pixels. Without scaling the mapping is the identity.
#pragma once

#include <cstdint>

namespace zentoir {

struct WindowMapping {
  double scale = 1;     // window pixels per screen pixel
  int32_t offsetX = 0;  // the screen's top-left corner in the window
  int32_t offsetY = 0;
  int32_t width = 0;  // the screen's size in the window
  int32_t height = 0;
  double restX = 0;  // motion not yet passed on, in screen pixels
  double restY = 0;
};

// The largest rectangle of the screen's aspect that fits the window, centred.
WindowMapping LetterboxFor(int32_t windowWidth, int32_t windowHeight, int32_t screenWidth,
                           int32_t screenHeight);

// The mapping the input object uses (the identity until the scaled screen sets one).
WindowMapping& CurrentWindowMapping();
void ResetWindowMapping();

// A window position as a screen position (outside the picture it lies off the screen).
void WindowToScreen(const WindowMapping& mapping, int32_t wx, int32_t wy, int32_t& sx, int32_t& sy);
void ScreenToWindow(const WindowMapping& mapping, int32_t sx, int32_t sy, int32_t& wx, int32_t& wy);
// Motion in window pixels as motion in screen pixels; fractions are kept for the next.
void ScaleMotion(WindowMapping& mapping, int32_t dx, int32_t dy, int32_t& sdx, int32_t& sdy);

}  // namespace zentoir
