// PNG reading and writing through libpng's simplified interface.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"

namespace pindrake_assets {

// 8-bit pixels, rows from the top, `channels` bytes per pixel (3 = RGB, 4 = RGBA).
struct PixelBuffer {
  int width = 0;
  int height = 0;
  int channels = 4;
  std::vector<uint8_t> bytes;

  uint8_t* Pixel(int x, int y) {
    return bytes.data() + (static_cast<size_t>(y) * width + x) * channels;
  }
  const uint8_t* Pixel(int x, int y) const {
    return bytes.data() + (static_cast<size_t>(y) * width + x) * channels;
  }
};

PixelBuffer ToRgba8(const Image& image);

// Both return false (and leave no partial promise) when the file cannot be written.
bool WritePng(const std::string& path, const PixelBuffer& pixels);
bool WritePng(const std::string& path, const Image& image);

// Reads any PNG as 8-bit RGBA. `storedAlpha`, when given, tells whether the file itself
// carries an alpha channel (or transparency), which keyed RGB images do not.
bool ReadPng(const std::string& path, PixelBuffer& pixels, bool* storedAlpha = nullptr);

}  // namespace pindrake_assets
