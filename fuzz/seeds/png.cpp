// RGBA from the runtime's image writer, RGB from the asset generator's writer, and grey,
// grey with alpha, 16-bit grey and palette images through libpng's simplified writer, and
// one with a chunk whose length lies.
#include <png.h>

#include "PngFile.h"
#include "SeedCorpus.h"
#include "gfx2d/image/ImageWriter.h"

namespace {

std::vector<uint8_t> Pattern(size_t count) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < count; ++i)
    bytes.push_back(uint8_t(i * 37));
  return bytes;
}

// A 4 × 3 image of the simplified API's format; empty when libpng refuses.
std::vector<uint8_t> SimplifiedPng(uint32_t format) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = 4;
  image.height = 3;
  image.format = format;
  const uint8_t colours[4 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 99, 199};
  const bool mapped = format & PNG_FORMAT_FLAG_COLORMAP;
  if (mapped) image.colormap_entries = 4;
  std::vector<uint8_t> pixels = Pattern(PNG_IMAGE_SIZE(image));
  if (mapped) {
    for (auto& p : pixels)
      p %= 4;
  }
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, pixels.data(), 0,
                                       mapped ? colours : nullptr)) {
    return {};
  }
  std::vector<uint8_t> file(size);
  if (!png_image_write_to_memory(&image, file.data(), &size, 0, pixels.data(), 0,
                                 mapped ? colours : nullptr)) {
    return {};
  }
  file.resize(size);
  return file;
}

// The file cut after its header, followed by a suggested-palette chunk that claims 1.8 GB
// and brings four bytes.
std::vector<uint8_t> WithLyingChunk(std::vector<uint8_t> file) {
  const size_t afterHeader = 8 + 25;  // signature, then the header chunk with its CRC
  if (file.size() < afterHeader) return {};
  file.resize(afterHeader);
  const uint8_t chunk[] = {0x6d, 0, 0, 1, 's', 'P', 'L', 'T', 0, 0xff, 9, 0x63};
  file.insert(file.end(), std::begin(chunk), std::end(chunk));
  return file;
}

}  // namespace

FUZZ_SEEDS(png) {
  const uint8_t pixels[] = {255, 0, 255, 10, 20, 30, 0, 0, 0, 40, 50, 60, 70, 80, 90, 1, 2, 3};
  std::vector<uint8_t> file;
  if (zentoir::EncodePng({pixels, 3, 2, 3}, zentoir::KeyColour::From(0xFF00FF00), file)) {
    seeds.Add(file);
    seeds.Add(WithLyingChunk(file));
  }
  pindrake_assets::WritePng(seeds.NextPath(), pindrake_assets::PixelBuffer{4, 3, 3, Pattern(36)});
  for (uint32_t format : {uint32_t{PNG_FORMAT_GRAY}, uint32_t{PNG_FORMAT_GA},
                          uint32_t{PNG_FORMAT_LINEAR_Y}, uint32_t{PNG_FORMAT_RGB_COLORMAP}}) {
    seeds.Add(SimplifiedPng(format));
  }
}
