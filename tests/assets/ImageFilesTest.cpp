// The images read back with libpng: sizes, transparency where the game relies on it,
// tiles that join without a seam, and balloons that differ by more than their colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "GeneratedData.h"
#include "PngFile.h"

using pindrake_assets::PixelBuffer;
using pindrake_assets::ReadPng;

namespace assets_test {
namespace {

PixelBuffer Load(const std::string& name) {
  PixelBuffer pixels;
  EXPECT_TRUE(ReadPng(GeneratedDataDir() + name, pixels)) << name;
  return pixels;
}

int Alpha(const PixelBuffer& p, int x, int y) {
  return p.Pixel(x, y)[3];
}

const char* const kBalloons[] = {"Blau.png", "Rot.png", "Gr\xFCn.png", "Gelb.png", "Weiss.png"};

TEST(Images, BalloonsFillTheirCellWithTransparentCorners) {
  for (const char* name : kBalloons) {
    const PixelBuffer p = Load(name);
    ASSERT_EQ(p.width, 40) << name;
    ASSERT_EQ(p.height, 40) << name;
    for (auto [x, y] : {std::pair{0, 0}, {39, 0}, {0, 39}, {39, 39}}) {
      EXPECT_EQ(Alpha(p, x, y), 0) << name << " corner " << x << "," << y;
    }
    EXPECT_EQ(Alpha(p, 20, 18), 255) << name;
    // Edges are smoothed: some pixels are partly transparent.
    int partial = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x)
        partial += Alpha(p, x, y) > 0 && Alpha(p, x, y) < 255;
    }
    EXPECT_GT(partial, 30) << name;
  }
}

// Brightness of the balloon's middle relative to its average: the shading is the same
// for every colour, so what differs between two balloons here is their mark.
std::vector<double> RelativeBrightness(const PixelBuffer& p) {
  std::vector<double> values;
  double sum = 0;
  for (int y = 12; y < 30; ++y) {
    for (int x = 10; x < 30; ++x) {
      const uint8_t* c = p.Pixel(x, y);
      values.push_back(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2]);
      sum += values.back();
    }
  }
  for (double& v : values)
    v /= sum / values.size();
  return values;
}

TEST(Images, BoardBalloonsCanBeToldApartWithoutColour) {
  std::vector<std::vector<double>> shapes;
  for (int i = 0; i < 4; ++i)
    shapes.push_back(RelativeBrightness(Load(kBalloons[i])));
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) {
      int differing = 0;
      for (size_t i = 0; i < shapes[a].size(); ++i) {
        differing += std::abs(shapes[a][i] - shapes[b][i]) > 0.2;
      }
      EXPECT_GT(differing, 12) << kBalloons[a] << " and " << kBalloons[b];
    }
  }
}

// How a colour looks to an eye without one kind of cone: a 3 × 3 matrix on linear RGB
// (the dichromat projections of Vienot, Brettel and Mollon), or greyscale.
using ColourVision = std::array<double, 9>;
const ColourVision kProtanopia = {0.11238, 0.88762, 0, 0.11238, 0.88762, 0, 0.00401, -0.00401, 1};
const ColourVision kDeuteranopia = {0.29275, 0.70725, 0, 0.29275, 0.70725, 0, -0.02234, 0.02234, 1};
const ColourVision kGreyscale = {0.2126, 0.7152, 0.0722, 0.2126, 0.7152,
                                 0.0722, 0.2126, 0.7152, 0.0722};

double Linear(uint8_t v) {
  return std::pow(v / 255.0, 2.2);
}

// The lightness (0..1) of each pixel of the balloon's middle as the eye sees it.
std::vector<double> SeenLightness(const PixelBuffer& p, const ColourVision& m) {
  std::vector<double> values;
  for (int y = 8; y < 32; ++y) {
    for (int x = 8; x < 32; ++x) {
      const uint8_t* c = p.Pixel(x, y);
      const double r = Linear(c[0]), g = Linear(c[1]), b = Linear(c[2]);
      const double seen[3] = {m[0] * r + m[1] * g + m[2] * b, m[3] * r + m[4] * g + m[5] * b,
                              m[6] * r + m[7] * g + m[8] * b};
      const double luminance = 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
      values.push_back(std::pow(std::clamp(luminance, 0.0, 1.0), 1 / 2.2));
    }
  }
  return values;
}

// Pixels that stand out from the balloon's own middle lightness, light or dark: the mark
// (and the gloss, which is the same on every balloon).
std::vector<bool> StandingOut(const std::vector<double>& lightness) {
  std::vector<double> sorted = lightness;
  std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
  const double median = sorted[sorted.size() / 2];
  std::vector<bool> out;
  for (double l : lightness)
    out.push_back(std::abs(l - median) > 0.3);
  return out;
}

TEST(Images, BoardBalloonsStayApartForColourBlindEyes) {
  const std::pair<const char*, ColourVision> visions[] = {
      {"protanopia", kProtanopia}, {"deuteranopia", kDeuteranopia}, {"greyscale", kGreyscale}};
  for (const auto& [vision, matrix] : visions) {
    std::vector<std::vector<bool>> marks;
    for (int i = 0; i < 4; ++i)
      marks.push_back(StandingOut(SeenLightness(Load(kBalloons[i]), matrix)));
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b) {
        int differing = 0;
        for (size_t i = 0; i < marks[a].size(); ++i)
          differing += marks[a][i] != marks[b][i];
        EXPECT_GT(differing, 40) << vision << ": " << kBalloons[a] << " and " << kBalloons[b];
      }
    }
  }
}

TEST(Images, SmallPicturesHaveTheirSizes) {
  const PixelBuffer outline = Load("Umriss.png");
  EXPECT_EQ(outline.width, 40);
  EXPECT_EQ(outline.height, 40);
  EXPECT_EQ(Alpha(outline, 20, 20), 0);  // the cell under the outline stays visible
  const PixelBuffer wall = Load("Mauer.png");
  EXPECT_EQ(wall.width, 40);
  EXPECT_EQ(wall.height, 40);
  EXPECT_EQ(Alpha(wall, 0, 0), 255);
  const PixelBuffer button = Load("NeuSpiel.png");
  EXPECT_NEAR(button.width, 30, 6);
  EXPECT_NEAR(button.height, 20, 4);
  const PixelBuffer icon = Load("2Pindrake.png");
  EXPECT_LE(icon.width, 40);
  EXPECT_LE(icon.height, 36);
  const PixelBuffer pointer = Load("Maus.png");
  EXPECT_LE(pointer.width, 32);
  EXPECT_LE(pointer.height, 32);
  EXPECT_EQ(Alpha(pointer, 0, 0), 255);  // the hot spot is part of the arrow's tip
}

// Mean colour difference between two columns (or rows) of an image.
double LineDifference(const PixelBuffer& p, bool columns, int a, int b) {
  const int length = columns ? p.height : p.width;
  double sum = 0;
  for (int i = 0; i < length; ++i) {
    const uint8_t* u = columns ? p.Pixel(a, i) : p.Pixel(i, a);
    const uint8_t* v = columns ? p.Pixel(b, i) : p.Pixel(i, b);
    for (int c = 0; c < 3; ++c)
      sum += std::abs(u[c] - v[c]);
  }
  return sum / length;
}

TEST(Images, BackgroundTilesJoinWithoutSeams) {
  for (const char* name :
       {"Wolken.png", "Wolkenlos.png", "Marmor.png", "Sterne.png", "Mauer.png"}) {
    const PixelBuffer p = Load(name);
    ASSERT_GT(p.width, 2);
    ASSERT_GT(p.height, 2);
    for (bool columns : {true, false}) {
      const int last = (columns ? p.width : p.height) - 1;
      const double seam = LineDifference(p, columns, last, 0);
      const double inside = LineDifference(p, columns, last / 2, last / 2 + 1);
      EXPECT_LT(seam, inside * 2.5 + 2) << name << (columns ? " left/right" : " top/bottom");
    }
  }
}

}  // namespace
}  // namespace assets_test
