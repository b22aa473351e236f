// Bitmap fonts: the built-in font's glyphs, font grids, text placement and slot numbers.
#include <gtest/gtest.h>
#include <png.h>

#include <cmath>
#include <string>
#include <vector>

#include "RenderFixture.h"
#include "base/RuntimeContext.h"
#include "gfx2d/gl/TextLayout.h"
#include "gfx2d/image/DefaultFont.h"
#include "gfx2d/renderer/Renderer.h"
#include "zentoir.h"

namespace zentoir {
namespace {

using testing::Pixel;

const Pixel kBlack{0, 0, 0};
const Pixel kWhite{255, 255, 255};
const Pixel kOutline{8, 8, 8};

class Fonts : public testing::RenderTest {
 protected:
  void TearDown() override { SetTransparentColour(0x8000FF); }

  // A font image W × H whose cell g is filled with GlyphColour(g), with the cell's top-left
  // pixel black (so cell edges are visible as transparent).
  std::string GridFont(const std::string& name, int W, int H, int rows) {
    const int cw = W / 16, ch = H / rows;
    std::vector<uint8_t> samples(size_t(W * H * 3));
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        const Pixel colour = GlyphColour((y / ch) * 16 + x / cw);
        const bool corner = x % cw == 0 && y % ch == 0;
        for (int c = 0; c < 3; ++c)
          samples[size_t((y * W + x) * 3 + c)] = corner ? 0 : uint8_t(colour[size_t(c)]);
      }
    }
    return WriteImage(name, testing::MakePng(W, H, PNG_COLOR_TYPE_RGB, 8, samples));
  }
  static Pixel GlyphColour(int glyph) { return {glyph, 255 - glyph / 2, 77}; }

  // Every pixel of a built-in glyph's cell as drawn at (left, top): white where the
  // glyph's picture (6 rows of 5, '#' set) has a pixel, the dark outline beside set
  // pixels, the black screen elsewhere.
  void ExpectBuiltInGlyph(int code, const std::vector<std::string>& picture, int left, int top) {
    auto set = [&](int cx, int cy) {
      const int gc = cx - 1, gr = cy - 1;
      return gc >= 0 && gc < 5 && gr >= 0 && gr < 6 && picture[size_t(gr)][size_t(gc)] == '#';
    };
    for (int cy = 0; cy < 8; ++cy) {
      for (int cx = 0; cx < 8; ++cx) {
        const bool outline =
            cx < 7 && (set(cx - 1, cy) || set(cx + 1, cy) || set(cx, cy - 1) || set(cx, cy + 1));
        const Pixel expected = set(cx, cy) ? kWhite : outline ? kOutline : kBlack;
        EXPECT_EQ(At(left + cx, top + cy), expected)
            << "code " << code << " cell pixel " << cx << "," << cy;
      }
    }
  }
};

TEST_F(Fonts, BuiltInFontDrawsItsMasksWithADarkOutline) {
  LoadFont("", 3);
  EXPECT_EQ(Renderer()->SelectedFont(), 3);
  double cw = 0, ch = 0;
  GetFontSize(cw, ch);
  EXPECT_EQ(cw, 8);
  EXPECT_EQ(ch, 8);
  PrintText("A!g\x7F", 10, 20);
  ExpectBuiltInGlyph('A', {".###.", ".#.#.", ".###.", ".#.#.", ".#.#.", "....."}, 10, 20);
  ExpectBuiltInGlyph('!', {".....", "..#..", "..#..", "..#..", ".....", "..#.."}, 18, 20);
  ExpectBuiltInGlyph('g', {".....", ".....", ".###.", ".###.", "...#.", "..#.."}, 26, 20);
  ExpectBuiltInGlyph(0x7F, {"#####", "#...#", "#...#", "#...#", "#...#", "#####"}, 34, 20);
  EXPECT_EQ(At(12, 21), kWhite);  // the top bar of 'A'
  EXPECT_EQ(At(12, 20), kOutline);
  const SpriteRecord& slot = Renderer()->Sprite(kFontSpriteBase + 3);
  EXPECT_EQ(slot.width, 128);
  EXPECT_EQ(slot.height, 64);
  EXPECT_EQ(slot.mipTexture, 0u);
}

TEST_F(Fonts, ControlCodesOfTheBuiltInFontAreEmpty) {
  LoadFont("", 2);
  PrintText("\x01\x1F ", 0, 0);
  for (const Pixel& p : Row(3, 0, 30))
    EXPECT_EQ(p, kBlack);
}

TEST_F(Fonts, TallImagesHaveSixteenRowsWideOnesEight) {
  SetTransparentColour(0);
  LoadFont(GridFont("big.png", 224, 432, 16).c_str(), 4);
  double cw = 0, ch = 0;
  GetFontSize(cw, ch);
  EXPECT_EQ(cw, 14);
  EXPECT_EQ(ch, 27);
  PrintText("\xC8", 100, 50);  // 200: the last rows of a 256-glyph grid
  EXPECT_EQ(At(105, 60), GlyphColour(200));
  EXPECT_EQ(At(100, 50), kBlack);  // the cell's transparent corner
  EXPECT_EQ(At(113, 76), GlyphColour(200));
  EXPECT_EQ(At(114, 60), kBlack);  // one cell wide
  EXPECT_EQ(At(105, 77), kBlack);  // one cell high

  LoadFont(GridFont("square.png", 128, 128, 8).c_str(), 5);
  GetFontSize(cw, ch);
  EXPECT_EQ(cw, 8);
  EXPECT_EQ(ch, 16);
  PrintText("\xC8H", 200, 50);  // 200 wraps to glyph 72, the same as 'H'
  EXPECT_EQ(At(204, 58), GlyphColour(72));
  EXPECT_EQ(At(212, 58), GlyphColour(72));
  EXPECT_EQ(At(204, 66), kBlack);
}

TEST_F(Fonts, TextStartsAtTheCeilingAndAdvancesOneCell) {
  SetTransparentColour(0);
  LoadFont(GridFont("steps.png", 224, 432, 16).c_str(), 6);
  PrintText("\x01\x02\x03", 10.5, 20.2);
  EXPECT_EQ(At(11, 21), kBlack);  // corner of glyph 1 at (11, 21)
  EXPECT_EQ(At(12, 21), GlyphColour(1));
  EXPECT_EQ(At(11, 22), GlyphColour(1));
  EXPECT_EQ(At(10, 30), kBlack);
  EXPECT_EQ(At(24, 30), GlyphColour(1));
  EXPECT_EQ(At(25, 21), kBlack);  // glyph 2 starts 14 pixels on
  EXPECT_EQ(At(26, 30), GlyphColour(2));
  EXPECT_EQ(At(39, 30), GlyphColour(3));
  EXPECT_EQ(At(52, 30), GlyphColour(3));
  EXPECT_EQ(At(53, 30), kBlack);
}

TEST_F(Fonts, FontColourKeyFollowsSetTransparentColour) {
  // The grid's cell corners are black; with a key of glyph 1's colour the whole glyph
  // vanishes and black shows.
  const Pixel one = GlyphColour(1);
  SetTransparentColour(one[0] + 256 * one[1] + 65536 * one[2]);
  LoadFont(GridFont("keyed.png", 224, 432, 16).c_str(), 7);
  PrintText("\x01\x02", 0, 0);
  EXPECT_EQ(At(5, 5), kBlack);
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(19, 5), GlyphColour(2));
}

TEST_F(Fonts, EmptyTextDrawsAndBindsNothing) {
  LoadFont("", 0);
  OpenGLRadazuri& r = *Renderer();
  r.BindSprite(12);
  PrintText("", 5, 5);
  EXPECT_EQ(r.BoundSprite(), 12);
  PrintNumber(-2.5, 0, 0);
  EXPECT_EQ(r.BoundSprite(), kFontSpriteBase);
  EXPECT_EQ(At(3, 4), kWhite);   // "-2.5": the minus sign
  EXPECT_EQ(At(11, 1), kWhite);  // the top of the 2
}

TEST_F(Fonts, SlotNumbersAreClamped) {
  LoadFont("", 40);
  EXPECT_EQ(Renderer()->SelectedFont(), 31);
  EXPECT_EQ(Renderer()->Sprite(65535).width, 128);
  SelectFont(-2);
  EXPECT_EQ(Renderer()->SelectedFont(), 0);
  SelectFont(1e300);
  EXPECT_EQ(Renderer()->SelectedFont(), 31);
  SelectFont(std::nan(""));
  EXPECT_EQ(Renderer()->SelectedFont(), 0);
  LoadFont("no such font.png", 9.9);  // a missing file gives the built-in font
  EXPECT_EQ(Renderer()->SelectedFont(), 9);
  EXPECT_EQ(Renderer()->Sprite(kFontSpriteBase + 9).width, 128);
}

TEST_F(Fonts, NeverLoadedSlotsMeasureZeroAndDrawNothing) {
  SelectFont(20);
  double cw = -1, ch = -1;
  GetFontSize(cw, ch);
  EXPECT_EQ(cw, 0);
  EXPECT_EQ(ch, 0);
  PrintText("never loaded", 0, 0);
  for (const Pixel& p : Row(0, 0, 40))
    EXPECT_EQ(p, kBlack);
}

TEST_F(Fonts, LoadingScreenLeavesTheBuiltInFontInSlotZero) {
  // The test program's folder holds no "smalfont.bmp": start-up kept the built-in font.
  EXPECT_EQ(Renderer()->Sprite(kFontSpriteBase).width, 128);
  EXPECT_EQ(Renderer()->Sprite(kFontSpriteBase).height, 64);
}

TEST(TextBuffer, GrowsToFiveHundredTwelveThenInStepsOf128) {
  EXPECT_EQ(TextBufferCapacity(0, 4), 512u);
  EXPECT_EQ(TextBufferCapacity(512, 508), 512u);
  EXPECT_EQ(TextBufferCapacity(512, 512), 640u);  // "at least the capacity" grows
  EXPECT_EQ(TextBufferCapacity(0, 1000), 1024u);
  EXPECT_EQ(TextBufferCapacity(2048, 1000), 2048u);  // never shrinks
}

TEST(TextBuffer, GlyphsOfAWideGridUseTheirRowFromTheTop) {
  const FontGrid grid = FontGridFor(128, 128, 128, 128);
  TextVertex v[4];
  LayoutText(grid, "\x11", 0.5f, 0, 0, v);  // glyph 17: column 1, row 1 of 8
  EXPECT_EQ(v[3].x, 1.0f);
  EXPECT_EQ(v[0].y, 16.0f);
  EXPECT_FLOAT_EQ(v[0].s, 1.0f / 16);
  EXPECT_FLOAT_EQ(v[0].t, 6.0f / 8);
  EXPECT_FLOAT_EQ(v[2].t, 7.0f / 8);
}

}  // namespace
}  // namespace zentoir
