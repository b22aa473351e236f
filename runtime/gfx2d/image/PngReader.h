// PNG files through libpng: grey, RGB and RGBA of 8 bits per sample after expansion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx2d/image/ImageBuffer.h"

namespace zentoir {

// Decodes PNG bytes into `image`; `name` is used in messages. RGB pixels of the colour
// key (kNoColourKey for none) become transparent black; RGBA keeps its alpha and grey is
// always opaque. A side beyond `maxSide` or more than kMaxImagePixels pixels is refused
// before decoding. On failure the image is empty and the result false.
bool DecodePng(const std::vector<uint8_t>& file, const std::string& name, int64_t colourKey,
               ImageBuffer& image, int32_t maxSide = kMaxImageSide);

}  // namespace zentoir
