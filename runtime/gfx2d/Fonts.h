// Bitmap fonts: 32 font slots (sprites 65504..65535) with 16 glyph cells per row, and
// one-line text drawn from them.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// The number of font slots.
constexpr int kFontSlots = 32;

// Loads a font image (through the resource archive, with the font colour key) into
// slot n (clamped to 0..31) and selects it. When the file cannot be loaded, the slot gets
// the built-in 8 × 8 font.
void LoadFont(const DynString& path, double n);
// Selects font n, clamped to 0..31.
void SelectFont(double n);
// Draws the text with the selected font, top-left corner at (ceil(x), ceil(y)). Every byte
// is one glyph; there are no line breaks.
void PrintText(const DynString& text, double x, double y);
// PrintText of the number as number-to-text conversion writes it.
void PrintNumber(double number, double x, double y);
// The selected font's cell: width W div 16; height H div 16 when W < H, else H div 8.
void GetFontSize(double& cellWidth, double& cellHeight);

}  // namespace zentoir
