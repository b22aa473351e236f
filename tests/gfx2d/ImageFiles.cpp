#include "ImageFiles.h"

#include <png.h>

namespace zentoir::testing {
namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<Rgb>& pixels,
                             const std::vector<Rgb>& palette, const std::vector<uint8_t>& indexes,
                             bool oldHeader) {
  const uint32_t headerSize = oldHeader ? 12 : 40;
  const uint32_t paletteBytes = uint32_t(palette.size()) * (oldHeader ? 3 : 4);
  const uint32_t offset = 14 + headerSize + paletteBytes;
  const int rowBytes = ((width * bits + 31) / 32) * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put(out, offset + uint32_t(rowBytes * height), 4);
  Put(out, 0, 4);
  Put(out, offset, 4);
  Put(out, headerSize, 4);
  if (oldHeader) {
    Put(out, uint32_t(width), 2);
    Put(out, uint32_t(height), 2);
    Put(out, 1, 2);
    Put(out, uint32_t(bits), 2);
  } else {
    Put(out, uint32_t(width), 4);
    Put(out, uint32_t(height), 4);
    Put(out, 1, 2);
    Put(out, uint32_t(bits), 2);
    for (int i = 0; i < 6; ++i)
      Put(out, 0, 4);
  }
  for (const Rgb& c : palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    if (!oldHeader) out.push_back(0);
  }
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    const int y = height - 1 - fileRow;  // stored bottom-up
    std::vector<uint8_t> row(size_t(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
      const size_t i = size_t(y * width + x);
      if (bits == 24 || bits == 32) {
        uint8_t* p = &row[size_t(x * bits / 8)];
        p[0] = pixels[i].b, p[1] = pixels[i].g, p[2] = pixels[i].r;
        if (bits == 32) p[3] = 0x11;  // ignored by the reader
      } else {
        const uint8_t index = indexes[i];
        const int bit = x * bits;
        row[size_t(bit / 8)] |= static_cast<uint8_t>(index << (8 - bits - bit % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

namespace {
void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}
void NoFlush(png_structp) {}
}  // namespace

std::vector<uint8_t> MakePng(int width, int height, int colourType, int bitDepth,
                             const std::vector<uint8_t>& samples, const std::vector<Rgb>& palette,
                             const std::vector<uint8_t>& transparency) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, uint32_t(width), uint32_t(height), bitDepth, colourType,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> colours;
  for (const Rgb& c : palette)
    colours.push_back({c.r, c.g, c.b});
  if (!colours.empty()) png_set_PLTE(png, info, colours.data(), int(colours.size()));
  if (!transparency.empty()) {
    png_set_tRNS(png, info, transparency.data(), int(transparency.size()), nullptr);
  }
  png_write_info(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);
  for (int y = 0; y < height; ++y) {
    png_write_row(png, const_cast<uint8_t*>(&samples[rowBytes * size_t(y)]));
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<uint8_t> MakeGradientPng(int width, int height) {
  std::vector<uint8_t> samples;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint8_t a = (x + y) % 5 == 0 ? 0 : uint8_t(40 + (x * 215) / width);
      samples.insert(samples.end(), {uint8_t(x * 255 / width), uint8_t(y * 255 / height), 90, a});
    }
  }
  return MakePng(width, height, PNG_COLOR_TYPE_RGBA, 8, samples);
}

std::vector<uint8_t> MakeSolidPng(int width, int height, bool holes) {
  std::vector<uint8_t> samples;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint8_t a = holes && (x * x + y * 3) % 7 < 2 ? 0 : 255;
      samples.insert(samples.end(), {uint8_t(x * 255 / width), 200, uint8_t(y * 255 / height), a});
    }
  }
  return MakePng(width, height, PNG_COLOR_TYPE_RGBA, 8, samples);
}

}  // namespace zentoir::testing
