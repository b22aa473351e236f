// Reading the drawing target's pixels: rows counted from its bottom, bytes tightly
// packed.
#pragma once

#include <cstdint>

namespace zentoir {

void ReadBgrPixels(int32_t x, int32_t yFromBottom, int32_t w, int32_t h, uint8_t* bgr);
// BGRA rows of `rowLength` pixels each (w of them read).
void ReadBgraRows(int32_t x, int32_t yFromBottom, int32_t w, int32_t h, int32_t rowLength,
                  uint8_t* bgra);
void ReadRgbPixel(int32_t x, int32_t yFromBottom, uint8_t (&rgb)[3]);
// The alpha bits of the drawing target's colour.
int32_t TargetAlphaBits();
// Whether the drawing target stores 8 bits in each of red, green and blue.
bool TargetHasEightBitColour();

}  // namespace zentoir
