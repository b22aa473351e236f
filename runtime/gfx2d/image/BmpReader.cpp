#include "gfx2d/image/BmpReader.h"

#include <cstdlib>

#include "base/LittleEndian.h"

namespace zentoir {
namespace {

// Reads little-endian fields in order; any read past the end marks the reader failed.
class ByteReader {
 public:
  explicit ByteReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  bool Take(size_t count, const uint8_t*& at) {
    if (failed_ || count > bytes_.size() - offset_) {
      failed_ = true;
      return false;
    }
    at = bytes_.data() + offset_;
    offset_ += count;
    return true;
  }
  uint32_t U8() { return Little(1); }
  uint32_t U16() { return Little(2); }
  uint32_t U32() { return Little(4); }
  bool Failed() const { return failed_; }

 private:
  uint32_t Little(size_t count) {
    const uint8_t* at;
    return Take(count, at) ? static_cast<uint32_t>(ReadLittleEndian(at, count)) : 0;
  }

  const std::vector<uint8_t>& bytes_;
  size_t offset_ = 0;
  bool failed_ = false;
};

struct BmpHeader {
  uint32_t dataOffset = 0;
  uint32_t headerSize = 0;
  int64_t width = 0;
  int64_t height = 0;  // negative: rows stored top-down
  uint32_t bitsPerPixel = 0;
};

bool ReadHeader(ByteReader& in, BmpHeader& header) {
  if (in.U8() != 'B' || in.U8() != 'M') return false;
  in.U32();  // file size
  in.U16();  // reserved
  in.U16();
  header.dataOffset = in.U32();
  header.headerSize = in.U32();
  if (header.headerSize == 12) {
    header.width = in.U16();
    header.height = in.U16();
    in.U16();  // planes
    header.bitsPerPixel = in.U16();
  } else if (header.headerSize == 40) {
    header.width = static_cast<int32_t>(in.U32());
    header.height = static_cast<int32_t>(in.U32());
    in.U16();  // planes
    header.bitsPerPixel = in.U16();
    for (int i = 0; i < 6; ++i)
      in.U32();  // compression, sizes, resolution, colours
  } else {
    return false;
  }
  return !in.Failed();
}

// Palette entries as blue, green, red.
bool ReadPalette(ByteReader& in, const BmpHeader& header, std::vector<uint32_t>& palette) {
  if (header.dataOffset < 14 + 41) return true;  // no palette
  const bool oldFormat = header.headerSize == 12;
  if (oldFormat && header.bitsPerPixel > 8) return false;  // 2^24 entries cannot be meant
  const uint64_t entries =
      oldFormat ? (uint64_t{1} << header.bitsPerPixel) : (uint64_t{header.dataOffset} - 54) / 4;
  const size_t entrySize = oldFormat ? 3 : 4;
  const uint64_t bytes = oldFormat ? entries * 3 : uint64_t{header.dataOffset} - 54;
  const uint8_t* at;
  if (!in.Take(static_cast<size_t>(bytes), at)) return false;
  palette.resize(static_cast<size_t>(entries));
  for (size_t i = 0; i < palette.size(); ++i) {
    const uint8_t* e = at + i * entrySize;
    palette[i] = uint32_t{e[0]} | (uint32_t{e[1]} << 8) | (uint32_t{e[2]} << 16);
  }
  return true;
}

// The palette index or direct colour of pixel x of a file row; false for an index
// outside the palette.
bool PixelColour(const uint8_t* row, int32_t x, uint32_t bits, const std::vector<uint32_t>& palette,
                 uint8_t* rgba) {
  uint32_t index;
  switch (bits) {
    case 1:
      index = (row[x >> 3] >> (7 - (x & 7))) & 1;
      break;
    case 4:
      index = (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
      break;
    case 8:
      index = row[x];
      break;
    default: {
      const uint8_t* p = row + size_t(x) * (bits / 8);
      rgba[0] = p[2], rgba[1] = p[1], rgba[2] = p[0];
      return true;
    }
  }
  if (index >= palette.size()) return false;
  const uint32_t bgr = palette[index];
  rgba[0] = static_cast<uint8_t>(bgr >> 16), rgba[1] = static_cast<uint8_t>(bgr >> 8);
  rgba[2] = static_cast<uint8_t>(bgr);
  return true;
}

bool DecodePixels(ByteReader& in, const BmpHeader& header, const std::vector<uint32_t>& palette,
                  int32_t maxSide, ImageBuffer& image) {
  const uint32_t bits = header.bitsPerPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
  if (bits <= 8 && palette.empty()) return false;
  const int64_t width = header.width;
  const int64_t height = std::llabs(header.height);
  if (!DecodableSize(width, height, maxSide)) return false;
  const uint64_t rowBytes = ((uint64_t(width) * bits + 31) / 32) * 4;
  const uint8_t* data;
  if (!in.Take(static_cast<size_t>(rowBytes * uint64_t(height)), data)) return false;

  image.width = static_cast<int32_t>(width);
  image.height = static_cast<int32_t>(height);
  image.pixels.resize(size_t(width) * size_t(height) * 4);
  const bool topDown = header.height < 0;
  for (int32_t y = 0; y < image.height; ++y) {
    const int32_t fileRow = topDown ? y : image.height - 1 - y;
    const uint8_t* row = data + rowBytes * uint64_t(fileRow);
    for (int32_t x = 0; x < image.width; ++x) {
      uint8_t* rgba = image.PixelAt(x, y);
      rgba[3] = 255;
      if (!PixelColour(row, x, bits, palette, rgba)) return false;
    }
  }
  return true;
}

}  // namespace

bool DecodeBmp(const std::vector<uint8_t>& file, int64_t colourKey, ImageBuffer& image,
               int32_t maxSide) {
  ByteReader in(file);
  BmpHeader header;
  std::vector<uint32_t> palette;
  if (!ReadHeader(in, header) || !ReadPalette(in, header, palette) ||
      !DecodePixels(in, header, palette, maxSide, image)) {
    image.Release();
    return false;
  }
  ApplyColourKey(image, colourKey);
  return true;
}

}  // namespace zentoir
