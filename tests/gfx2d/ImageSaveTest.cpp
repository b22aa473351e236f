// Saved images: PNG and 24-bit bitmaps of captured scenes, read back byte for byte.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

#include "RenderFixture.h"
#include "gfx2d/image/ImageBuffer.h"
#include "gfx2d/image/ImageFile.h"
#include "gfx2d/image/ImageWriter.h"
#include "gfx2d/image/PngReader.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "zentoir.h"

namespace zentoir {
namespace {

constexpr double kKey = 0x8000FF;

uint32_t Field(const std::string& file, size_t offset, size_t size) {
  uint32_t value = 0;
  for (size_t i = 0; i < size; ++i)
    value |= uint32_t(uint8_t(file[offset + i])) << (8 * i);
  return value;
}

std::array<int, 3> BmpPixel(const std::string& file, int rowFromBottom, int x, int rowSize) {
  const size_t at = 54 + size_t(rowFromBottom * rowSize + x * 3);
  return {uint8_t(file[at]), uint8_t(file[at + 1]), uint8_t(file[at + 2])};  // B, G, R
}

class ImageSave : public testing::RenderTest {
 protected:
  void TearDown() override { SetTransparentColour(kKey); }

  // A 5 × 3 scene captured into sprite 60: top row red, middle green with the key colour
  // at (2, 1), bottom row black.
  void CaptureScene() {
    FillRect(0, 0, 5, 1, 0x0000FF);
    FillRect(0, 1, 5, 1, 0x00FF00);
    FillRect(0, 2, 5, 1, 0x000000);
    SetPixel(2, 1, kKey);
    CaptureSprite(60, 0, 0, 5, 3);
  }
  std::string PathOf(const std::string& name) { return dir_.Path() + name; }
};

TEST_F(ImageSave, BitmapsHavePaddedRowsBottomFirst) {
  CaptureScene();
  const std::string path = PathOf("scene.bmp");
  ASSERT_EQ(SaveSprite(path.c_str(), 60), 1);
  const std::string file = testing::ReadFileBytes(path);
  ASSERT_EQ(file.size(), 16u * 3 + 54);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(Field(file, 2, 4), 16u * 3 + 54);
  EXPECT_EQ(Field(file, 6, 4), 0u);
  EXPECT_EQ(Field(file, 10, 4), 54u);
  EXPECT_EQ(Field(file, 14, 4), 40u);
  EXPECT_EQ(Field(file, 18, 4), 5u);
  EXPECT_EQ(Field(file, 22, 4), 3u);
  EXPECT_EQ(Field(file, 26, 2), 1u);
  EXPECT_EQ(Field(file, 28, 2), 24u);
  EXPECT_EQ(Field(file, 30, 4), 0u);
  EXPECT_EQ(Field(file, 34, 4), 0u);
  EXPECT_EQ(Field(file, 38, 4), 10000u);
  EXPECT_EQ(Field(file, 42, 4), 10000u);
  EXPECT_EQ(Field(file, 46, 4), 0u);
  EXPECT_EQ(Field(file, 50, 4), 0u);
  EXPECT_EQ(BmpPixel(file, 0, 0, 16), (std::array<int, 3>{0, 0, 0}));      // bottom: black
  EXPECT_EQ(BmpPixel(file, 1, 0, 16), (std::array<int, 3>{0, 255, 0}));    // green
  EXPECT_EQ(BmpPixel(file, 1, 2, 16), (std::array<int, 3>{128, 0, 255}));  // the key
  EXPECT_EQ(BmpPixel(file, 2, 4, 16), (std::array<int, 3>{0, 0, 255}));    // top: red
  for (int row = 0; row < 3; ++row)
    EXPECT_EQ(file[size_t(54 + row * 16 + 15)], 0) << "padding of row " << row;
}

TEST_F(ImageSave, WithoutAKeyBlackPixelsBecomeTheDefaultKeyInBitmaps) {
  SetTransparentColour(0);
  CaptureScene();
  const std::string bmp = PathOf("black.bmp");
  ASSERT_EQ(SaveSprite(bmp.c_str(), 60), 1);
  const std::string file = testing::ReadFileBytes(bmp);
  EXPECT_EQ(BmpPixel(file, 0, 3, 16), (std::array<int, 3>{128, 0, 255}));
  // ... while a PNG keys nothing: the black row stays opaque black.
  const std::string png = PathOf("black.png");
  ASSERT_EQ(SaveSprite(png.c_str(), 60), 1);
  ImageBuffer image;
  ASSERT_TRUE(ReadImageFile(png, kNoColourKey, image));
  EXPECT_EQ(std::memcmp(image.PixelAt(3, 2), "\0\0\0\xFF", 4), 0);
}

TEST_F(ImageSave, PngsAreTopFirstWithTheKeyTransparentBlue) {
  CaptureScene();
  const std::string path = PathOf("scene.PNG");
  ASSERT_EQ(SaveSprite(path.c_str(), 60), 1);
  ImageBuffer image;
  ASSERT_TRUE(ReadImageFile(path, kNoColourKey, image));
  ASSERT_EQ(image.width, 5);
  ASSERT_EQ(image.height, 3);
  const std::vector<uint8_t> expected = {
      255, 0,   0, 255, 255, 0,   0, 255, 255, 0, 0,   255, 255, 0,   0, 255, 255, 0,   0, 255,
      0,   255, 0, 255, 0,   255, 0, 255, 0,   0, 255, 0,   0,   255, 0, 255, 0,   255, 0, 255,
      0,   0,   0, 255, 0,   0,   0, 255, 0,   0, 0,   255, 0,   0,   0, 255, 0,   0,   0, 255};
  EXPECT_EQ(image.pixels, expected);
  const std::string bytes = testing::ReadFileBytes(path);
  EXPECT_NE(bytes.find("bKGD"), std::string::npos);
}

TEST_F(ImageSave, TheScreenIsSavedWhole) {
  FillRect(0, 599, 1, 1, 0x0000FF);
  const std::string path = PathOf("screen.bmp");
  ASSERT_EQ(SaveScreen(path.c_str()), 1);
  const std::string file = testing::ReadFileBytes(path);
  ASSERT_EQ(file.size(), 2400u * 600 + 54);
  EXPECT_EQ(Field(file, 18, 4), 800u);
  EXPECT_EQ(Field(file, 22, 4), 600u);
  EXPECT_EQ(BmpPixel(file, 0, 0, 2400), (std::array<int, 3>{0, 0, 255}));
}

TEST_F(ImageSave, FailuresGiveZero) {
  CaptureScene();
  EXPECT_EQ(SaveSprite(PathOf("no/such/folder.png").c_str(), 60), 0);
  EXPECT_EQ(SaveSprite(PathOf("no/such/folder.bmp").c_str(), 60), 0);
  EXPECT_EQ(SaveScreen(dir_.Path().c_str()), 0);  // a folder, not a file
  EXPECT_EQ(SaveSprite(PathOf("free.bmp").c_str(), 4321), 0);
  EXPECT_EQ(SaveSprite(PathOf("bad.bmp").c_str(), -3), 0);
  EXPECT_EQ(SaveSprite(PathOf("bad.bmp").c_str(), 1e20), 0);
}

TEST(ImagePaths, OnlyDotPngWithANameIsAPng) {
  EXPECT_TRUE(IsPngPath("a.png"));
  EXPECT_TRUE(IsPngPath("ScreenShot.PNG"));
  EXPECT_TRUE(IsPngPath("x/y.pNg"));
  EXPECT_FALSE(IsPngPath(".png"));
  EXPECT_FALSE(IsPngPath("a.bmp"));
  EXPECT_FALSE(IsPngPath("a.jpg"));
  EXPECT_FALSE(IsPngPath("a.png.bak"));
  EXPECT_FALSE(IsPngPath("apng"));
  EXPECT_FALSE(IsPngPath(""));
}

TEST(ImageEncoding, PngKeyIgnoresRedAndNeedsANonZeroKeyRed) {
  const uint8_t bgr[] = {10, 20, 30, 10, 20, 99};  // two pixels, same blue and green
  const BgrImage image{bgr, 2, 1, 2};
  std::vector<uint8_t> file;
  ASSERT_TRUE(EncodePng(image, KeyColour{30, 20, 10}, file));
  ImageBuffer decoded;
  ASSERT_TRUE(DecodePng(file, "memory", kNoColourKey, decoded));
  EXPECT_EQ(decoded.pixels, (std::vector<uint8_t>{0, 0, 255, 0, 0, 0, 255, 0}));
  ASSERT_TRUE(EncodePng(image, KeyColour{0, 20, 10}, file));
  ASSERT_TRUE(DecodePng(file, "memory", kNoColourKey, decoded));
  EXPECT_EQ(decoded.pixels, (std::vector<uint8_t>{30, 20, 10, 255, 99, 20, 10, 255}));
  EXPECT_FALSE(EncodePng(BgrImage{bgr, 0, 1, 2}, KeyColour{}, file));
}

}  // namespace
}  // namespace zentoir
