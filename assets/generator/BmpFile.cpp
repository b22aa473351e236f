#include "BmpFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace pindrake_assets {

namespace {

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

bool WriteBmp24(const std::string& path, const PixelBuffer& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0 || pixels.channels < 3) return false;
  const uint32_t rowBytes = (static_cast<uint32_t>(pixels.width) * 24 + 31) / 32 * 4;
  const uint32_t dataBytes = rowBytes * static_cast<uint32_t>(pixels.height);
  const uint32_t headerBytes = 14 + 40;

  std::vector<uint8_t> out;
  out.reserve(headerBytes + dataBytes);
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, headerBytes + dataBytes, 4);
  PutLittleEndian(out, 0, 4);            // two reserved words
  PutLittleEndian(out, headerBytes, 4);  // offset of the pixel data
  PutLittleEndian(out, 40, 4);           // info header size
  PutLittleEndian(out, static_cast<uint32_t>(pixels.width), 4);
  PutLittleEndian(out, static_cast<uint32_t>(pixels.height), 4);
  PutLittleEndian(out, 1, 2);   // planes
  PutLittleEndian(out, 24, 2);  // bits per pixel
  PutLittleEndian(out, 0, 4);   // no compression
  PutLittleEndian(out, dataBytes, 4);
  PutLittleEndian(out, 2835, 4);  // 72 dots per inch, both ways
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 0, 4);  // colours used
  PutLittleEndian(out, 0, 4);  // colours important

  for (int y = pixels.height - 1; y >= 0; --y) {
    for (int x = 0; x < pixels.width; ++x) {
      const uint8_t* p = pixels.Pixel(x, y);
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    for (uint32_t pad = static_cast<uint32_t>(pixels.width) * 3; pad < rowBytes; ++pad) {
      out.push_back(0);
    }
  }

  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

}  // namespace pindrake_assets

namespace pindrake_assets {

namespace {

uint32_t GetLittleEndian(const std::vector<uint8_t>& in, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i)
    value = (value << 8) | in[at + i];
  return value;
}

}  // namespace

bool ReadBmp24(const std::string& path, PixelBuffer& pixels) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> in((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
  if (in.size() < 54 || in[0] != 'B' || in[1] != 'M') return false;
  const uint32_t offset = GetLittleEndian(in, 10, 4);
  const int32_t width = static_cast<int32_t>(GetLittleEndian(in, 18, 4));
  const int32_t height = static_cast<int32_t>(GetLittleEndian(in, 22, 4));
  if (GetLittleEndian(in, 14, 4) != 40 || GetLittleEndian(in, 28, 2) != 24 ||
      GetLittleEndian(in, 30, 4) != 0 || width <= 0 || height <= 0 || width > 16384 ||
      height > 16384) {
    return false;
  }
  const size_t rowBytes = (static_cast<size_t>(width) * 24 + 31) / 32 * 4;
  if (offset > in.size() || in.size() - offset < rowBytes * height) return false;
  pixels = PixelBuffer{width, height, 3, {}};
  pixels.bytes.resize(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = in.data() + offset + rowBytes * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      uint8_t* p = pixels.Pixel(x, y);
      p[0] = row[3 * x + 2];
      p[1] = row[3 * x + 1];
      p[2] = row[3 * x];
    }
  }
  return true;
}

}  // namespace pindrake_assets
