// Decoded images: RGBA bytes, rows from the top of the image downward.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentoir {

struct ImageBuffer {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // width × height × 4; keeps its allocation when reused

  void Release() {
    width = height = 0;
    pixels.clear();
    pixels.shrink_to_fit();
  }
  uint8_t* PixelAt(int32_t x, int32_t y) {
    return &pixels[(size_t(y) * size_t(width) + size_t(x)) * 4];
  }
  const uint8_t* PixelAt(int32_t x, int32_t y) const {
    return &pixels[(size_t(y) * size_t(width) + size_t(x)) * 4];
  }
};

// Images wider or taller than this are refused by the readers (sprite sizes are 16-bit).
constexpr int32_t kMaxImageSide = 32767;

// "No colour key" for the readers.
constexpr int64_t kNoColourKey = -1;

// A colour number as red + 256 × green + 65536 × blue.
inline uint32_t ColourNumber(uint8_t red, uint8_t green, uint8_t blue) {
  return uint32_t{red} | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}

// Makes pixels of the key colour transparent black (RGB images only).
void ApplyColourKey(ImageBuffer& image, int64_t colourKey);

}  // namespace zentoir
