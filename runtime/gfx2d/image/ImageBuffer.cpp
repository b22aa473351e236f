#include "gfx2d/image/ImageBuffer.h"

namespace zentoir {

void ApplyColourKey(ImageBuffer& image, int64_t colourKey) {
  if (colourKey < 0) return;
  const size_t count = size_t(image.width) * size_t(image.height);
  for (size_t i = 0; i < count; ++i) {
    uint8_t* p = &image.pixels[i * 4];
    if (ColourNumber(p[0], p[1], p[2]) == colourKey) p[0] = p[1] = p[2] = p[3] = 0;
  }
}

}  // namespace zentoir
