#include "gfx2d/image/ImageWriter.h"

#include <png.h>

#include <cctype>

#include "os/ReplaceFile.h"

namespace zentoir {
namespace {

constexpr uint32_t kBmpHeaderSize = 54;
constexpr uint32_t kBmpResolution = 10000;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

const uint8_t* SourcePixel(const BgrImage& image, int32_t x, int32_t row) {
  return image.pixels + (size_t(row) * size_t(image.rowLength) + size_t(x)) * 3;
}

void PutBmpHeader(std::vector<uint8_t>& out, const BgrImage& image, uint32_t rowSize) {
  out.push_back('B');
  out.push_back('M');
  Put32(out, rowSize * uint32_t(image.height) + kBmpHeaderSize);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, kBmpHeaderSize);
  Put32(out, 40);
  Put32(out, uint32_t(image.width));
  Put32(out, uint32_t(image.height));
  Put16(out, 1);
  Put16(out, 24);
  for (uint32_t value : {0u, 0u, kBmpResolution, kBmpResolution, 0u, 0u})
    Put32(out, value);
}

void WriteToVector(png_structp png, png_bytep bytes, png_size_t count) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), bytes, bytes + count);
}
void FlushNothing(png_structp) {}
void ThrowError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void IgnoreWarning(png_structp, png_const_charp) {}

// Top row first, RGBA, keyed pixels transparent blue.
std::vector<uint8_t> PngRows(const BgrImage& image, KeyColour key) {
  std::vector<uint8_t> rows(size_t(image.width) * size_t(image.height) * 4);
  uint8_t* out = rows.data();
  for (int32_t y = 0; y < image.height; ++y) {
    const int32_t source = image.height - 1 - y;
    for (int32_t x = 0; x < image.width; ++x, out += 4) {
      const uint8_t* bgr = SourcePixel(image, x, source);
      const bool keyed = key.red != 0 && bgr[1] == key.green && bgr[0] == key.blue;
      out[0] = keyed ? 0 : bgr[2];
      out[1] = keyed ? 0 : bgr[1];
      out[2] = keyed ? 255 : bgr[0];
      out[3] = keyed ? 0 : 255;
    }
  }
  return rows;
}

// Everything that may long-jump lives here; the row pointers are made by the caller.
bool WritePngStream(png_structp png, png_infop info, const BgrImage& image,
                    std::vector<png_bytep>& rowPointers, std::vector<uint8_t>& file) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &file, WriteToVector, FlushNothing);
  png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_color_16 white{};
  white.red = white.green = white.blue = 255;
  png_set_bKGD(png, info, &white);
  png_write_info(png, info);
  png_write_image(png, rowPointers.data());
  png_write_end(png, info);
  return true;
}

bool ValidImage(const BgrImage& image) {
  return image.pixels && image.width > 0 && image.height > 0 && image.rowLength >= image.width;
}

}  // namespace

bool IsPngPath(std::string_view path) {
  if (path.size() <= 4) return false;
  const std::string_view end = path.substr(path.size() - 4);
  return end[0] == '.' && std::tolower(static_cast<unsigned char>(end[1])) == 'p' &&
         std::tolower(static_cast<unsigned char>(end[2])) == 'n' &&
         std::tolower(static_cast<unsigned char>(end[3])) == 'g';
}

std::vector<uint8_t> EncodeBmp(const BgrImage& image, KeyColour key) {
  const uint32_t rowSize = (3 * uint32_t(image.width) + 3) & ~3u;
  std::vector<uint8_t> out;
  out.reserve(kBmpHeaderSize + size_t(rowSize) * size_t(image.height));
  PutBmpHeader(out, image, rowSize);
  for (int32_t row = 0; row < image.height; ++row) {
    for (int32_t x = 0; x < image.width; ++x) {
      const uint8_t* bgr = SourcePixel(image, x, row);
      const bool keyed = bgr[0] == key.blue && bgr[1] == key.green && bgr[2] == key.red;
      out.push_back(keyed ? 128 : bgr[0]);
      out.push_back(keyed ? 0 : bgr[1]);
      out.push_back(keyed ? 255 : bgr[2]);
    }
    out.resize(out.size() + (rowSize - 3 * uint32_t(image.width)), 0);
  }
  return out;
}

bool EncodePng(const BgrImage& image, KeyColour key, std::vector<uint8_t>& file) {
  if (!ValidImage(image)) return false;
  std::vector<uint8_t> rows = PngRows(image, key);
  std::vector<png_bytep> rowPointers(size_t(image.height));
  for (size_t y = 0; y < rowPointers.size(); ++y)
    rowPointers[y] = &rows[y * size_t(image.width) * 4];
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ThrowError, IgnoreWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  file.clear();
  const bool ok = info && WritePngStream(png, info, image, rowPointers, file);
  png_destroy_write_struct(&png, info ? &info : nullptr);
  return ok;
}

bool WriteImageFile(const std::string& path, const BgrImage& image, KeyColour key) {
  if (!ValidImage(image)) return false;
  std::vector<uint8_t> bytes;
  if (IsPngPath(path)) {
    if (!EncodePng(image, key, bytes)) return false;
  } else {
    bytes = EncodeBmp(image, key);
  }
  return os::ReplaceFileContents(os::NativePath(path), bytes);
}

}  // namespace zentoir
