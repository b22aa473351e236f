#include <gtest/gtest.h>

#include <vector>

#include "gfx2d/AlphaOverlap.h"
#include "gfx2d/gl/SpriteGeometry.h"

namespace zentoir {
namespace {

const SpriteExtent kSprite{40, 30, 64, 32, 0, 0};

TEST(SpriteGeometry, PlainQuadRoundsUpAndShowsTheImagePart) {
  const SpriteQuad q = PlainSpriteQuad(kSprite, 10.2f, -0.5f);
  EXPECT_EQ(q.vertices[1].x, 11);  // top-left
  EXPECT_EQ(q.vertices[1].y, 0);
  EXPECT_EQ(q.vertices[0].x, 51);
  EXPECT_EQ(q.vertices[2].y, 30);
  EXPECT_FLOAT_EQ(q.vertices[0].s, 40.0f / 64);
  EXPECT_FLOAT_EQ(q.vertices[0].t, 30.0f / 32);  // the image's top edge
  EXPECT_EQ(q.vertices[2].t, 0);
}

TEST(SpriteGeometry, StretchedQuadsFlipTheFrontFaceWhenMirroredOnce) {
  EXPECT_FALSE(StretchedSpriteQuad(kSprite, 0, 0, 80, 60).clockwise);
  const SpriteQuad left = StretchedSpriteQuad(kSprite, 100, 0, -40, 30);
  EXPECT_TRUE(left.clockwise);
  EXPECT_EQ(left.vertices[1].x, 60);  // drawn to the left of x
  EXPECT_FALSE(StretchedSpriteQuad(kSprite, 100, 100, -40, -30).clockwise);  // turned 180°
  const SpriteQuad zoomed = ZoomedSpriteQuad(kSprite, 100, 100, 2, 2);
  EXPECT_EQ(zoomed.vertices[3].x, 80);  // centre stays at 120
  EXPECT_EQ(zoomed.vertices[1].x, 160);
}

TEST(SpriteGeometry, PositiveAnglesTurnCounterClockwiseOnScreen) {
  const SpriteQuad q = RotoZoomSpriteQuad(kSprite, 0, 0, 90, 1);
  // Centre (20, 15). The top-right corner (+20, -15) goes to the top-left... after a
  // quarter turn counter-clockwise: (cx - 15, cy - 20).
  EXPECT_NEAR(q.vertices[2].x, 20 - 15, 1e-4);
  EXPECT_NEAR(q.vertices[2].y, 15 - 20, 1e-4);
  const SpriteQuad half = RotoZoomSpriteQuad(kSprite, 0, 0, 0, 0.5f);
  EXPECT_NEAR(half.vertices[0].x, 10, 1e-4);
  EXPECT_FLOAT_EQ(half.vertices[0].s, 0.5f / 64);  // half-texel inset
}

TEST(SpriteGeometry, AnimationFramesReadLeftToRightTopToBottom) {
  const SpriteExtent anim{120, 60, 128, 64, 40, 30};  // 3 per row, 2 rows
  FrameRect r;
  ASSERT_TRUE(AnimFrameRect(anim, 4, r));  // column 1, row 1
  EXPECT_FLOAT_EQ(r.s0, 40.0f / 128);
  EXPECT_FLOAT_EQ(r.s1, 80.0f / 128);
  EXPECT_FLOAT_EQ(r.tBottom, 0);
  EXPECT_FLOAT_EQ(r.tTop, 30.0f / 64);
  ASSERT_TRUE(AnimFrameRect(anim, 0, r));
  EXPECT_FLOAT_EQ(r.tTop, 60.0f / 64);
  SpriteQuad q;
  EXPECT_FALSE(AnimFrameQuad(kSprite, 0, 0, 0, q));  // no frame size: nothing drawn
  const SpriteExtent tooWide{20, 20, 32, 32, 40, 10};
  EXPECT_FALSE(AnimFrameQuad(tooWide, 0, 0, 0, q));
  ASSERT_TRUE(AnimFrameStretchedQuad(anim, 0, 0, 0, 10, 10, q));
  EXPECT_FLOAT_EQ(q.vertices[2].x, 10.1f);
}

TEST(FillRectGeometry, NegativeSizesCoverTheSamePixels) {
  const FloatRect r = NormalisedFillRect(100, 100, -10, 5);
  EXPECT_EQ(r.x, 91);
  EXPECT_EQ(r.width, 10);
  EXPECT_EQ(r.y, 100);
}

// A square mask: solid where `solid` is true, texture rows bottom-up.
std::vector<uint8_t> Mask(int textureWidth, int height, bool solid) {
  return std::vector<uint8_t>(size_t(textureWidth) * size_t(height), solid ? 255 : 0);
}

TEST(Collision, TouchingEdgesDoNotCollideOverlapsDo) {
  const std::vector<uint8_t> solid = Mask(16, 16, true);
  const PlacedMask a = PlaceImage(solid.data(), 16, 10, 10, 0, 0);
  EXPECT_EQ(TestAlphaOverlap(a, PlaceImage(solid.data(), 16, 10, 10, 10, 0)), 0);
  EXPECT_EQ(TestAlphaOverlap(a, PlaceImage(solid.data(), 16, 10, 10, 0, 10)), 0);
  EXPECT_EQ(TestAlphaOverlap(a, PlaceImage(solid.data(), 16, 10, 10, 9, 9)), 1);
  const std::vector<uint8_t> empty = Mask(16, 16, false);
  EXPECT_EQ(TestAlphaOverlap(a, PlaceImage(empty.data(), 16, 10, 10, 5, 5)), 0);
}

TEST(Collision, MaskRowsAreBottomUp) {
  // Only the image's top row is solid: texture row height - 1.
  std::vector<uint8_t> topRow = Mask(4, 4, false);
  for (int x = 0; x < 4; ++x)
    topRow[3 * 4 + size_t(x)] = 255;
  const std::vector<uint8_t> solid = Mask(4, 4, true);
  const PlacedMask a = PlaceImage(topRow.data(), 4, 4, 4, 0, 0);
  EXPECT_EQ(TestAlphaOverlap(a, PlaceImage(solid.data(), 4, 1, 1, 2, 0)), 1);
  EXPECT_EQ(TestAlphaOverlap(a, PlaceImage(solid.data(), 4, 1, 1, 2, 3)), 0);
}

TEST(Collision, FramesUseTheirCellAndStayInsideTheImage) {
  // An 8 × 4 image of two 4 × 4 frames: frame 0 empty, frame 1 solid.
  std::vector<uint8_t> sheet(8 * 4, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 4; x < 8; ++x)
      sheet[size_t(y * 8 + x)] = 255;
  const std::vector<uint8_t> solid = Mask(8, 8, true);
  const PlacedMask probe = PlaceImage(solid.data(), 8, 2, 2, 1, 1);
  EXPECT_EQ(TestAlphaOverlap(PlaceFrame(sheet.data(), 8, 8, 4, 4, 4, 0, 0, 0), probe), 0);
  EXPECT_EQ(TestAlphaOverlap(PlaceFrame(sheet.data(), 8, 8, 4, 4, 4, 1, 0, 0), probe), 1);
  // A frame number past the sheet reads nothing outside the mask.
  EXPECT_EQ(TestAlphaOverlap(PlaceFrame(sheet.data(), 8, 8, 4, 4, 4, 57, 0, 0), probe), 0);
  EXPECT_EQ(TestAlphaOverlap(PlaceFrame(sheet.data(), 8, 8, 4, 4, 4, -3, 0, 0), probe), 0);
  // Without a frame size the whole image is used.
  EXPECT_EQ(TestAlphaOverlap(PlaceFrame(sheet.data(), 8, 8, 4, 0, 0, 1, 0, 0),
                             PlaceImage(solid.data(), 8, 1, 1, 6, 2)),
            1);
}

}  // namespace
}  // namespace zentoir
