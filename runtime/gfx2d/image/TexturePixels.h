// Preparing image pixels for textures: power-of-two blocks with bottom-up rows, colour
// bleeding into transparent texels, normal maps and mipmap levels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx2d/image/ImageBuffer.h"

namespace zentoir {

// A block of RGBA texels, row 0 at the bottom of the image.
struct TexelBlock {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> bytes;

  uint8_t* At(int32_t x, int32_t y) { return &bytes[(size_t(y) * size_t(width) + size_t(x)) * 4]; }
  const uint8_t* At(int32_t x, int32_t y) const {
    return &bytes[(size_t(y) * size_t(width) + size_t(x)) * 4];
  }
};

// The smallest power of two that is at least 2 and not less than n.
int32_t TextureSizeFor(int32_t n);

// Copies the region (x, y, w, h) of the image into a fresh power-of-two block: the
// region's top row lands in texture row h - 1; texels outside the image stay
// transparent black. w or h of 0 means "to the image's edge"; both are clamped to
// maxTextureSize. Returns false (block untouched) for an empty region. Unless fontMode,
// transparent texels take the colour of their opaque neighbours (see BleedColours).
bool BuildTexels(const ImageBuffer& image, int32_t x, int32_t y, int32_t w, int32_t h,
                 int32_t maxTextureSize, bool fontMode, TexelBlock& block);

// Gives every fully transparent texel the average colour of its opaque neighbours that
// lie at least one texel inside the border, so linear filtering does not darken edges.
void BleedColours(TexelBlock& block);

// A normal map from the red channel as a height field (wrapping at the edges); alpha
// is kept.
TexelBlock MakeNormalMap(const TexelBlock& block);

// Mipmap levels of a block: first squared by halving its longer side, then halved down
// to 1 × 1. Level 0 is the square.
std::vector<TexelBlock> BuildMipLevels(const TexelBlock& block);

}  // namespace zentoir
