// Font sheets: grid size from the name, no alpha channel, glyphs on pure black in one
// colour that survives the black colour key, the German letters present.
#include <gtest/gtest.h>

#include <cstdio>

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
  EXPECT_GT(boldLit, regularLit * 5 / 4);
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
