// The built-in font: an 8 × 8 cell grid of 128 glyphs, white with a dark outline, used
// when no font file can be loaded.
#pragma once

#include <cstdint>

#include "gfx2d/image/ImageBuffer.h"

namespace zentoir {

constexpr int32_t kDefaultFontWidth = 128;
constexpr int32_t kDefaultFontHeight = 64;

// The 5 × 6 pixel mask of a character code: bit b is glyph column b mod 5, row b div 5.
// Codes outside 32..127 have no pixels.
uint32_t DefaultFontMask(int32_t code);

// Fills `image` with the 128 × 64 font image.
void BuildDefaultFont(ImageBuffer& image);

}  // namespace zentoir
