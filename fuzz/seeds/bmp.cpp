// A 24-bit bitmap from the image writer, and palette, 32-bit, old-header and top-down
// bitmaps built here.
#include "SeedCorpus.h"
#include "files/ArchiveFormat.h"
#include "gfx2d/image/ImageWriter.h"

namespace {

using zentoir::AppendLittleEndian32;

void Append16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

// A 3 × 2 bitmap of the given depth: palette of `colours` entries, rows of pattern bytes.
std::vector<uint8_t> Bitmap(uint16_t bits, uint32_t colours, int32_t height, bool oldHeader) {
  const uint32_t headerSize = oldHeader ? 12 : 40;
  const uint32_t entrySize = oldHeader ? 3 : 4;
  const uint32_t rowBytes = ((3 * bits + 31) / 32) * 4;
  const uint32_t rows = uint32_t(height < 0 ? -height : height);
  const uint32_t dataOffset = 14 + headerSize + colours * entrySize;
  std::vector<uint8_t> out = {'B', 'M'};
  AppendLittleEndian32(out, dataOffset + rowBytes * rows);
  AppendLittleEndian32(out, 0);
  AppendLittleEndian32(out, dataOffset);
  AppendLittleEndian32(out, headerSize);
  if (oldHeader) {
    Append16(out, 3);
    Append16(out, uint16_t(height));
  } else {
    AppendLittleEndian32(out, 3);
    AppendLittleEndian32(out, uint32_t(height));
  }
  Append16(out, 1);
  Append16(out, bits);
  if (!oldHeader) {
    for (int i = 0; i < 6; ++i)
      AppendLittleEndian32(out, i == 4 ? colours : 0);
  }
  for (uint32_t i = 0; i < colours; ++i) {
    for (uint32_t c = 0; c < entrySize; ++c)
      out.push_back(uint8_t(i * 40 + c * 90));
  }
  for (uint32_t i = 0; i < rowBytes * rows; ++i)
    out.push_back(uint8_t(i * 0x35 % (colours ? colours : 256)));
  return out;
}

}  // namespace

FUZZ_SEEDS(bmp) {
  const uint8_t pixels[] = {255, 0, 255, 10, 20, 30, 0, 0, 0, 40, 50, 60, 70, 80, 90, 1, 2, 3};
  seeds.Add(zentoir::EncodeBmp({pixels, 3, 2, 3}, zentoir::KeyColour::From(0xFF00FF00)));
  seeds.Add(Bitmap(1, 2, 2, false));
  seeds.Add(Bitmap(4, 16, -2, false));
  seeds.Add(Bitmap(8, 7, 2, false));
  seeds.Add(Bitmap(32, 0, 2, false));
  seeds.Add(Bitmap(8, 256, 2, true));
  seeds.Add(Bitmap(24, 0, -2, true));
}
