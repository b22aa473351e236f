#include "Pictures.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Shapes.h"

namespace pindrake_assets {

Image MakePointer() {
  // The outline of a classic arrow, tip at (0, 0); the black border straddles the edge
  // by one pixel, so the outline is shifted a little to keep the tip on pixel (0, 0).
  const std::vector<Point> arrow{{0.6, 0.6},   {0.6, 17.5}, {4.6, 13.7}, {7.4, 20.2},
                                 {10.2, 19.0}, {7.5, 12.6}, {13.0, 12.6}};
  Image image(16, 23);
  // Soft drop shadow first, offset down and right.
  Paint(image, [&](double x, double y) -> Rgba {
    const Point p{x - 1.6, y - 1.6};
    if (InsidePolygon(arrow, p) || DistanceToPolygonEdge(arrow, p) < 0.6) {
      return {0, 0, 0, 0.3f};
    }
    return {};
  });
  Paint(image, [&](double x, double y) -> Rgba {
    const Point p{x, y};
    const double edge = DistanceToPolygonEdge(arrow, p);
    const bool inside = InsidePolygon(arrow, p);
    if (edge < 0.75) return MakeRgb(20, 20, 28);
    if (!inside) return {};
    // White body with a faint top-to-bottom shade.
    return Mix(MakeRgb(255, 255, 255), MakeRgb(206, 214, 230), static_cast<float>(y / 20));
  });
  // The hot spot itself is always drawn, so the pointer's tip is visible and exact.
  image.at(0, 0) = MakeRgb(20, 20, 28);
  return image;
}

Image MakeCellOutline() {
  Image image(40, 40);
  Paint(image, [](double x, double y) -> Rgba {
    const double d = RoundedBoxDistance({x - 20, y - 20}, 18.6, 18.6, 5);
    const double band = std::abs(d + 0.9);  // a ring about 2 pixels wide just inside
    // A bright ring with a thin dark line on each side, so it shows on light clouds and
    // on dark balloons alike.
    if (band < 1.0) return MakeRgb(255, 246, 200);
    if (band < 1.7) return MakeRgb(60, 40, 0, 0.55f);
    return {};
  });
  return image;
}

namespace {

constexpr int kBrickRows = 4;  // 10 pixels each
constexpr int kBrickLength = 20;

Rgba BrickColour(int row, int column) {
  const double tone = Hash01(column, row, 7);
  return Mix(MakeRgb(156, 70, 48), MakeRgb(184, 96, 62), static_cast<float>(tone));
}

}  // namespace

Image MakeWallTile() {
  Image image(40, 40);
  const Rgba mortar = MakeRgb(196, 188, 170);
  Paint(image, [&](double x, double y) -> Rgba {
    const int row = static_cast<int>(y / 10) % kBrickRows;
    const double shifted = x + (row % 2) * (kBrickLength / 2.0);
    const int column = static_cast<int>(shifted / kBrickLength) % 2;
    const double bx = std::fmod(shifted, kBrickLength), by = std::fmod(y, 10.0);
    const double grain = TileableFractal(x / 4, y / 4, 10, 3, 11);
    const float grainShade = static_cast<float>(0.86 + 0.28 * grain);
    if (bx < 1.4 || by < 1.4) return Scaled(mortar, grainShade);
    // Bevelled brick face: lit from the top left, shaded towards the bottom right.
    Rgba colour = Scaled(BrickColour(row, column), grainShade);
    if (by < 2.6 || bx < 2.6) colour = Scaled(colour, 1.22f);
    if (by > 8.9 || bx > kBrickLength - 1.1) colour = Scaled(colour, 0.72f);
    return colour;
  });
  return image;
}

}  // namespace pindrake_assets
