#include "gfx2d/gl/TextLayout.h"

#include <cmath>

namespace zentoir {
namespace {

constexpr size_t kFirstCapacity = 512;
constexpr size_t kCapacityStep = 128;

}  // namespace

FontGrid FontGridFor(int32_t width, int32_t height, int32_t textureWidth, int32_t textureHeight) {
  FontGrid grid;
  const bool tall = width < height;
  grid.rows = tall ? 16 : 8;
  grid.glyphs = tall ? 256 : 128;
  grid.cellWidth = width >> 4;
  grid.cellHeight = tall ? height >> 4 : height >> 3;
  if (textureWidth > 0) grid.cellS = (float(width) / float(textureWidth)) / 16.0f;
  if (textureHeight > 0) grid.cellT = (float(height) / float(textureHeight)) / float(grid.rows);
  return grid;
}

size_t TextBufferCapacity(size_t capacity, size_t needed) {
  if (needed < capacity) return capacity;
  if (needed < kFirstCapacity) return kFirstCapacity;
  return kCapacityStep * (needed / kCapacityStep + 1);
}

void LayoutText(const FontGrid& grid, std::string_view text, float x, float y, float z,
                TextVertex* out) {
  float left = std::ceil(x);
  const float top = std::ceil(y);
  const auto cw = float(grid.cellWidth), ch = float(grid.cellHeight);
  for (const char byte : text) {
    const int32_t glyph = int32_t(static_cast<unsigned char>(byte)) % grid.glyphs;
    const float s0 = grid.cellS * float(glyph % 16), s1 = s0 + grid.cellS;
    const float t0 = grid.cellT * float(grid.rows - 1 - glyph / 16), t1 = t0 + grid.cellT;
    *out++ = {left, top + ch, z, s0, t0};
    *out++ = {left + cw, top + ch, z, s1, t0};
    *out++ = {left + cw, top, z, s1, t1};
    *out++ = {left, top, z, s0, t1};
    left += cw;
  }
}

}  // namespace zentoir
