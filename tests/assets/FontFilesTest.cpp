// Font sheets: grid size from the name, no alpha channel, glyphs on pure black in one
// colour that survives the black colour key, the German letters present.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "DataSet.h"
#include "GeneratedData.h"
#include "PngFile.h"

using pindrake_assets::PixelBuffer;

namespace assets_test {
namespace {

bool IsBlack(const uint8_t* p) {
  return p[0] == 0 && p[1] == 0 && p[2] == 0;
}

int LitPixelsInCell(const PixelBuffer& sheet, int code, int cellWidth, int cellHeight) {
  int lit = 0;
  for (int y = 0; y < cellHeight; ++y) {
    for (int x = 0; x < cellWidth; ++x) {
      lit += !IsBlack(sheet.Pixel((code % 16) * cellWidth + x, (code / 16) * cellHeight + y));
    }
  }
  return lit;
}

TEST(Fonts, SheetsMatchTheCellSizeInTheirNames) {
  for (const auto& plan : pindrake_assets::FontSheetPlans()) {
    int cellWidth = 0, cellHeight = 0;
    const std::string name = plan.file.substr(plan.file.rfind('/') + 1);
    ASSERT_EQ(std::sscanf(name.c_str() + name.find_last_of('_', name.find("x")) + 1, "%dx%d",
                          &cellWidth, &cellHeight),
              2)
        << name;
    PixelBuffer sheet;
    bool storedAlpha = true;
    ASSERT_TRUE(pindrake_assets::ReadPng(GeneratedDataDir() + plan.file, sheet, &storedAlpha));
    EXPECT_FALSE(storedAlpha) << name << ": the black key only applies without alpha";
    EXPECT_EQ(sheet.width, 16 * cellWidth) << name;
    EXPECT_EQ(sheet.height, 16 * cellHeight) << name;
  }
}

TEST(Fonts, GlyphsAreOneColourOnBlack) {
  for (const auto& plan : pindrake_assets::FontSheetPlans()) {
    PixelBuffer sheet;
    ASSERT_TRUE(pindrake_assets::ReadPng(GeneratedDataDir() + plan.file, sheet));
    const int cw = sheet.width / 16, ch = sheet.height / 16;
    for (int code : {int{'A'}, int{'g'}, int{'0'}, int{'!'}, 0xE4, 0xF6, 0xFC, 0xDF, 0xC4, 0xDC}) {
      EXPECT_GT(LitPixelsInCell(sheet, code, cw, ch), 3) << plan.file << " code " << code;
    }
    for (int code : {0, 10, 31, int{' '}, 127}) {
      EXPECT_EQ(LitPixelsInCell(sheet, code, cw, ch), 0) << plan.file << " code " << code;
    }
    for (int y = 0; y < sheet.height; ++y) {
      for (int x = 0; x < sheet.width; ++x) {
        const uint8_t* p = sheet.Pixel(x, y);
        if (IsBlack(p)) continue;
        ASSERT_EQ(p[0], plan.colour.red) << plan.file;
        ASSERT_EQ(p[1], plan.colour.green) << plan.file;
        ASSERT_EQ(p[2], plan.colour.blue) << plan.file;
      }
    }
  }
}

TEST(Fonts, BoldSheetIsHeavierThanRegular) {
  PixelBuffer regular, bold;
  ASSERT_TRUE(
      pindrake_assets::ReadPng(GeneratedDataDir() + "Fonts/Courier_weiss_7x14.png", regular));
  ASSERT_TRUE(
      pindrake_assets::ReadPng(GeneratedDataDir() + "Fonts/Courier_weiss_7x14_fett.png", bold));
  int regularLit = 0, boldLit = 0;
  for (int code = 'A'; code <= 'Z'; ++code) {
    regularLit += LitPixelsInCell(regular, code, 7, 14);
    boldLit += LitPixelsInCell(bold, code, 7, 14);
  }
  EXPECT_GT(boldLit, regularLit * 11 / 10);  // hinted at 11 px, bold strokes thin out
}

// One glyph cell as rows of '#' (lit) and '.', for the shape checks and their messages.
std::vector<std::string> GlyphPicture(const PixelBuffer& sheet, int code) {
  const int cw = sheet.width / 16, ch = sheet.height / 16;
  std::vector<std::string> rows(size_t(ch), std::string(size_t(cw), '.'));
  for (int y = 0; y < ch; ++y) {
    for (int x = 0; x < cw; ++x) {
      if (!IsBlack(sheet.Pixel((code % 16) * cw + x, (code / 16) * ch + y))) rows[y][x] = '#';
    }
  }
  return rows;
}

std::string Shown(const std::vector<std::string>& picture) {
  std::string text = "\n";
  for (const std::string& row : picture)
    text += row + "\n";
  return text;
}

// Unlit areas the glyph closes in (a bowl): unlit pixels that no path of unlit pixels,
// stepping up, down, left or right, connects to the cell's edge.
int Bowls(std::vector<std::string> picture) {
  const int h = int(picture.size()), w = int(picture[0].size());
  auto fill = [&](auto& self, int x, int y) -> void {
    if (x < 0 || y < 0 || x >= w || y >= h || picture[y][x] != '.') return;
    picture[y][x] = 'o';
    self(self, x + 1, y), self(self, x - 1, y), self(self, x, y + 1), self(self, x, y - 1);
  };
  for (int x = 0; x < w; ++x)
    fill(fill, x, 0), fill(fill, x, h - 1);
  for (int y = 0; y < h; ++y)
    fill(fill, 0, y), fill(fill, w - 1, y);
  int bowls = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (picture[y][x] == '.') ++bowls, fill(fill, x, y);
    }
  }
  return bowls;
}

// Runs of lit rows from top to bottom: 2 for a stem with a dot under or over it.
int VerticalParts(const std::vector<std::string>& picture) {
  int parts = 0;
  bool inPart = false;
  for (const std::string& row : picture) {
    const bool lit = row.find('#') != std::string::npos;
    if (lit && !inPart) ++parts;
    inPart = lit;
  }
  return parts;
}

// The most separate lit runs in one row: 3 for the stems of an 'm'.
int MostStems(const std::vector<std::string>& picture) {
  int most = 0;
  for (const std::string& row : picture) {
    int runs = 0;
    for (size_t x = 0; x < row.size(); ++x)
      runs += row[x] == '#' && (x == 0 || row[x - 1] != '#');
    most = std::max(most, runs);
  }
  return most;
}

TEST(Fonts, EverySizeKeepsTheGapsAndBowlsOfItsGlyphs) {
  for (const char* size : {"7x14", "7x14_fett", "8x17", "9x17", "14x27"}) {
    PixelBuffer sheet;
    const std::string file = std::string("Fonts/Courier_weiss_") + size + ".png";
    ASSERT_TRUE(pindrake_assets::ReadPng(GeneratedDataDir() + file, sheet)) << file;
    for (int code : {int{'O'}, int{'o'}, int{'0'}, int{'D'}, int{'e'}, 0xD6, 0xF6}) {
      const auto glyph = GlyphPicture(sheet, code);
      EXPECT_GE(Bowls(glyph), 1) << file << " '" << char(code) << "'" << Shown(glyph);
    }
    for (int code : {int{'C'}, int{'c'}, int{'G'}}) {
      const auto glyph = GlyphPicture(sheet, code);
      EXPECT_EQ(Bowls(glyph), 0) << file << " '" << char(code) << "'" << Shown(glyph);
    }
    for (int code : {int{'!'}, int{'i'}, int{'j'}, int{'?'}, int{':'}, 0xA1}) {
      const auto glyph = GlyphPicture(sheet, code);
      EXPECT_EQ(VerticalParts(glyph), 2) << file << " '" << char(code) << "'" << Shown(glyph);
    }
    for (int code : {int{'m'}, int{'M'}}) {
      const auto glyph = GlyphPicture(sheet, code);
      EXPECT_GE(MostStems(glyph), 3) << file << " '" << char(code) << "'" << Shown(glyph);
    }
  }
}

TEST(Fonts, BlackFontSurvivesTheColourKey) {
  for (const auto& plan : pindrake_assets::FontSheetPlans()) {
    if (plan.file.find("schwarz") == std::string::npos) continue;
    EXPECT_GT(plan.colour.red + plan.colour.green + plan.colour.blue, 0);
    EXPECT_LT(plan.colour.red + plan.colour.green + plan.colour.blue, 60) << "should look black";
  }
}

TEST(Fonts, LoadingScreenFontIsAnEightRowBitmap) {
  const std::vector<uint8_t> file = ReadWholeFile(GeneratedDataDir() + "smalfont.bmp");
  ASSERT_GT(file.size(), 54u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(file[14], 40);  // 40-byte info header
  EXPECT_EQ(file[28], 24);  // 24 bits per pixel
  PixelBuffer sheet;
  ASSERT_TRUE(pindrake_assets::ReadBmp24(GeneratedDataDir() + "smalfont.bmp", sheet));
  ASSERT_GE(sheet.width, sheet.height) << "8 rows need an image at least as wide as high";
  const int cw = sheet.width >> 4, ch = sheet.height >> 3;
  EXPECT_EQ(sheet.width % 16, 0);
  EXPECT_EQ(sheet.height % 8, 0);
  for (char code : std::string("Loading.")) {
    EXPECT_GT(LitPixelsInCell(sheet, code, cw, ch), 0) << "code " << code;
  }
  EXPECT_EQ(LitPixelsInCell(sheet, ' ', cw, ch), 0);
}

}  // namespace
}  // namespace assets_test
