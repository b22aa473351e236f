// Windows bitmap files: 1, 4, 8, 24 and 32 bits per pixel, headers of 12 or 40 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx2d/image/ImageBuffer.h"

namespace zentoir {

// Decodes bitmap bytes into `image`; pixels of the colour key (kNoColourKey for none)
// become transparent black. A side beyond `maxSide` or more than kMaxImagePixels pixels
// is refused before decoding. On failure the image is empty and the result false.
bool DecodeBmp(const std::vector<uint8_t>& file, int64_t colourKey, ImageBuffer& image,
               int32_t maxSide = kMaxImageSide);

}  // namespace zentoir
