// PNG files from memory: any bytes give an image of the declared size or a refusal that
// leaves the image empty. The chunk checksums are put right before decoding, or libpng
// would refuse nearly every changed input at its first chunk.
#include <array>
#include <cstdlib>

#include "gfx2d/image/PngReader.h"

namespace {

uint32_t Crc32(const uint8_t* bytes, size_t count) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> entries{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k)
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
    return entries;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < count; ++i)
    crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

// Chunks after the 8-byte signature: length, type, data, CRC of type and data.
void FixChunkChecksums(std::vector<uint8_t>& file) {
  size_t at = 8;
  while (file.size() >= at + 12) {
    const uint8_t* p = &file[at];
    const uint64_t length = uint64_t{p[0]} << 24 | p[1] << 16 | p[2] << 8 | p[3];
    if (length > file.size() - at - 12) return;
    const uint32_t crc = Crc32(p + 4, size_t(length) + 4);
    uint8_t* out = &file[at + 8 + size_t(length)];
    for (int i = 0; i < 4; ++i)
      out[i] = uint8_t(crc >> (24 - 8 * i));
    at += 12 + size_t(length);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zentoir;
  std::vector<uint8_t> file(data, data + size);
  FixChunkChecksums(file);
  ImageBuffer image;
  const bool decoded = DecodePng(file, "fuzz.png", ColourNumber(255, 0, 255), image);
  const size_t expected = size_t(image.width) * size_t(image.height) * 4;
  if (decoded ? image.pixels.size() != expected : !image.pixels.empty()) std::abort();
  return 0;
}
