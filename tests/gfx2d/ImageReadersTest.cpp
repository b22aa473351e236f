#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include "ImageFiles.h"
#include "gfx2d/image/BmpReader.h"
#include "gfx2d/image/ImageFile.h"
#include "gfx2d/image/PngReader.h"
#include "support/TempDir.h"

namespace zentoir {
namespace {

using testing::MakeBmp;
using testing::MakePng;
using testing::Rgb;

constexpr int64_t kDefaultKey = 0x8000FF;  // red 255, green 0, blue 128
const Rgb kKey{255, 0, 128};

std::vector<uint8_t> Rgba(const ImageBuffer& image, int x, int y) {
  const uint8_t* p = image.PixelAt(x, y);
  return {p[0], p[1], p[2], p[3]};
}

TEST(BmpReader, DirectColourRowsArePaddedAndStoredBottomUp) {
  for (int bits : {24, 32}) {
    // 5 pixels wide: 16-byte rows at 24 bits, 20-byte rows at 32 bits.
    std::vector<Rgb> pixels;
    for (int i = 0; i < 10; ++i)
      pixels.push_back({uint8_t(i * 10), uint8_t(i), uint8_t(200 - i)});
    const std::vector<uint8_t> file = MakeBmp(5, 2, bits, pixels);
    EXPECT_EQ(file.size(), 54u + (bits == 24 ? 16u : 20u) * 2) << bits;
    ImageBuffer image;
    ASSERT_TRUE(DecodeBmp(file, kNoColourKey, image)) << bits;
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{0, 0, 200, 255}));
    EXPECT_EQ(Rgba(image, 4, 1), (std::vector<uint8_t>{90, 9, 191, 255}));  // alpha stays 255
  }
}

TEST(BmpReader, PaletteImagesOfOneFourAndEightBits) {
  const std::vector<Rgb> palette = {{0, 0, 0}, {255, 255, 255}, {10, 20, 30}, {1, 2, 3}};
  for (int bits : {1, 4, 8}) {
    // 12 pixels wide: rows of 4, 8 and 12 bytes.
    std::vector<uint8_t> indexes;
    for (int i = 0; i < 24; ++i)
      indexes.push_back(uint8_t(bits == 1 ? i % 2 : i % 4));
    const std::vector<uint8_t> file = MakeBmp(12, 2, bits, {}, palette, indexes);
    ImageBuffer image;
    ASSERT_TRUE(DecodeBmp(file, kNoColourKey, image)) << bits;
    EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 255})) << bits;
    EXPECT_EQ(Rgba(image, 1, 0), (std::vector<uint8_t>{255, 255, 255, 255})) << bits;
    if (bits > 1) {
      EXPECT_EQ(Rgba(image, 3, 1), (std::vector<uint8_t>{1, 2, 3, 255})) << bits;
    }
  }
}

TEST(BmpReader, OldTwelveByteHeaderWithThreeBytePalette) {
  const std::vector<Rgb> palette(256, Rgb{7, 8, 9});
  const std::vector<uint8_t> file = MakeBmp(3, 1, 8, {}, palette, {0, 5, 255}, true);
  ImageBuffer image;
  ASSERT_TRUE(DecodeBmp(file, kNoColourKey, image));
  EXPECT_EQ(Rgba(image, 2, 0), (std::vector<uint8_t>{7, 8, 9, 255}));
}

TEST(BmpReader, ColourKeyMakesTransparentBlack) {
  const std::vector<uint8_t> file = MakeBmp(2, 1, 24, {kKey, {255, 0, 127}});
  ImageBuffer image;
  ASSERT_TRUE(DecodeBmp(file, kDefaultKey, image));
  EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(Rgba(image, 1, 0), (std::vector<uint8_t>{255, 0, 127, 255}));
}

TEST(BmpReader, TopDownBitmapsKeepTheirOrientation) {
  std::vector<uint8_t> file = MakeBmp(1, 2, 24, {{1, 1, 1}, {2, 2, 2}});
  // Turn it into a top-down file: negative height, rows swapped.
  const int32_t negative = -2;
  std::memcpy(&file[22], &negative, 4);
  std::swap_ranges(file.begin() + 54, file.begin() + 58, file.begin() + 58);
  ImageBuffer image;
  ASSERT_TRUE(DecodeBmp(file, kNoColourKey, image));
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(Rgba(image, 0, 0)[0], 1);
  EXPECT_EQ(Rgba(image, 0, 1)[0], 2);
}

TEST(BmpReader, RefusesWhatItCannotRead) {
  ImageBuffer image;
  std::vector<uint8_t> v5 = MakeBmp(2, 2, 24, std::vector<Rgb>(4));
  v5[14] = 108;  // a newer header
  EXPECT_FALSE(DecodeBmp(v5, kNoColourKey, image));
  std::vector<uint8_t> sixteen = MakeBmp(2, 2, 24, std::vector<Rgb>(4));
  sixteen[28] = 16;
  EXPECT_FALSE(DecodeBmp(sixteen, kNoColourKey, image));
  // A palette image without a palette has no colours to look up.
  EXPECT_FALSE(DecodeBmp(MakeBmp(4, 1, 8, {}, {}, {0, 0, 0, 0}), kNoColourKey, image));
  // An index past the end of a short palette.
  EXPECT_FALSE(
      DecodeBmp(MakeBmp(2, 1, 8, {}, std::vector<Rgb>(12), {0, 200}), kNoColourKey, image));
  EXPECT_EQ(image.width, 0);
  EXPECT_TRUE(image.pixels.empty());
}

TEST(BmpReader, ReadsFilesAndRejectsMissingOnes) {
  testing::ScopedTempDir tmp;
  const std::vector<uint8_t> bytes = MakeBmp(1, 1, 24, {{9, 8, 7}});
  ASSERT_TRUE(
      testing::WriteFileBytes(tmp.Path() + "a.bmp", std::string(bytes.begin(), bytes.end())));
  ImageBuffer image;
  EXPECT_TRUE(ReadImageFile(tmp.Path() + "a.bmp", kNoColourKey, image));
  EXPECT_FALSE(ReadImageFile(tmp.Path() + "missing.bmp", kNoColourKey, image));
  EXPECT_FALSE(ReadImageFile(tmp.Path(), kNoColourKey, image));  // a folder
}

TEST(PngReader, ColourKeyAppliesToRgbOnly) {
  ImageBuffer image;
  const std::vector<uint8_t> rgb = MakePng(2, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 128, 1, 2, 3});
  ASSERT_TRUE(DecodePng(rgb, "rgb.png", kDefaultKey, image));
  EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(Rgba(image, 1, 0), (std::vector<uint8_t>{1, 2, 3, 255}));

  const std::vector<uint8_t> rgba = MakePng(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {255, 0, 128, 77});
  ASSERT_TRUE(DecodePng(rgba, "rgba.png", kDefaultKey, image));
  EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{255, 0, 128, 77}));

  const std::vector<uint8_t> grey = MakePng(1, 1, PNG_COLOR_TYPE_GRAY, 8, {0});
  ASSERT_TRUE(DecodePng(grey, "grey.png", 0, image));  // black is the key, grey stays opaque
  EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{0, 0, 0, 255}));
}

TEST(PngReader, ExpandsPalettesTransparencySmallGreyAnd16Bits) {
  ImageBuffer image;
  const std::vector<uint8_t> palette =
      MakePng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, {{10, 20, 30}, {40, 50, 60}}, {0, 255});
  ASSERT_TRUE(DecodePng(palette, "p.png", kNoColourKey, image));
  EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{10, 20, 30, 0}));
  EXPECT_EQ(Rgba(image, 1, 0), (std::vector<uint8_t>{40, 50, 60, 255}));

  const std::vector<uint8_t> twoBit = MakePng(4, 1, PNG_COLOR_TYPE_GRAY, 2, {0x1B});  // 0 1 2 3
  ASSERT_TRUE(DecodePng(twoBit, "g2.png", kNoColourKey, image));
  EXPECT_EQ(Rgba(image, 3, 0)[0], 255);
  EXPECT_EQ(Rgba(image, 1, 0)[0], 0x55);

  const std::vector<uint8_t> deep =
      MakePng(1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0xAB, 0xCD, 0xFF, 0xFF});
  ASSERT_TRUE(DecodePng(deep, "d.png", kNoColourKey, image));
  EXPECT_EQ(Rgba(image, 0, 0), (std::vector<uint8_t>{0x12, 0xAB, 0xFF, 255}));
}

TEST(PngReader, GreyWithAlphaIsRefused) {
  ImageBuffer image;
  EXPECT_FALSE(DecodePng(MakePng(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {1, 2}), "ga.png", -1, image));
  EXPECT_FALSE(DecodePng({'n', 'o', 't', ' ', 'p', 'n', 'g', '!'}, "x", -1, image));
}

// Every prefix of a valid file, and files with bytes flipped, fail or load without
// reading out of bounds (the sanitizer build checks the "without").
TEST(BrokenImages, TruncatedAndCorruptFilesFailCleanly) {
  std::vector<std::vector<uint8_t>> valid = {
      MakeBmp(7, 5, 24, std::vector<Rgb>(35, Rgb{1, 2, 3})),
      MakeBmp(9, 3, 4, {}, std::vector<Rgb>(16), std::vector<uint8_t>(27, 15)),
      MakeBmp(9, 3, 1, {}, std::vector<Rgb>(2), std::vector<uint8_t>(27, 1)),
      MakePng(6, 4, PNG_COLOR_TYPE_RGB_ALPHA, 8, std::vector<uint8_t>(96, 200)),
      MakePng(6, 4, PNG_COLOR_TYPE_PALETTE, 8, std::vector<uint8_t>(24, 1),
              {{1, 1, 1}, {2, 2, 2}})};
  ImageBuffer image;
  for (const auto& file : valid) {
    ASSERT_TRUE(DecodeBmp(file, -1, image) || DecodePng(file, "f", -1, image));
    for (size_t n = 0; n < file.size(); ++n) {
      const std::vector<uint8_t> prefix(file.begin(), file.begin() + long(n));
      EXPECT_FALSE(DecodeBmp(prefix, -1, image)) << n;
      EXPECT_FALSE(DecodePng(prefix, "f", -1, image)) << n;
    }
    uint32_t seed = 12345;
    for (int round = 0; round < 300; ++round) {
      std::vector<uint8_t> corrupt = file;
      for (int flips = 0; flips < 3; ++flips) {
        seed = seed * 1103515245 + 12345;
        corrupt[(seed >> 8) % corrupt.size()] ^= static_cast<uint8_t>(seed >> 3);
      }
      if (DecodeBmp(corrupt, -1, image) || DecodePng(corrupt, "f", -1, image)) {
        EXPECT_EQ(image.pixels.size(), size_t(image.width) * size_t(image.height) * 4);
      }
    }
  }
}

TEST(BrokenImages, HugeOrLyingSizesAreRefusedBeforeAllocating) {
  ImageBuffer image;
  std::vector<uint8_t> huge = MakeBmp(2, 2, 24, std::vector<Rgb>(4));
  const int32_t side = 1 << 30;
  std::memcpy(&huge[18], &side, 4);
  EXPECT_FALSE(DecodeBmp(huge, -1, image));
  const int32_t negativeWidth = -5;
  std::memcpy(&huge[18], &negativeWidth, 4);
  EXPECT_FALSE(DecodeBmp(huge, -1, image));
  std::vector<uint8_t> tall = MakeBmp(2, 2, 24, std::vector<Rgb>(4));
  const int32_t rows = 30000;  // within limits, but the file holds only two rows
  std::memcpy(&tall[22], &rows, 4);
  EXPECT_FALSE(DecodeBmp(tall, -1, image));
}

// One-bit images whose files are small but whose pictures are not.
std::vector<uint8_t> OneBitBmp(int width, int height) {
  std::vector<uint8_t> file = MakeBmp(8, 1, 1, {}, {{0, 0, 0}, {9, 9, 9}}, std::vector<uint8_t>(8));
  uint32_t dataOffset;
  std::memcpy(&dataOffset, &file[10], 4);
  std::memcpy(&file[18], &width, 4);
  std::memcpy(&file[22], &height, 4);
  file.resize(dataOffset + size_t((width + 31) / 32 * 4) * size_t(height), 0);
  return file;
}

std::vector<uint8_t> OneBitPng(int width, int height) {
  return MakePng(width, height, PNG_COLOR_TYPE_GRAY, 1,
                 std::vector<uint8_t>(size_t((width + 7) / 8) * size_t(height)));
}

TEST(BrokenImages, PicturesBeyondTheLargestTextureOrThePixelCapAreRefused) {
  ImageBuffer image;
  // Within the side limit the caller gives, and one pixel column beyond it.
  EXPECT_TRUE(DecodeBmp(OneBitBmp(64, 32), -1, image, 64));
  EXPECT_FALSE(DecodeBmp(OneBitBmp(65, 32), -1, image, 64));
  EXPECT_FALSE(DecodeBmp(OneBitBmp(32, 65), -1, image, 64));
  EXPECT_TRUE(DecodePng(OneBitPng(64, 32), "p", -1, image, 64));
  EXPECT_FALSE(DecodePng(OneBitPng(65, 32), "p", -1, image, 64));
  EXPECT_FALSE(DecodePng(OneBitPng(32, 65), "p", -1, image, 64));
  EXPECT_EQ(image.pixels.size(), 0u);

  // Sides both allowed, but more pixels than one image may have: one row beyond.
  const int side = 8192;
  const int rows = int(kMaxImagePixels / side) + 1;
  EXPECT_FALSE(DecodeBmp(OneBitBmp(side, rows), -1, image));
  EXPECT_FALSE(DecodePng(OneBitPng(side, rows), "p", -1, image));
  EXPECT_EQ(image.pixels.capacity(), 0u);
}

}  // namespace
}  // namespace zentoir
