#include "gfx2d/image/DefaultFont.h"

#include <array>

namespace zentoir {
namespace {

constexpr int32_t kFirstCode = 32;
constexpr int32_t kCell = 8;
constexpr int32_t kGlyphColumns = 5;
constexpr int32_t kGlyphRows = 6;

constexpr std::array<uint32_t, 96> kMasks = {
    0x00000000, 0x08021080, 0x00002940, 0x15F57D40, 0x08E619C4, 0x14222140, 0x0ED114E0, 0x00001080,
    0x08210880, 0x04421040, 0x09575480, 0x08471080, 0x04400000, 0x00070000, 0x08000000, 0x04222100,
    0x00E5294E, 0x004210C4, 0x00E1390E, 0x00E4390E, 0x0084394A, 0x00E4384E, 0x00E5384E, 0x0042210E,
    0x00E5394E, 0x00E4394E, 0x00020080, 0x00220080, 0x00820888, 0x000701C0, 0x00222082, 0x0040310E,
    0x00E0B526, 0x00A5394E, 0x00E5194E, 0x00E5094E, 0x00E52946, 0x00E1384E, 0x0021384E, 0x00E5284E,
    0x00A5394A, 0x00E2108E, 0x00E5210C, 0x00A5194A, 0x00E10842, 0x015AD6BF, 0x00A5294E, 0x00E5294E,
    0x0021394E, 0x00F294A7, 0x00A5194E, 0x00E4384E, 0x0042108E, 0x00E5294A, 0x0045294A, 0x01FAD6B5,
    0x00A5114A, 0x0042394A, 0x00E1110E, 0x00610846, 0x01041041, 0x00621086, 0x00000144, 0x00E00000,
    0x00000082, 0x00E53000, 0x00E53842, 0x00E13800, 0x00E53908, 0x08273800, 0x00423888, 0x08873800,
    0x00A51842, 0x00421004, 0x04421004, 0x00A32842, 0x00421084, 0x015ABC00, 0x00A51800, 0x00E53800,
    0x04E51800, 0x10E53000, 0x00253800, 0x00E409C0, 0x00C23884, 0x00C52800, 0x00452800, 0x00EAD400,
    0x00A22800, 0x1C872800, 0x00E121C0, 0x00821888, 0x00421084, 0x00223082, 0x0002A800, 0x3F18C63F,
};

// Whether the glyph pixel at cell pixel (cx, cy) is set; cell pixel (gc + 1, gr + 1)
// shows glyph pixel (gc, gr).
bool GlyphPixel(uint32_t mask, int32_t cx, int32_t cy) {
  const int32_t gc = cx - 1, gr = cy - 1;
  if (gc < 0 || gc >= kGlyphColumns || gr < 0 || gr >= kGlyphRows) return false;
  return (mask >> (gr * kGlyphColumns + gc)) & 1u;
}

bool Outlines(uint32_t mask, int32_t cx, int32_t cy) {
  return GlyphPixel(mask, cx - 1, cy) || GlyphPixel(mask, cx + 1, cy) ||
         GlyphPixel(mask, cx, cy - 1) || GlyphPixel(mask, cx, cy + 1);
}

void SetPixel(ImageBuffer& image, int32_t x, int32_t y, uint8_t grey) {
  uint8_t* pixel = image.PixelAt(x, y);
  pixel[0] = pixel[1] = pixel[2] = grey;
  pixel[3] = 255;
}

void DrawGlyph(ImageBuffer& image, int32_t code) {
  const uint32_t mask = DefaultFontMask(code);
  const int32_t left = (code % 16) * kCell, top = (code / 16) * kCell;
  for (int32_t cy = 0; cy < kCell; ++cy) {
    for (int32_t cx = 0; cx < kCell - 1; ++cx) {
      if (GlyphPixel(mask, cx, cy)) {
        SetPixel(image, left + cx, top + cy, 255);
      } else if (Outlines(mask, cx, cy)) {
        SetPixel(image, left + cx, top + cy, 8);
      }
    }
  }
}

}  // namespace

uint32_t DefaultFontMask(int32_t code) {
  if (code < kFirstCode || code >= kFirstCode + int32_t(kMasks.size())) return 0;
  return kMasks[size_t(code - kFirstCode)];
}

void BuildDefaultFont(ImageBuffer& image) {
  image.width = kDefaultFontWidth;
  image.height = kDefaultFontHeight;
  image.pixels.assign(size_t(kDefaultFontWidth) * kDefaultFontHeight * 4, 0);
  for (int32_t code = kFirstCode; code < kFirstCode + int32_t(kMasks.size()); ++code)
    DrawGlyph(image, code);
}

}  // namespace zentoir
