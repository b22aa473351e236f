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

// Images wider or taller than this are refused by the readers (sprite sizes are 16-bit);
// callers pass a smaller side limit, the largest texture, where they know it.
constexpr int32_t kMaxImageSide = 32767;

// The most pixels one image may have (256 MiB of RGBA), whatever its sides: a small file
// declaring a huge picture is refused before anything is decoded or allocated.
constexpr int64_t kMaxImagePixels = int64_t{1} << 26;

// Image files larger than this are not read at all (room for the largest image stored
// without compression, with its headers).
constexpr int64_t kMaxImageFileBytes = kMaxImagePixels * 5;

// Whether a declared size is one the readers decode: sides 1..maxSide, at most
// kMaxImagePixels pixels.
inline bool DecodableSize(int64_t width, int64_t height, int32_t maxSide) {
  return width >= 0 && height >= 0 && width <= maxSide && height <= maxSide &&
         width * height <= kMaxImagePixels;
}

// "No colour key" for the readers.
constexpr int64_t kNoColourKey = -1;

// A colour number as red + 256 × green + 65536 × blue.
inline uint32_t ColourNumber(uint8_t red, uint8_t green, uint8_t blue) {
  return uint32_t{red} | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}

// Makes pixels of the key colour transparent black (RGB images only).
void ApplyColourKey(ImageBuffer& image, int64_t colourKey);

}  // namespace zentoir
