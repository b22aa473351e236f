// Writer of uncompressed 24-bit Windows bitmaps (40-byte header, rows bottom-up).
#pragma once

#include <string>

#include "PngFile.h"

namespace pindrake_assets {

// Writes the red, green and blue bytes of an RGB or RGBA buffer; alpha is dropped.
bool WriteBmp24(const std::string& path, const PixelBuffer& pixels);

}  // namespace pindrake_assets

namespace pindrake_assets {

// Reads an uncompressed 24-bit bitmap with a 40-byte header into an RGB buffer.
bool ReadBmp24(const std::string& path, PixelBuffer& pixels);

}  // namespace pindrake_assets
