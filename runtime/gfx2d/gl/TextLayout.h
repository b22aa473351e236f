// Bitmap-font text as geometry: the glyph grid of a font image and the quads of a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zentoir {

// One vertex of a text quad: position and texture coordinate.
struct TextVertex {
  float x, y, z, s, t;
};

// The glyph grid of a font image W × H in a TW × TH texture: 16 columns; 16 rows
// (256 glyphs) when W < H, else 8 rows (128 glyphs).
struct FontGrid {
  int32_t rows = 8;
  int32_t glyphs = 128;
  int32_t cellWidth = 0;
  int32_t cellHeight = 0;
  float cellS = 0;  // one cell's width in texture coordinates
  float cellT = 0;  // one cell row's height in texture coordinates
};

FontGrid FontGridFor(int32_t width, int32_t height, int32_t textureWidth, int32_t textureHeight);

// Capacity of the text vertex buffer for `needed` vertices: unchanged while it is
// larger, else 512 when that is enough, else the next step of 128 above.
size_t TextBufferCapacity(size_t capacity, size_t needed);

// Writes four vertices per byte of `text` into `out`, the first glyph's top-left corner at
// (ceil(x), ceil(y)), each glyph one cell width further right.
void LayoutText(const FontGrid& grid, std::string_view text, float x, float y, float z,
                TextVertex* out);

}  // namespace zentoir
