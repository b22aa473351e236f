#include "gfx2d/image/TexturePixels.h"

#include <algorithm>
#include <cmath>

namespace zentoir {

int32_t TextureSizeFor(int32_t n) {
  int32_t size = 2;
  while (size < n && size < (1 << 30))
    size <<= 1;
  return size;
}

bool BuildTexels(const ImageBuffer& image, int32_t x, int32_t y, int32_t w, int32_t h,
                 int32_t maxTextureSize, bool fontMode, TexelBlock& block) {
  if (w == 0) w = image.width - x;
  if (h == 0) h = image.height - y;
  if (w < 1 || h < 1) return false;
  w = std::min(w, maxTextureSize);
  h = std::min(h, maxTextureSize);
  block.width = TextureSizeFor(w);
  block.height = TextureSizeFor(h);
  block.bytes.assign(size_t(block.width) * size_t(block.height) * 4, 0);

  const int64_t left = std::max(x, 0);
  const int64_t right = std::min<int64_t>({int64_t{x} + block.width, image.width, int64_t{x} + w});
  const int64_t top = std::max(y, 0);
  const int64_t bottom =
      std::min<int64_t>({int64_t{y} + block.height, image.height, int64_t{y} + h});
  for (int64_t py = top; py < bottom; ++py) {
    const auto row = static_cast<int32_t>(int64_t{y} + h - 1 - py);
    for (int64_t px = left; px < right; ++px) {
      std::copy_n(image.PixelAt(int32_t(px), int32_t(py)), 4, block.At(int32_t(px - x), row));
    }
  }
  if (!fontMode) BleedColours(block);
  return true;
}

void BleedColours(TexelBlock& block) {
  const int32_t w = block.width, h = block.height;
  for (int32_t ty = 0; ty < h; ++ty) {
    for (int32_t tx = 0; tx < w; ++tx) {
      uint8_t* texel = block.At(tx, ty);
      if (texel[3] != 0) continue;
      int sum[3] = {0, 0, 0};
      int count = 0;
      for (int32_t ny = ty - 1; ny <= ty + 1; ++ny) {
        for (int32_t nx = tx - 1; nx <= tx + 1; ++nx) {
          if ((nx == tx && ny == ty) || nx < 1 || nx > w - 2 || ny < 1 || ny > h - 2) continue;
          const uint8_t* n = block.At(nx, ny);
          if (n[3] == 0) continue;
          sum[0] += n[0], sum[1] += n[1], sum[2] += n[2];
          ++count;
        }
      }
      for (int c = 0; c < 3; ++c)
        texel[c] = static_cast<uint8_t>(count ? sum[c] / count : 0);
    }
  }
}

TexelBlock MakeNormalMap(const TexelBlock& block) {
  TexelBlock result = block;
  const int32_t w = block.width, h = block.height;
  auto red = [&](int32_t x, int32_t y) -> int {
    return block.At(((x % w) + w) % w, ((y % h) + h) % h)[0];
  };
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      const int gx = (red(x + 1, y - 1) + 2 * red(x + 1, y) + red(x + 1, y + 1)) -
                     (red(x - 1, y - 1) + 2 * red(x - 1, y) + red(x - 1, y + 1));
      const int gy = (red(x - 1, y - 1) + 2 * red(x, y - 1) + red(x + 1, y - 1)) -
                     (red(x - 1, y + 1) + 2 * red(x, y + 1) + red(x + 1, y + 1));
      const float nx = -static_cast<float>(gx) / 255.0f;
      const float ny = -static_cast<float>(gy) / 255.0f;
      const float k = 1.0f / std::sqrt(nx * nx + ny * ny + 1.0f);
      uint8_t* out = result.At(x, y);
      out[0] = static_cast<uint8_t>(static_cast<int>((nx * k + 1.0f) * 0.5f * 255.0f));
      out[1] = static_cast<uint8_t>(static_cast<int>((ny * k + 1.0f) * 0.5f * 255.0f));
      out[2] = static_cast<uint8_t>(static_cast<int>((k + 1.0f) * 0.5f * 255.0f));
    }
  }
  return result;
}

namespace {

// Averages neighbouring texel pairs along x or y, per byte.
TexelBlock HalveBy(const TexelBlock& block, bool horizontal) {
  TexelBlock half;
  half.width = horizontal ? std::max(1, block.width / 2) : block.width;
  half.height = horizontal ? block.height : std::max(1, block.height / 2);
  half.bytes.resize(size_t(half.width) * size_t(half.height) * 4);
  for (int32_t y = 0; y < half.height; ++y) {
    for (int32_t x = 0; x < half.width; ++x) {
      const uint8_t* a = horizontal ? block.At(2 * x, y) : block.At(x, 2 * y);
      const uint8_t* b = horizontal ? block.At(std::min(2 * x + 1, block.width - 1), y)
                                    : block.At(x, std::min(2 * y + 1, block.height - 1));
      for (int c = 0; c < 4; ++c)
        half.At(x, y)[c] = static_cast<uint8_t>((a[c] + b[c]) >> 1);
    }
  }
  return half;
}

// Each level from the previous by a 2 × 2 box filter.
TexelBlock NextLevel(const TexelBlock& level) {
  TexelBlock next;
  next.width = std::max(1, level.width / 2);
  next.height = std::max(1, level.height / 2);
  next.bytes.resize(size_t(next.width) * size_t(next.height) * 4);
  for (int32_t y = 0; y < next.height; ++y) {
    for (int32_t x = 0; x < next.width; ++x) {
      const int32_t x0 = 2 * x, x1 = std::min(2 * x + 1, level.width - 1);
      const int32_t y0 = 2 * y, y1 = std::min(2 * y + 1, level.height - 1);
      for (int c = 0; c < 4; ++c) {
        const int sum =
            level.At(x0, y0)[c] + level.At(x1, y0)[c] + level.At(x0, y1)[c] + level.At(x1, y1)[c];
        next.At(x, y)[c] = static_cast<uint8_t>(sum / 4);
      }
    }
  }
  return next;
}

}  // namespace

std::vector<TexelBlock> BuildMipLevels(const TexelBlock& block) {
  TexelBlock square = block;
  while (square.width > square.height)
    square = HalveBy(square, true);
  while (square.height > square.width)
    square = HalveBy(square, false);
  std::vector<TexelBlock> levels;
  levels.push_back(std::move(square));
  while (levels.back().width > 1)
    levels.push_back(NextLevel(levels.back()));
  return levels;
}

}  // namespace zentoir
