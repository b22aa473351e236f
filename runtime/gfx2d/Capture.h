// Reading the drawing target back: screen rectangles into sprites, the whole screen into
// a background image, single pixels.
#pragma once

namespace zentoir {

// Copies the screen rectangle (x, y from the top-left, width × height) into sprite n.
// Pixels drawn in the transparent colour become transparent.
void CaptureSprite(double n, double x, double y, double width, double height);
// Copies the whole screen into background image 0.
void CaptureBackground();
// The colour of one screen pixel as red + 256 × green + 65536 × blue.
double GetPixel(double x, double y);

}  // namespace zentoir
