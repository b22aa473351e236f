#include "gfx2d/AlphaOverlap.h"

#include <algorithm>

namespace zentoir {
namespace {

// The mask byte under screen pixel (x, y); pixels outside the image count as empty.
bool Solid(const PlacedMask& m, int64_t x, int64_t y) {
  const int64_t column = x - m.originX, row = y - m.originY;
  if (!m.mask || column < 0 || row < 0 || column >= m.width || row >= m.height) return false;
  return m.mask[int64_t{m.textureWidth} * (m.height - 1 - row) + column] != 0;
}

}  // namespace

PlacedMask PlaceImage(const uint8_t* mask, int32_t textureWidth, int32_t width, int32_t height,
                      int32_t x, int32_t y) {
  PlacedMask m{mask, textureWidth, width, height, x, y, x, y, 0, 0};
  m.right = static_cast<int32_t>(std::min<int64_t>(int64_t{x} + width, INT32_MAX));
  m.bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height, INT32_MAX));
  return m;
}

PlacedMask PlaceFrame(const uint8_t* mask, int32_t textureWidth, int32_t width, int32_t height,
                      int32_t frameWidth, int32_t frameHeight, int32_t frame, int32_t x,
                      int32_t y) {
  const int32_t perRow = frameWidth > 0 ? width / frameWidth : 0;
  if (frameWidth <= 0 || frameHeight <= 0 || perRow <= 0) {
    return PlaceImage(mask, textureWidth, width, height, x, y);
  }
  PlacedMask m = PlaceImage(mask, textureWidth, width, height, x, y);
  m.originX = static_cast<int32_t>(int64_t{x} - int64_t{frameWidth} * (frame % perRow));
  m.originY = static_cast<int32_t>(int64_t{y} - int64_t{frameHeight} * (frame / perRow));
  m.right = static_cast<int32_t>(std::min<int64_t>(int64_t{x} + frameWidth, INT32_MAX));
  m.bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + frameHeight, INT32_MAX));
  return m;
}

int TestAlphaOverlap(const PlacedMask& a, const PlacedMask& b) {
  const int64_t left = std::max(a.left, b.left), right = std::min(a.right, b.right);
  const int64_t top = std::max(a.top, b.top), bottom = std::min(a.bottom, b.bottom);
  if (right <= left || bottom <= top) return 0;
  for (int rowPhase = 0; rowPhase < 2; ++rowPhase) {
    for (int columnPhase = 0; columnPhase < 2; ++columnPhase) {
      for (int64_t y = top + rowPhase; y < bottom; y += 2) {
        for (int64_t x = left + columnPhase; x < right; x += 2) {
          if (Solid(a, x, y) && Solid(b, x, y)) return 1;
        }
      }
    }
  }
  return 0;
}

}  // namespace zentoir
