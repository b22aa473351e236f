// Coloured primitives and textured polygons. Colours are red + 256 × green + 65536 × blue;
// the transparent colour draws with alpha 0.
#pragma once

namespace zentoir {

// One pixel in the colour (red + 256 × green + 65536 × blue).
void SetPixel(double x, double y, double colour);
// A line whose end pixel is always set, so a line of length 0 sets one pixel.
void DrawLine(double x1, double y1, double x2, double y2, double colour);
// Negative sizes extend to the left or upwards from x, y.
void FillRect(double x, double y, double width, double height, double colour);

// A convex polygon fanned from its first vertex, textured by a sprite (or -1 for none).
void StartPolyVector(double sprite);
// x, y on the screen; s, t in pixels of the sprite image, t from the top.
void AddPolyVertex(double x, double y, double s, double t, double colour);
void EndPolyVector();

}  // namespace zentoir
