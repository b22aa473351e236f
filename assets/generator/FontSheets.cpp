#include "FontSheets.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace pindrake_assets {

namespace {

// Windows-1252 characters in 0x80..0x9F; 0 where that code page leaves a hole.
constexpr uint16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct Metrics {
  int advance, ascent, descent;
};

// Every glyph is drawn as a hinted one-bit bitmap.
constexpr FT_Int32 kRenderFlags = FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT;

Metrics MeasureAt(FT_Face face, int pixelSize) {
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
  int advance = 0;
  if (FT_Load_Char(face, 'M', kRenderFlags) == 0) {
    advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
  }
  return {advance, static_cast<int>((face->size->metrics.ascender + 63) >> 6),
          static_cast<int>((-face->size->metrics.descender + 63) >> 6)};
}

bool LoadGlyph(FT_Face face, uint32_t codePoint, int pixelSize) {
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
  return FT_Load_Char(face, codePoint, kRenderFlags) == 0;
}

// Renders the glyph at the sheet's size, or at the largest smaller one at which it fits
// the cell width, so no glyph is cut at the cell's edge (an 'O' into a 'C').
bool LoadFittingGlyph(FT_Face face, uint32_t codePoint, int pixelSize, int cellWidth) {
  for (int size = pixelSize; size > 4; --size) {
    if (!LoadGlyph(face, codePoint, size)) return false;
    if (static_cast<int>(face->glyph->bitmap.width) <= cellWidth) return true;
  }
  return LoadGlyph(face, codePoint, 4);
}

// Glyphs of the Latin-1 range wider than the cell at this size (wide typographic signs
// of 0x80..0x9F are not counted).
int GlyphsTooWide(FT_Face face, const SheetLayout& layout, int pixelSize) {
  int tooWide = 0;
  for (int code = 33; code < 16 * layout.rows; ++code) {
    if (code >= 0x7F && code <= 0xA0) continue;
    if (!LoadGlyph(face, CodePointOfByte(code), pixelSize)) continue;
    tooWide += static_cast<int>(face->glyph->bitmap.width) > layout.cellWidth;
  }
  return tooWide;
}

// The largest size whose line fits the cell height and at which no more than a few glyphs
// are too wide for the cell (those are drawn a little smaller).
int ChoosePixelSize(FT_Face face, const SheetLayout& layout, Metrics& chosen) {
  constexpr int kMostSqueezed = 1;
  int best = 4;
  chosen = MeasureAt(face, best);
  for (int size = 5; size <= 4 * layout.cellHeight; ++size) {
    const Metrics m = MeasureAt(face, size);
    if (m.ascent + m.descent > layout.cellHeight) break;
    if (GlyphsTooWide(face, layout, size) > kMostSqueezed) break;
    best = size;
    chosen = m;
  }
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(best));
  return best;
}

uint8_t Blend(uint8_t top, uint8_t bottom, double amount) {
  return static_cast<uint8_t>(top + (bottom - top) * amount + 0.5);
}

}  // namespace

uint32_t CodePointOfByte(int byte) {
  if (byte < 32 || byte == 127) return 0;
  if (byte >= 0x80 && byte < 0xA0) return kWindows1252High[byte - 0x80];
  return static_cast<uint32_t>(byte);
}

FontRenderer::FontRenderer() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) library_ = library;
}

FontRenderer::~FontRenderer() {
  if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

bool FontRenderer::RenderSheet(const std::string& fontFile, const SheetLayout& layout,
                               GlyphColour colour, GlyphColour bottomColour, PixelBuffer& sheet,
                               std::string& error) {
  FT_Face face = nullptr;
  if (!library_ || FT_New_Face(static_cast<FT_Library>(library_), fontFile.c_str(), 0, &face)) {
    error = "cannot open font " + fontFile;
    return false;
  }
  Metrics metrics{};
  const int pixelSize = ChoosePixelSize(face, layout, metrics);
  const int baseline = (layout.cellHeight - metrics.ascent - metrics.descent) / 2 + metrics.ascent;
  const int left = (layout.cellWidth - metrics.advance) / 2;

  sheet = PixelBuffer{16 * layout.cellWidth, layout.rows * layout.cellHeight, 3, {}};
  sheet.bytes.assign(static_cast<size_t>(sheet.width) * sheet.height * 3, 0);
  for (int code = 0; code < 16 * layout.rows; ++code) {
    const uint32_t codePoint = CodePointOfByte(code);
    if (codePoint == 0 || codePoint == ' ' || codePoint == 0xA0) continue;
    if (!LoadFittingGlyph(face, codePoint, pixelSize, layout.cellWidth)) continue;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) continue;
    const int cellX = (code % 16) * layout.cellWidth, cellY = (code / 16) * layout.cellHeight;
    // Moved inside the cell where its bearing would push it over an edge.
    const int glyphX = std::clamp(left + face->glyph->bitmap_left, 0,
                                  std::max(0, layout.cellWidth - static_cast<int>(bitmap.width)));
    const int glyphY = baseline - face->glyph->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const int y = glyphY + static_cast<int>(row);
      if (y < 0 || y >= layout.cellHeight) continue;  // never spill into the next cell
      const double shade = static_cast<double>(y) / std::max(1, layout.cellHeight - 1);
      for (unsigned column = 0; column < bitmap.width; ++column) {
        const int x = glyphX + static_cast<int>(column);
        if (x < 0 || x >= layout.cellWidth) continue;
        const uint8_t bits = bitmap.buffer[row * bitmap.pitch + column / 8];
        if (!(bits & (0x80 >> (column % 8)))) continue;
        uint8_t* p = sheet.Pixel(cellX + x, cellY + y);
        p[0] = Blend(colour.red, bottomColour.red, shade);
        p[1] = Blend(colour.green, bottomColour.green, shade);
        p[2] = Blend(colour.blue, bottomColour.blue, shade);
      }
    }
  }
  FT_Done_Face(face);
  return true;
}

}  // namespace pindrake_assets
