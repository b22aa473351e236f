// Writing images: 24-bit Windows bitmaps and RGBA PNG files from BGR pixel rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentoir {

// BGR pixels, `rowLength` pixels per row, row 0 at the bottom of the image; the image is
// the w × h corner at the start of each of the first h rows.
struct BgrImage {
  const uint8_t* pixels = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t rowLength = 0;
};

// The key colour as R << 24 | G << 16 | B << 8 (the form the renderer reads back).
struct KeyColour {
  uint8_t red = 0, green = 0, blue = 0;
  static KeyColour From(uint32_t key) {
    return {uint8_t(key >> 24), uint8_t(key >> 16), uint8_t(key >> 8)};
  }
};

// Whether a path gets a PNG: longer than 4 characters and ending in ".png" in any case.
bool IsPngPath(std::string_view path);

// A 24-bit bitmap file: rows padded to multiples of 4 bytes, bottom row first; pixels of
// the key colour are written as red 255, green 0, blue 128.
std::vector<uint8_t> EncodeBmp(const BgrImage& image, KeyColour key);

// A PNG file (RGBA, 8 bits, white background chunk), top row first. When the key's red is
// not 0, pixels of the key's green and blue become transparent blue. False when libpng
// fails.
bool EncodePng(const BgrImage& image, KeyColour key, std::vector<uint8_t>& file);

// Encodes the image by the path rule and writes it, replacing a regular file of that
// name (see os/ReplaceFile.h). False for an empty image, for a path that holds a
// folder, FIFO or device, and when the file cannot be written (the old file then stays).
bool WriteImageFile(const std::string& path, const BgrImage& image, KeyColour key);

}  // namespace zentoir
