// Windows bitmaps from memory: any bytes give an image of the declared size or a
// refusal that leaves the image empty.
#include <cstdlib>

#include "gfx2d/image/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zentoir;
  const std::vector<uint8_t> file(data, data + size);
  ImageBuffer image;
  const bool decoded = DecodeBmp(file, ColourNumber(255, 0, 255), image);
  const size_t expected = size_t(image.width) * size_t(image.height) * 4;
  if (decoded ? image.pixels.size() != expected : !image.pixels.empty()) std::abort();
  return 0;
}
