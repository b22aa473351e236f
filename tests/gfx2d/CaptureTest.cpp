// Reading the screen back: captures into sprites and backgrounds, single pixels, saved
// image files and offscreen screens.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>

#include "RenderFixture.h"
#include "base/RuntimeContext.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/image/ImageBuffer.h"
#include "gfx2d/image/PngReader.h"
#include "gfx2d/renderer/Renderer.h"
#include "support/RendererAccess.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::Pixel;

const Pixel kBlack{0, 0, 0};
const Pixel kRed{255, 0, 0};
const Pixel kGreen{0, 255, 0};
const Pixel kBlue{0, 0, 255};
constexpr double kKey = 0x8000FF;  // the default transparent colour

double Colour(const Pixel& p) {
  return p[0] + 256.0 * p[1] + 65536.0 * p[2];
}

class Capture : public testing::RenderTest {
 protected:
  OpenGLRadazuri& r = *Renderer();

  void TearDown() override {
    UseScreen(-1);
    SetTransparentColour(kKey);
  }

  // A 5 × 3 scene at the top-left: rows red / green / blue, with the key colour at (2, 1)
  // and white at (4, 0).
  void DrawSmallScene() {
    FillRect(0, 0, 5, 1, Colour(kRed));
    FillRect(0, 1, 5, 1, Colour(kGreen));
    FillRect(0, 2, 5, 1, Colour(kBlue));
    SetPixel(2, 1, kKey);
    SetPixel(4, 0, 0xFFFFFF);
  }

  // Level 0 of a sprite's texture as RGBA bytes.
  std::vector<uint8_t> Texels(int32_t n) {
    const SpriteRecord& s = r.Sprite(n);
    std::vector<uint8_t> texels(size_t(s.textureWidth) * size_t(s.textureHeight) * 4);
    glBindTexture(GL_TEXTURE_2D, s.texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
  }
  // Texel (x, y) of the image part, y from the top of the image.
  std::array<int, 4> ImageTexel(int32_t n, int x, int y) {
    const SpriteRecord& s = r.Sprite(n);
    const std::vector<uint8_t> texels = Texels(n);
    const uint8_t* t = &texels[(size_t(s.height - 1 - y) * size_t(s.textureWidth) + size_t(x)) * 4];
    return {t[0], t[1], t[2], t[3]};
  }
};

TEST_F(Capture, TexturesAreAtLeast32AndReusedWhenTheSizeFits) {
  CaptureSprite(40, 0, 0, 20, 10);
  const SpriteRecord& s = r.Sprite(40);
  EXPECT_EQ(s.textureWidth, 32);
  EXPECT_EQ(s.textureHeight, 32);
  EXPECT_EQ(s.width, 20);
  EXPECT_EQ(s.height, 10);
  const uint32_t first = s.texture;
  CaptureSprite(40, 5, 5, 20, 10);
  EXPECT_EQ(s.texture, first);
  CaptureSprite(40, 0, 0, 33, 64);
  EXPECT_EQ(s.textureWidth, 64);
  EXPECT_EQ(s.textureHeight, 64);
  EXPECT_EQ(s.width, 33);
}

TEST_F(Capture, CapturesKeepFrameSizesAndRefuseEmptyOrHugeRectangles) {
  r.SetSpriteFrame(41, 4, 0);
  CaptureSprite(41, 0, 0, 8, 8);
  EXPECT_EQ(r.Sprite(41).frameWidth, 4);
  CaptureSprite(41, 0, 0, 0, 8);
  CaptureSprite(41, 0, 0, -5, 8);
  CaptureSprite(41, 0, 0, 1e9, 8);
  CaptureSprite(70000, 0, 0, 8, 8);
  CaptureSprite(-1, 0, 0, 8, 8);
  EXPECT_EQ(r.Sprite(41).width, 8);
  EXPECT_EQ(r.Sprite(41).textureWidth, 32);
}

TEST_F(Capture, CapturedScenesDrawBackWithTheKeyTransparent) {
  DrawSmallScene();
  CaptureSprite(42, 0, 0, 5, 3);
  FillRect(100, 100, 10, 10, 0x808080);
  DrawSprite(42, 100, 100);
  EXPECT_EQ(At(100, 100), kRed);
  EXPECT_EQ(At(104, 100), (Pixel{255, 255, 255}));
  EXPECT_EQ(At(101, 101), kGreen);
  EXPECT_EQ(At(102, 101), (Pixel{128, 128, 128}));  // the keyed pixel shows what is under it
  EXPECT_EQ(At(104, 102), kBlue);
  EXPECT_EQ(ImageTexel(42, 2, 1)[3], 0);
  EXPECT_EQ(ImageTexel(42, 0, 0), (std::array<int, 4>{255, 0, 0, 255}));
}

// A framebuffer screen keeps alpha, so there the copy and the read-back can be compared
// (the test GL's back buffer has no alpha and always takes the read-back).
TEST_F(Capture, TheReadBackPathKeysTheSamePixelsAsTheCopy) {
  CreateScreen(5, 47, 40, 40);
  UseScreen(5);
  ASSERT_TRUE(r.TargetHasAlpha());
  DrawSmallScene();
  CaptureSprite(43, 0, 0, 5, 3);
  const SpriteRecord& s = r.Sprite(44);
  CaptureSprite(44, 0, 0, 5, 3);
  r.ReadTargetIntoTexture(s.texture, 0, 0, 5, 3, 32, 32);
  EXPECT_EQ(GetPixel(4, 4), 0);  // the key probe pixel is put back
  UseScreen(-1);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const auto copied = ImageTexel(43, x, y), read = ImageTexel(44, x, y);
      EXPECT_EQ(copied[3], read[3]) << x << "," << y;
      if (copied[3] != 0) {
        EXPECT_EQ(copied, read) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(ImageTexel(43, 2, 1)[3], 0);
  EXPECT_EQ(ImageTexel(43, 1, 1), (std::array<int, 4>{0, 255, 0, 255}));
}

// The test GL's back buffer has no alpha: through shaders the key is applied on the GPU,
// texel for texel as the read-back applies it, in the key colours a game sets too.
TEST_F(Capture, KeyingOnTheGpuGivesTheReadBacksTexels) {
  ASSERT_FALSE(r.TargetHasAlpha());
  const bool shaders = r.DrawBackendInUse() != DrawBackendKind::FixedFunction;
  for (double key : {kKey, 0.0, 255.0}) {
    SetTransparentColour(key);
    DrawSmallScene();
    SetPixel(3, 2, key);
    CaptureSprite(48, 0, 0, 40, 3);  // 64 × 32 texels: the rest is transparent black
    CaptureSprite(49, 0, 0, 40, 3);
    r.ReadTargetIntoTexture(r.Sprite(49).texture, 0, 0, 40, 3, 64, 32);
    EXPECT_EQ(r.KeyTargetIntoTexture(r.Sprite(48).texture, 0, 0, 40, 3, 64, 32), shaders);
    EXPECT_EQ(Texels(48), Texels(49)) << key;
    EXPECT_EQ(ImageTexel(48, 3, 2)[3], 0) << key;
    EXPECT_EQ(ImageTexel(48, 0, 1), (std::array<int, 4>{0, 255, 0, 255})) << key;
  }
}

TEST_F(Capture, ACaptureDropsTheCachedCollisionMask) {
  FillRect(0, 0, 8, 8, 0xFFFFFF);
  CaptureSprite(45, 0, 0, 8, 8);
  CaptureSprite(46, 0, 0, 8, 8);
  EXPECT_EQ(SpritesCollide(45, 0, 0, 46, 4, 4), 1);
  FillRect(0, 0, 8, 8, kKey);  // all transparent now
  CaptureSprite(45, 0, 0, 8, 8);
  EXPECT_EQ(SpritesCollide(45, 0, 0, 46, 4, 4), 0);
}

TEST_F(Capture, GetPixelReadsRedGreenBlue) {
  SetPixel(7, 9, 0x123456);
  EXPECT_EQ(GetPixel(7, 9), double(0x123456));
  EXPECT_EQ(GetPixel(8, 9), 0);
  EXPECT_EQ(GetPixel(-1, 0), 0);
  EXPECT_EQ(GetPixel(1e12, 0), 0);
}

TEST_F(Capture, TheWholeScreenBecomesOneTile) {
  double sw, sh;
  GetScreenSize(sw, sh);
  ASSERT_EQ(sw, 800);
  ASSERT_EQ(sh, 600);
  FillRect(790, 590, 10, 10, Colour(kGreen));
  CaptureBackground();
  const BackgroundImage& b = r.Background(0);
  EXPECT_EQ(b.columns, 1);
  EXPECT_EQ(b.rows, 1);
  EXPECT_EQ(b.textureWidth[0], 1024);
  EXPECT_EQ(b.tileWidth[0], 800);
  EXPECT_EQ(b.tileHeight[0], 600);
  const int32_t texture = b.texture[0];
  CaptureBackground();
  EXPECT_EQ(b.texture[0], texture);
  glClear(GL_COLOR_BUFFER_BIT);
  r.DrawBackgroundImage(0);
  EXPECT_EQ(At(795, 595), kGreen);
  EXPECT_EQ(At(785, 595), kBlack);
  ClearBackground();
  EXPECT_EQ(b.columns, 0);
}

TEST_F(Capture, ScreensWithAndWithoutFramebuffersGiveTheSamePixels) {
  LoadSprite(SolidBmp("red.bmp", 6, 6, {255, 0, 0}).c_str(), 50);
  FillRect(0, 0, 60, 40, 0x00FFFF);  // back-buffer content the emulated screen covers
  auto drawScene = [] {
    FillRect(2, 2, 30, 10, Colour(kBlue));
    DrawSprite(50, 20, 15);
    SetPixel(49, 29, Colour(kGreen));
    FillRect(5, 20, 4, 4, kKey);  // stays transparent
  };
  CreateScreen(0, 51, 50, 30);
  ASSERT_NE(RendererTestAccess::Screen(r, 0).width, 0) << "framebuffer objects expected on this GL";
  const GLExtensionFunctions saved = GLExtensions();
  GLExtensions().glFramebufferTexture2DEXT = nullptr;
  CreateScreen(1, 52, 50, 30);
  GLExtensions() = saved;
  ASSERT_EQ(RendererTestAccess::Screen(r, 1).width, 0);

  for (int screen : {0, 1}) {
    UseScreen(screen);
    drawScene();
    EXPECT_EQ(GetPixel(49, 29), Colour(kGreen)) << screen;
    UseScreen(-1);
  }
  EXPECT_EQ(At(0, 0), (Pixel{255, 255, 0}));  // the emulated screen put the back buffer back
  EXPECT_EQ(At(59, 39), (Pixel{255, 255, 0}));
  glClear(GL_COLOR_BUFFER_BIT);
  DrawSprite(51, 100, 100);
  DrawSprite(52, 300, 100);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 50; ++x)
      ASSERT_EQ(At(100 + x, 100 + y), At(300 + x, 100 + y)) << x << "," << y;
  }
  EXPECT_EQ(At(149, 129), kGreen);
  EXPECT_EQ(At(125, 117), kRed);
  EXPECT_EQ(At(106, 121), kBlack);
}

TEST_F(Capture, CapturesInsideAFramebufferScreenUseItsRows) {
  CreateScreen(2, 53, 50, 30);  // texture 64 × 32: two rows more than drawn
  UseScreen(2);
  SetPixel(3, 5, 0x00FF00);
  EXPECT_EQ(GetPixel(3, 5), double(0x00FF00));
  CaptureSprite(54, 3, 5, 1, 1);
  UseScreen(-1);
  EXPECT_EQ(ImageTexel(54, 0, 0), (std::array<int, 4>{0, 255, 0, 255}));
}

TEST_F(Capture, ScreenCommandsIgnoreBadNumbers) {
  CreateScreen(3, 55, 20, 20);
  UseScreen(3);
  UseScreen(32);
  EXPECT_EQ(RendererTestAccess::ActiveScreen(r), 3);
  UseScreen(-1);
  EXPECT_EQ(RendererTestAccess::ActiveScreen(r), -1);
  UseScreen(-1);
  EXPECT_EQ(RendererTestAccess::ViewportWidth(r), 800);
  FillRect(0, 0, 1, 1, 0xFFFFFF);
  UseScreen(6);  // never created: drawing stays on the back buffer, untouched
  EXPECT_EQ(RendererTestAccess::ActiveScreen(r), -1);
  UseScreen(-1);
  EXPECT_EQ(At(0, 0), (Pixel{255, 255, 255}));
  CreateScreen(40, 56, 20, 20);
  CreateScreen(4, 70000, 20, 20);
  CreateScreen(4, 56, 1e9, 20);
  CreateScreen(4, 56, 0, 20);
  EXPECT_EQ(r.Sprite(56).texture, 0u);
  EXPECT_EQ(RendererTestAccess::Screen(r, 4).sprite, 0);
}

}  // namespace
}  // namespace zentoir
