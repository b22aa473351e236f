#include "IconFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace pindrake_assets {
namespace {

constexpr size_t kDirectorySize = 6, kEntrySize = 16, kPngHeaderSize = 24;

uint32_t BigEndian32(const std::string& bytes, size_t at) {
  return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
         uint32_t(uint8_t(bytes[at + 2])) << 8 | uint32_t(uint8_t(bytes[at + 3]));
}

void Put16(std::string& out, uint32_t value) {
  out += char(value & 0xFF);
  out += char((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The picture's side from its PNG header; 0 when it is no square PNG of at most 256.
uint32_t SquareSide(const std::string& png) {
  if (png.size() < kPngHeaderSize || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return 0;
  const uint32_t width = BigEndian32(png, 16), height = BigEndian32(png, 20);
  return width == height && width >= 1 && width <= 256 ? width : 0;
}

}  // namespace

bool WriteIconFile(const std::string& path, const std::vector<std::string>& pngFiles,
                   std::string& error) {
  std::string directory, pictures;
  Put16(directory, 0);  // reserved
  Put16(directory, 1);  // an icon, not a cursor
  Put16(directory, uint32_t(pngFiles.size()));
  size_t offset = kDirectorySize + kEntrySize * pngFiles.size();
  for (const std::string& file : pngFiles) {
    std::ifstream in(file, std::ios::binary);
    const std::string png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const uint32_t side = SquareSide(png);
    if (side == 0) {
      error = file + " is no square PNG of at most 256 pixels";
      return false;
    }
    directory += char(side & 0xFF);  // 256 is written as 0
    directory += char(side & 0xFF);
    directory += '\0';  // no palette
    directory += '\0';
    Put16(directory, 1);   // planes
    Put16(directory, 32);  // bits per pixel
    Put32(directory, uint32_t(png.size()));
    Put32(directory, uint32_t(offset));
    offset += png.size();
    pictures += png;
  }
  std::ofstream out(path, std::ios::binary);
  out << directory << pictures;
  if (!out.flush()) error = "cannot write " + path;
  return bool(out);
}

}  // namespace pindrake_assets
