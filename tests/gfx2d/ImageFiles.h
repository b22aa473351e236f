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

// An RGBA PNG whose colour and alpha vary across it, with alpha 0 on every fifth
// diagonal, so that filtering, blending, mirroring and the alpha test all show.
std::vector<uint8_t> MakeGradientPng(int width, int height);

// An RGBA PNG whose alpha is only 255, or (with holes) only 0 and 255.
std::vector<uint8_t> MakeSolidPng(int width, int height, bool holes);

}  // namespace zentoir::testing
