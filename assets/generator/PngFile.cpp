#include "PngFile.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace pindrake_assets {

namespace {

uint8_t ToByte(float value) {
  return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

PixelBuffer ToRgba8(const Image& image) {
  PixelBuffer pixels{image.width(), image.height(), 4, {}};
  pixels.bytes.resize(static_cast<size_t>(image.width()) * image.height() * 4);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgba& c = image.at(x, y);
      uint8_t* p = pixels.Pixel(x, y);
      p[3] = ToByte(c.a);
      // Fully transparent pixels are stored as transparent black, so that no stray
      // colour shows at the edges when the image is scaled.
      if (p[3] == 0) {
        p[0] = p[1] = p[2] = 0;
        continue;
      }
      p[0] = ToByte(c.r);
      p[1] = ToByte(c.g);
      p[2] = ToByte(c.b);
    }
  }
  return pixels;
}

bool WritePng(const std::string& path, const PixelBuffer& pixels) {
  if (pixels.channels != 3 && pixels.channels != 4) return false;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(pixels.width);
  image.height = static_cast<png_uint_32>(pixels.height);
  image.format = pixels.channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, pixels.bytes.data(), 0, nullptr);
  png_image_free(&image);
  return ok != 0;
}

bool WritePng(const std::string& path, const Image& image) {
  return WritePng(path, ToRgba8(image));
}

bool ReadPng(const std::string& path, PixelBuffer& pixels, bool* storedAlpha) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  if (storedAlpha) *storedAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_RGBA;
  pixels.width = static_cast<int>(image.width);
  pixels.height = static_cast<int>(image.height);
  pixels.channels = 4;
  pixels.bytes.assign(PNG_IMAGE_SIZE(image), 0);
  const int ok = png_image_finish_read(&image, nullptr, pixels.bytes.data(), 0, nullptr);
  png_image_free(&image);
  if (!ok) pixels = PixelBuffer{};
  return ok != 0;
}

}  // namespace pindrake_assets
