// Image files as the sprite and background loaders read them: a bitmap or a PNG.
#pragma once

#include <cstdint>
#include <string>

#include "gfx2d/image/ImageBuffer.h"

namespace zentoir {

// Reads the file once and decodes it as a bitmap when it starts with "BM", else as a
// PNG. Pixels of the colour key (kNoColourKey for none) become transparent black. A side
// beyond `maxSide` is refused before decoding. On failure the image is empty and the
// result false.
bool ReadImageFile(const std::string& path, int64_t colourKey, ImageBuffer& image,
                   int32_t maxSide = kMaxImageSide);

}  // namespace zentoir
