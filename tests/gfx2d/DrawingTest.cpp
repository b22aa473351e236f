#include <gtest/gtest.h>
#include <png.h>

#include <cmath>

#include "RenderFixture.h"
#include "base/RuntimeContext.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::Pixel;
using testing::Rgb;

const Pixel kBlack{0, 0, 0};
const Pixel kRed{255, 0, 0};
const Pixel kGreen{0, 255, 0};
const Pixel kBlue{0, 0, 255};

class Drawing : public testing::RenderTest {};

// A 2 × 2 sprite: red on the left column, blue on the right.
std::vector<uint8_t> LeftRedRightBlue() {
  return testing::MakeBmp(2, 2, 24, {{255, 0, 0}, {0, 0, 255}, {255, 0, 0}, {0, 0, 255}});
}

// Two 4 × 4 animation frames side by side, each of one colour, as a bitmap.
std::vector<uint8_t> TwoFrames(Rgb first, Rgb second) {
  std::vector<Rgb> pixels;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x)
      pixels.push_back(x < 4 ? first : second);
  return testing::MakeBmp(8, 4, 24, pixels);
}

TEST_F(Drawing, SpritePositionsRoundUp) {
  LoadSprite(SolidBmp("red.bmp", 4, 4, {255, 0, 0}).c_str(), 1);
  DrawSprite(1, 10.2, 5);
  EXPECT_EQ(At(10, 6), kBlack);
  EXPECT_EQ(At(11, 6), kRed);
  EXPECT_EQ(At(14, 6), kRed);
  EXPECT_EQ(At(15, 6), kBlack);
  DrawSprite(1, -0.5, 20);
  EXPECT_EQ(At(0, 20), kRed);
  EXPECT_EQ(At(3, 23), kRed);
  EXPECT_EQ(At(4, 20), kBlack);
}

TEST_F(Drawing, TextureSizesArePowersOfTwoOfAtLeastTwo) {
  LoadSprite(SolidBmp("one.bmp", 1, 1, {1, 2, 3}).c_str(), 2);
  LoadSprite(SolidBmp("wide.bmp", 100, 30, {1, 2, 3}).c_str(), 3);
  const OpenGLRadazuri& r = *Renderer();
  EXPECT_EQ(r.Sprite(2).textureWidth, 2);
  EXPECT_EQ(r.Sprite(2).textureHeight, 2);
  EXPECT_EQ(r.Sprite(3).textureWidth, 128);
  EXPECT_EQ(r.Sprite(3).textureHeight, 32);
  double w = -1, h = -1;
  GetSpriteSize(3, w, h);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 30);
  GetSpriteSize(4000, w, h);  // never loaded
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 0);
  GetSpriteSize(-1, w, h);
  EXPECT_EQ(w, 0);
}

TEST_F(Drawing, StretchedSpritesMirrorWithNegativeSizes) {
  SetSmoothing(0);
  LoadSprite(WriteImage("lr.bmp", LeftRedRightBlue()).c_str(), 5);
  SetSmoothing(0);
  DrawSpriteStretched(5, 100, 10, 20, 10);
  EXPECT_EQ(At(102, 12), kRed);
  EXPECT_EQ(At(117, 12), kBlue);
  SetSmoothing(0);
  DrawSpriteStretched(5, 100, 40, -20, 10);  // to the left of x, mirrored, still visible
  EXPECT_EQ(At(82, 42), kBlue);
  EXPECT_EQ(At(98, 42), kRed);
  EXPECT_EQ(At(101, 42), kBlack);
}

TEST_F(Drawing, BothSizesNegativeTurnsTheSpriteHalfRound) {
  // Top row red, bottom row green.
  LoadSprite(
      WriteImage("tb.bmp",
                 testing::MakeBmp(2, 2, 24, {{255, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 255, 0}}))
          .c_str(),
      6);
  SetSmoothing(0);
  DrawSpriteStretched(6, 200, 60, -20, -20);  // covers x 180..199, y 40..59
  EXPECT_EQ(At(190, 42), kGreen);
  EXPECT_EQ(At(190, 57), kRed);
}

TEST_F(Drawing, PositiveAnglesTurnCounterClockwise) {
  // A 16 × 16 sprite, red in its top half and blue in its bottom half.
  std::vector<Rgb> pixels;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      pixels.push_back(y < 8 ? Rgb{255, 0, 0} : Rgb{0, 0, 255});
  LoadSprite(WriteImage("half.bmp", testing::MakeBmp(16, 16, 24, pixels)).c_str(), 7);
  SetSmoothing(0);
  DrawSpriteRotated(7, 300, 300, 90);  // centre (308, 308); the top turns to the left
  EXPECT_EQ(At(302, 308), kRed);
  EXPECT_EQ(At(314, 308), kBlue);
}

TEST_F(Drawing, AnimationFramesPickTheirCell) {
  const std::string path = WriteImage("frames.bmp", TwoFrames({0, 255, 0}, {0, 0, 255}));
  LoadAnimSprite(path.c_str(), 8, 4, 4);
  SetSmoothing(0);
  DrawAnimFrame(8, 1, 400, 10);
  EXPECT_EQ(At(401, 11), kBlue);
  DrawAnimFrame(8, 0, 410, 10);
  EXPECT_EQ(At(411, 11), kGreen);
  EXPECT_EQ(At(415, 11), kBlack);  // only one frame wide

  LoadSprite(path.c_str(), 9);  // no frame size: frame commands draw nothing
  DrawAnimFrame(9, 0, 420, 10);
  EXPECT_EQ(At(421, 11), kBlack);
  LoadAnimSprite("missing.bmp", 8, 2, 2);  // a failed load keeps the frame size
  EXPECT_EQ(Renderer()->Sprite(8).frameWidth, 4);
}

TEST_F(Drawing, ZoomedRotoZoomedAndStretchedDrawingKeepItsPlaceAndFrame) {
  LoadSprite(SolidBmp("red4.bmp", 4, 4, {255, 0, 0}).c_str(), 16);
  LoadAnimSprite(WriteImage("frames2.bmp", TwoFrames({0, 255, 0}, {0, 0, 255})).c_str(), 17, 4, 4);
  SetSmoothing(0);
  DrawSpriteZoomed(16, 600, 100, 2, 2);  // twice as large about the same middle: 598..605
  SetSmoothing(0);
  DrawSpriteRotoZoom(16, 620, 100, 45, 2);  // a diamond about (622, 102) reaching 5.6 out
  SetSmoothing(0);
  DrawAnimFrameStretched(17, 1, 640, 100, 16, 8);  // frame 1 over 640..655 × 100..107
  SetSmoothing(0);
  DrawAnimFrameRotoZoom(17, 0, 680, 100, 90, 2);  // frame 0 about (682, 102): 678..685
  for (auto [x, y] : {std::pair{599, 99}, {604, 104}, {622, 98}, {618, 102}, {625, 102}})
    EXPECT_EQ(At(x, y), kRed) << x << "," << y;
  for (auto [x, y] : {std::pair{596, 102}, {607, 102}, {618, 98}, {626, 106}})
    EXPECT_EQ(At(x, y), kBlack) << x << "," << y;
  EXPECT_EQ(At(641, 101), kBlue);
  EXPECT_EQ(At(654, 106), kBlue);
  EXPECT_EQ(At(657, 102), kBlack);
  EXPECT_EQ(At(679, 99), kGreen);
  EXPECT_EQ(At(684, 104), kGreen);
  EXPECT_EQ(At(676, 102), kBlack);
}

TEST_F(Drawing, AnimationFramesCollideByTheirOwnPixels) {
  // Frame 0 solid, frame 1 all transparent colour.
  LoadAnimSprite(WriteImage("solid-empty.bmp", TwoFrames({0, 255, 0}, {255, 0, 128})).c_str(), 18,
                 4, 4);
  EXPECT_EQ(AnimFramesCollide(18, 0, 0, 0, 18, 0, 2, 3), 1);
  EXPECT_EQ(AnimFramesCollide(18, 0, 0, 0, 18, 0, 4, 0), 0);  // side by side
  EXPECT_EQ(AnimFramesCollide(18, 0, 0, 0, 18, 1, 1, 1), 0);  // the empty frame
  EXPECT_EQ(AnimFramesCollide(18, 1, 0, 0, 18, 1, 0, 0), 0);
}

TEST_F(Drawing, BumpSpritesHoldTheNormalsOfTheirHeights) {
  const std::string flat = SolidBmp("flat.bmp", 4, 4, {200, 50, 50});
  EXPECT_EQ(LoadBumpSprite(flat.c_str(), 19), 1);
  EXPECT_EQ(LoadBumpSprite("missing.bmp", 20), 0);
  double w = 0, h = 0;
  GetSpriteSize(19, w, h);
  EXPECT_EQ(w, 4);
  GetSpriteSize(20, w, h);
  EXPECT_EQ(w, 0);
  SetSmoothing(0);
  DrawSprite(19, 700, 100);  // a flat height map points straight out: (0, 0, 1)
  EXPECT_EQ(At(701, 101), (Pixel{127, 127, 255}));
}

TEST_F(Drawing, FillRectWithNegativeWidthCoversColumns91To100) {
  FillRect(100, 100, -10, 5, 0x00FF00);
  EXPECT_EQ(At(90, 102), kBlack);
  EXPECT_EQ(At(91, 102), kGreen);
  EXPECT_EQ(At(100, 102), kGreen);
  EXPECT_EQ(At(101, 102), kBlack);
  EXPECT_EQ(At(95, 99), kBlack);
  EXPECT_EQ(At(95, 104), kGreen);
  EXPECT_EQ(At(95, 105), kBlack);
}

TEST_F(Drawing, LinesSetTheirEndPixelEvenAtLengthZero) {
  DrawLine(50, 50, 50, 50, 0x0000FF);
  EXPECT_EQ(At(50, 50), (Pixel{255, 0, 0}));
  EXPECT_EQ(At(51, 50), kBlack);
  DrawLine(10, 200, 20, 200, 0xFFFFFF);
  EXPECT_EQ(At(10, 200), (Pixel{255, 255, 255}));
  EXPECT_EQ(At(20, 200), (Pixel{255, 255, 255}));
  SetPixel(30, 30, 0xFF0000);
  EXPECT_EQ(At(30, 30), kBlue);
}

TEST_F(Drawing, AlphaModesBlendReplaceOrAdd) {
  LoadSprite(SolidBmp("red2.bmp", 4, 4, {200, 0, 0}).c_str(), 10);
  auto drawOverGreen = [&](double mode, int x) {
    SetAlphaMode(0);
    FillRect(x, 300, 4, 4, 0x006400);  // green 100
    SetAlphaMode(mode);
    DrawSprite(10, x, 300);
    return At(x + 1, 301);
  };
  EXPECT_EQ(drawOverGreen(0, 500), (Pixel{200, 0, 0}));
  const Pixel half = drawOverGreen(-0.5, 510);
  EXPECT_NEAR(half[0], 100, 2);
  EXPECT_NEAR(half[1], 50, 2);
  const Pixel added = drawOverGreen(0.5, 520);
  EXPECT_NEAR(added[0], 100, 2);
  EXPECT_NEAR(added[1], 100, 2);
  EXPECT_EQ(drawOverGreen(-3, 530), (Pixel{200, 0, 0}));  // clamped to full opacity
  EXPECT_EQ(drawOverGreen(std::nan(""), 540), (Pixel{200, 0, 0}));
  SetAlphaMode(0);
}

TEST_F(Drawing, ColourKeyOnBitmapsAndPngs) {
  const Rgb key{255, 0, 128};
  LoadSprite(WriteImage("keyed.bmp", testing::MakeBmp(2, 1, 24, {key, {0, 255, 0}})).c_str(), 11);
  LoadSprite(WriteImage("keyed.png",
                        testing::MakePng(2, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 128, 0, 255, 0}))
                 .c_str(),
             12);
  LoadSprite(WriteImage("rgba.png",
                        testing::MakePng(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {255, 0, 128, 255}))
                 .c_str(),
             13);
  SetSmoothing(0);
  DrawSpriteStretched(11, 0, 400, 20, 10);
  SetSmoothing(0);
  DrawSpriteStretched(12, 40, 400, 20, 10);
  DrawSprite(13, 80, 400);
  EXPECT_EQ(At(2, 402), kBlack);  // keyed: transparent
  EXPECT_EQ(At(15, 402), kGreen);
  EXPECT_EQ(At(42, 402), kBlack);
  EXPECT_EQ(At(55, 402), kGreen);
  EXPECT_EQ(At(80, 400), (Pixel{255, 0, 128}));  // RGBA keeps its alpha

  SetTransparentColour(0x00FF00);  // green is the key of later loads
  LoadSprite(WriteImage("green.bmp", testing::MakeBmp(1, 1, 24, {{0, 255, 0}})).c_str(), 14);
  DrawSprite(14, 90, 400);
  EXPECT_EQ(At(90, 400), kBlack);
  SetTransparentColour(0x8000FF);
}

TEST_F(Drawing, ViewportMovesTheOrigin) {
  SetViewport(50, 20, 0, 0);
  SetPixel(0, 0, 0xFFFFFF);
  SetViewport(0, 0, 0, 0);
  EXPECT_EQ(At(50, 20), (Pixel{255, 255, 255}));
  EXPECT_EQ(At(0, 0), kBlack);
  double w, h;
  GetScreenSize(w, h);
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
}

TEST_F(Drawing, PolyVectorsFillConvexShapes) {
  StartPolyVector(-1);
  AddPolyVertex(600, 100, 0, 0, 0x0000FF);
  AddPolyVertex(600, 120, 0, 0, 0x0000FF);
  AddPolyVertex(620, 120, 0, 0, 0x0000FF);
  AddPolyVertex(620, 100, 0, 0, 0x0000FF);
  EndPolyVector();
  EXPECT_EQ(At(610, 110), kRed);
  EXPECT_EQ(At(625, 110), kBlack);
}

TEST_F(Drawing, SolidPixelsCollideTouchingEdgesDoNot) {
  LoadSprite(SolidBmp("c1.bmp", 10, 10, {1, 1, 1}).c_str(), 20);
  std::vector<Rgb> ring(100, Rgb{255, 0, 128});  // transparent except the border
  for (int i = 0; i < 10; ++i)
    ring[size_t(i)] = ring[size_t(90 + i)] = ring[size_t(i * 10)] = ring[size_t(i * 10 + 9)] =
        Rgb{5, 5, 5};
  LoadSprite(WriteImage("ring.bmp", testing::MakeBmp(10, 10, 24, ring)).c_str(), 21);
  EXPECT_EQ(SpritesCollide(20, 0, 0, 20, 10, 0), 0);
  EXPECT_EQ(SpritesCollide(20, 0, 0, 20, 9, 9), 1);
  LoadSprite(SolidBmp("probe.bmp", 4, 4, {1, 1, 1}).c_str(), 23);
  EXPECT_EQ(SpritesCollide(23, 3, 3, 21, 0, 0), 0);    // inside the ring's hole
  EXPECT_EQ(SpritesCollide(23, 6, 6, 21, 0, 0), 1);    // over the ring's border
  EXPECT_EQ(SpritesCollide(20, 0, 0, 4000, 0, 0), 0);  // a free sprite has no pixels
}

TEST_F(Drawing, ImagesLargerThanTheLargestTextureAreRefused) {
  const int32_t largest = Renderer()->MaxTextureSize();
  LoadSprite(SolidBmp("huge.bmp", largest + 1, 1, {1, 1, 1}).c_str(), 22);
  double w, h;
  GetSpriteSize(22, w, h);
  EXPECT_EQ(w, 0);
  LoadSprite("", 22);
  LoadSprite("no such file.png", 22);
  GetSpriteSize(22, w, h);
  EXPECT_EQ(w, 0);
}

TEST_F(Drawing, BackgroundImagesTileFromTheViewportOrigin) {
  OpenGLRadazuri& r = *Renderer();
  ASSERT_EQ(r.LoadBackgroundImage(1, SolidBmp("bg.bmp", 700, 20, {0, 0, 255})), 1);
  EXPECT_EQ(r.Background(1).columns, 2);
  EXPECT_EQ(r.Background(1).rows, 1);
  r.DrawBackgroundImage(1);
  EXPECT_EQ(At(0, 0), kBlue);
  EXPECT_EQ(At(699, 19), kBlue);
  EXPECT_EQ(At(600, 30), kBlack);
  r.FreeBackgroundImage(1);
  EXPECT_EQ(r.Background(1).columns, 0);
  EXPECT_EQ(r.LoadBackgroundImage(1, dir_.Path() + "missing.png"), 0);
}

}  // namespace
}  // namespace zentoir
