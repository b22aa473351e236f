// Bitmap font sheets: the glyphs of the Latin-1 code page (Windows-1252 in 0x80..0x9F)
// drawn with FreeType as crisp one-bit glyphs into a grid of 16 cells per row, on black,
// which is the colour the font loader makes transparent.
#pragma once

#include <cstdint>
#include <string>

#include "PngFile.h"

namespace pindrake_assets {

struct GlyphColour {
  uint8_t red, green, blue;
};

struct SheetLayout {
  int cellWidth;
  int cellHeight;
  int rows;  // 16 rows hold codes 0..255, 8 rows codes 0..127
};

class FontRenderer {
 public:
  FontRenderer();
  ~FontRenderer();
  FontRenderer(const FontRenderer&) = delete;
  FontRenderer& operator=(const FontRenderer&) = delete;

  // Renders a whole sheet (16 × cellWidth wide, rows × cellHeight high, RGB). The glyph
  // colour may change from the top of a cell to its bottom (`bottomColour`).
  // Returns false, with a message in `error`, when the font file cannot be used.
  bool RenderSheet(const std::string& fontFile, const SheetLayout& layout, GlyphColour colour,
                   GlyphColour bottomColour, PixelBuffer& sheet, std::string& error);

 private:
  void* library_ = nullptr;  // FT_Library, kept opaque to keep FreeType out of this header
};

// Unicode code point shown for a byte of the game's code page (0 for control codes).
uint32_t CodePointOfByte(int byte);

}  // namespace pindrake_assets
