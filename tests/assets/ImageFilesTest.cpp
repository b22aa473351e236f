// The images read back with libpng: sizes, transparency where the game relies on it,
// tiles that join without a seam, and balloons that differ by more than their colour.
#include <gtest/gtest.h>

#include <cmath>

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
