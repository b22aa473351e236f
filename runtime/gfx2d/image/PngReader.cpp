#include "gfx2d/image/PngReader.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zentoir {
namespace {

// libpng allocates a chunk's stated length before reading it, so a few bytes claiming a
// chunk of gigabytes would cost gigabytes. Its allocations are refused beyond the file's
// size (no true chunk is longer) or this, whichever is larger; libpng skips a chunk it
// gets no memory for, as it skips a damaged one.
constexpr png_alloc_size_t kMinAllocationLimit = png_alloc_size_t{16} << 20;

png_voidp AllocateWithinLimit(png_structp png, png_alloc_size_t size) {
  const auto* limit = static_cast<const png_alloc_size_t*>(png_get_mem_ptr(png));
  return size <= *limit ? std::malloc(size) : nullptr;
}
void FreeAllocation(png_structp, png_voidp memory) {
  std::free(memory);
}

struct MemoryInput {
  const std::vector<uint8_t>* bytes;
  size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (count > input->bytes->size() - input->offset) png_error(png, "truncated");
  std::memcpy(out, input->bytes->data() + input->offset, count);
  input->offset += count;
}

void ThrowError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void IgnoreWarning(png_structp, png_const_charp) {}

void RequestEightBitSamples(png_structp png, png_infop info) {
  const int colourType = png_get_color_type(png, info);
  const int bitDepth = png_get_bit_depth(png, info);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (bitDepth == 16) png_set_strip_16(png);
  if (bitDepth < 8) png_set_packing(png);
  png_read_update_info(png, info);
}

// Whether the expanded image is one the runtime takes; prints why not where it says so.
bool Accepted(png_structp png, png_infop info, const std::string& name) {
  const int colourType = png_get_color_type(png, info);
  const int bitDepth = png_get_bit_depth(png, info);
  const int channels = png_get_channels(png, info);
  if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA) return false;
  if (colourType != PNG_COLOR_TYPE_GRAY && colourType != PNG_COLOR_TYPE_RGB &&
      colourType != PNG_COLOR_TYPE_RGB_ALPHA) {
    std::printf("File %s has unsupported color type.\n", name.c_str());
    std::printf("Types GRAY, RGB and RGB_ALPHA are supported.\n");
    return false;
  }
  if (bitDepth != 8) {
    std::printf("File %s has bit depth %d.\n", name.c_str(), bitDepth);
    std::printf("Only bit depth of 8 is supported.\n");
    return false;
  }
  return channels == 1 || channels == 3 || channels == 4;
}

void ConvertRows(const std::vector<uint8_t>& rows, int channels, int64_t colourKey,
                 ImageBuffer& image) {
  const size_t count = size_t(image.width) * size_t(image.height);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* in = &rows[i * size_t(channels)];
    uint8_t* out = &image.pixels[i * 4];
    if (channels == 1) {
      out[0] = out[1] = out[2] = in[0];
      out[3] = 255;
    } else {
      out[0] = in[0], out[1] = in[1], out[2] = in[2];
      out[3] = channels == 4 ? in[3] : 255;
    }
  }
  if (channels == 3) ApplyColourKey(image, colourKey);
}

// Everything that may long-jump lives here, with no objects that need destructors
// created after the jump point.
bool DecodeWithLibpng(png_structp png, png_infop info, MemoryInput& input, const std::string& name,
                      int64_t colourKey, int32_t maxSide, ImageBuffer& image,
                      std::vector<uint8_t>& rows, std::vector<png_bytep>& rowPointers) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &input, ReadFromMemory);
  png_set_user_limits(png, png_uint_32(maxSide), png_uint_32(maxSide));
  png_read_info(png, info);
  if (!DecodableSize(png_get_image_width(png, info), png_get_image_height(png, info), maxSide))
    return false;
  RequestEightBitSamples(png, info);
  if (!Accepted(png, info, name)) return false;
  const int channels = png_get_channels(png, info);
  image.width = static_cast<int32_t>(png_get_image_width(png, info));
  image.height = static_cast<int32_t>(png_get_image_height(png, info));
  const size_t rowBytes = png_get_rowbytes(png, info);
  rows.resize(rowBytes * size_t(image.height));
  rowPointers.resize(size_t(image.height));
  for (int32_t y = 0; y < image.height; ++y)
    rowPointers[size_t(y)] = &rows[rowBytes * size_t(y)];
  png_read_image(png, rowPointers.data());
  png_read_end(png, nullptr);  // a file cut short after its pixels still fails
  image.pixels.resize(size_t(image.width) * size_t(image.height) * 4);
  ConvertRows(rows, channels, colourKey, image);
  return true;
}

}  // namespace

bool DecodePng(const std::vector<uint8_t>& file, const std::string& name, int64_t colourKey,
               ImageBuffer& image, int32_t maxSide) {
  png_alloc_size_t allocationLimit = std::max<png_alloc_size_t>(file.size(), kMinAllocationLimit);
  png_structp png =
      png_create_read_struct_2(PNG_LIBPNG_VER_STRING, nullptr, ThrowError, IgnoreWarning,
                               &allocationLimit, AllocateWithinLimit, FreeAllocation);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  MemoryInput input{&file, 0};
  std::vector<uint8_t> rows;
  std::vector<png_bytep> rowPointers;
  const bool ok =
      info && file.size() >= 8 && png_sig_cmp(file.data(), 0, 8) == 0 &&
      DecodeWithLibpng(png, info, input, name, colourKey, maxSide, image, rows, rowPointers);
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (!ok) image.Release();
  return ok;
}

}  // namespace zentoir
