// Builders of small image files for the reader tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentoir::testing {

struct Rgb {
  uint8_t r, g, b;
};

// A bitmap file with a 40-byte header (or 12 with oldHeader). Pixels are given top row
// first; for 1, 4 and 8 bits they are palette indexes in `indexes`.
std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<Rgb>& pixels,
                             const std::vector<Rgb>& palette = {},
                             const std::vector<uint8_t>& indexes = {}, bool oldHeader = false);

// A PNG file through libpng: colourType as in png.h, 8-bit samples given row by row.
std::vector<uint8_t> MakePng(int width, int height, int colourType, int bitDepth,
                             const std::vector<uint8_t>& samples,
                             const std::vector<Rgb>& palette = {},
                             const std::vector<uint8_t>& transparency = {});

}  // namespace zentoir::testing
