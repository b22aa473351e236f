// Whole pictures drawn as textured quads: background tiles and the scaled screen.
#pragma once

#include <cstdint>

#include "gfx2d/gl/DrawBackend.h"

namespace zentoir {

// Background tiles are drawn opaque: texturing on, the alpha test off until the end.
void BeginBackgroundTiles(DrawBackend& backend);
void EndBackgroundTiles(DrawBackend& backend);
// A tile of w × h pixels at (x, y), showing texture coordinates (0, 0)..(s, t) with
// its first row at the bottom.
void DrawBackgroundTile(DrawBackend& backend, uint32_t texture, float x, float y, float w, float h,
                        float s, float t);

// Where the scaled screen lands in a drawable of drawableWidth × drawableHeight.
struct PictureRect {
  int32_t x, y, width, height;
  bool nearest;  // at scale 1: pixels stay sharp
};
// Clears the drawable to black and draws the texture (first row at the bottom) into the
// rectangle, unblended, with a fresh projection for the drawable.
void DrawScaledPicture(DrawBackend& backend, uint32_t texture, const PictureRect& rect,
                       int32_t drawableWidth, int32_t drawableHeight);

}  // namespace zentoir
