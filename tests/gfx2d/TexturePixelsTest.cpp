#include "gfx2d/image/TexturePixels.h"

#include <gtest/gtest.h>

namespace zentoir {
namespace {

ImageBuffer SolidImage(int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  ImageBuffer image;
  image.width = w;
  image.height = h;
  image.pixels.resize(size_t(w) * size_t(h) * 4);
  for (size_t i = 0; i < image.pixels.size(); i += 4) {
    image.pixels[i] = r, image.pixels[i + 1] = g, image.pixels[i + 2] = b, image.pixels[i + 3] = a;
  }
  return image;
}

TEST(TextureSize, PowersOfTwoOfAtLeastTwo) {
  EXPECT_EQ(TextureSizeFor(1), 2);
  EXPECT_EQ(TextureSizeFor(2), 2);
  EXPECT_EQ(TextureSizeFor(3), 4);
  EXPECT_EQ(TextureSizeFor(100), 128);
  EXPECT_EQ(TextureSizeFor(30), 32);
  EXPECT_EQ(TextureSizeFor(128), 128);
}

TEST(BuildTexels, PutsTheTopRowAtTheRegionsTopAndPadsWithTransparency) {
  ImageBuffer image = SolidImage(3, 2, 0, 0, 0);
  image.PixelAt(0, 0)[0] = 11;  // top-left
  image.PixelAt(2, 1)[0] = 22;  // bottom-right
  TexelBlock block;
  ASSERT_TRUE(BuildTexels(image, 0, 0, 0, 0, 4096, true, block));
  EXPECT_EQ(block.width, 4);
  EXPECT_EQ(block.height, 2);
  EXPECT_EQ(block.At(0, 1)[0], 11);  // image top in texture row h - 1
  EXPECT_EQ(block.At(2, 0)[0], 22);
  EXPECT_EQ(block.At(3, 0)[3], 0);  // padding
  EXPECT_EQ(block.At(3, 1)[3], 0);
}

TEST(BuildTexels, RegionsOffsetAndEmpty) {
  ImageBuffer image = SolidImage(8, 8, 5, 5, 5);
  image.PixelAt(5, 6)[0] = 99;
  TexelBlock block;
  ASSERT_TRUE(BuildTexels(image, 4, 4, 3, 3, 4096, true, block));
  EXPECT_EQ(block.width, 4);
  EXPECT_EQ(block.At(1, 4 + 3 - 1 - 6)[0], 99);  // column px - x, row y + h - 1 - py
  EXPECT_EQ(block.At(3, 0)[3], 0);               // past the region's width
  block.width = 77;
  EXPECT_FALSE(BuildTexels(image, 8, 0, 0, 0, 4096, true, block));  // w = 0 at the right edge
  EXPECT_FALSE(BuildTexels(image, 0, 0, -3, 2, 4096, true, block));
  EXPECT_EQ(block.width, 77);  // untouched
  // A region hanging over the image's left and top edges.
  ASSERT_TRUE(BuildTexels(image, -2, -2, 4, 4, 4096, true, block));
  EXPECT_EQ(block.At(1, 3)[3], 0);    // outside the image
  EXPECT_EQ(block.At(2, 1)[3], 255);  // image pixel (0, 0)
  // Clamped to the largest texture.
  ASSERT_TRUE(BuildTexels(SolidImage(100, 5, 1, 1, 1), 0, 0, 0, 0, 64, true, block));
  EXPECT_EQ(block.width, 64);
}

TEST(BuildTexels, BleedsColourIntoTransparentTexelsOutsideFontMode) {
  ImageBuffer image = SolidImage(4, 4, 0, 0, 0, 0);
  image.PixelAt(1, 1)[0] = 200, image.PixelAt(1, 1)[3] = 255;
  image.PixelAt(2, 1)[0] = 100, image.PixelAt(2, 1)[3] = 255;
  TexelBlock block;
  ASSERT_TRUE(BuildTexels(image, 0, 0, 0, 0, 4096, false, block));
  // Texture row 2 holds image row 1. Its left neighbour sees only (1, 2).
  EXPECT_EQ(block.At(0, 2)[0], 200);
  EXPECT_EQ(block.At(0, 2)[3], 0);    // alpha stays 0
  EXPECT_EQ(block.At(1, 1)[0], 150);  // below both: (200 + 100) / 2
  EXPECT_EQ(block.At(3, 3)[0], 100);
  ASSERT_TRUE(BuildTexels(image, 0, 0, 0, 0, 4096, true, block));
  EXPECT_EQ(block.At(0, 2)[0], 0);  // fonts are left alone
}

TEST(NormalMap, FlatFieldPointsStraightUpAndSlopesTilt) {
  TexelBlock flat;
  flat.width = flat.height = 4;
  flat.bytes.assign(64, 128);
  const TexelBlock n = MakeNormalMap(flat);
  EXPECT_EQ(n.At(1, 1)[0], 127);
  EXPECT_EQ(n.At(1, 1)[1], 127);
  EXPECT_EQ(n.At(1, 1)[2], 255);
  EXPECT_EQ(n.At(1, 1)[3], 128);  // alpha kept

  TexelBlock ramp = flat;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      ramp.At(x, y)[0] = uint8_t(x * 40);
  const TexelBlock r = MakeNormalMap(ramp);
  EXPECT_LT(r.At(1, 1)[0], 127);  // rising to the right: normal leans left
  EXPECT_EQ(r.At(1, 1)[1], 127);
  EXPECT_GT(r.At(0, 1)[0], 127);  // wraps: the left neighbour of column 0 is column 3
}

TEST(MipLevels, SquareFirstThenHalveToOneByOne) {
  TexelBlock wide;
  wide.width = 8;
  wide.height = 2;
  wide.bytes.assign(8 * 2 * 4, 0);
  wide.At(0, 0)[0] = 100, wide.At(1, 0)[0] = 50;
  const std::vector<TexelBlock> levels = BuildMipLevels(wide);
  ASSERT_EQ(levels.size(), 2u);
  EXPECT_EQ(levels[0].width, 2);
  EXPECT_EQ(levels[0].height, 2);
  // Two horizontal halvings: (100 + 50) >> 1 = 75, then (75 + 0) >> 1 = 37.
  EXPECT_EQ(levels[0].At(0, 0)[0], 37);
  EXPECT_EQ(levels[1].width, 1);
  EXPECT_EQ(levels[1].At(0, 0)[0], 37 / 4);

  TexelBlock tall;
  tall.width = 2;
  tall.height = 16;
  tall.bytes.assign(2 * 16 * 4, 255);
  const std::vector<TexelBlock> tallLevels = BuildMipLevels(tall);
  EXPECT_EQ(tallLevels.front().height, 2);
  EXPECT_EQ(tallLevels.back().width, 1);
  EXPECT_EQ(tallLevels.back().At(0, 0)[3], 255);
}

}  // namespace
}  // namespace zentoir
