// Pixel-exact collision of two sprites from their alpha masks.
#pragma once

#include <cstdint>

namespace zentoir {

// A sprite's alpha plane (textureWidth × textureHeight bytes, texture rows bottom-up)
// placed with its image's top-left corner at (originX, originY) on the screen, and the
// screen rectangle that takes part in the test.
struct PlacedMask {
  const uint8_t* mask = nullptr;
  int32_t textureWidth = 0;
  int32_t width = 0, height = 0;  // the image's size
  int32_t originX = 0, originY = 0;
  int32_t left = 0, top = 0, right = 0, bottom = 0;  // [left, right) × [top, bottom)
};

// The placement of a whole sprite image at (x, y).
PlacedMask PlaceImage(const uint8_t* mask, int32_t textureWidth, int32_t width, int32_t height,
                      int32_t x, int32_t y);

// The placement of one animation frame's cell at (x, y): its image origin shifts so that
// the cell lies there. Sprites without a frame grid use the whole image.
PlacedMask PlaceFrame(const uint8_t* mask, int32_t textureWidth, int32_t width, int32_t height,
                      int32_t frameWidth, int32_t frameHeight, int32_t frame, int32_t x, int32_t y);

// 1 when a pixel inside both rectangles is solid (alpha not 0) in both masks, else 0.
// Rectangles that only touch at an edge do not collide. The overlap is sampled in four
// interleaved passes so that large solid areas are found early.
int TestAlphaOverlap(const PlacedMask& a, const PlacedMask& b);

}  // namespace zentoir
