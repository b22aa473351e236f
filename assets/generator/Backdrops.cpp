#include "Backdrops.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Noise.h"
#include "Shapes.h"

namespace pindrake_assets {

namespace {

constexpr double kCells = 4;  // noise lattice cells across one tile

// Noise coordinates for a pixel position: one tile spans exactly one noise period.
double Cell(double pixel) {
  return pixel / kBackdropSize * kCells;
}

Rgba SkyColour(double x, double y) {
  const double haze = TileableFractal(Cell(x), Cell(y), static_cast<int>(kCells), 3, 21);
  return Mix(MakeRgb(92, 156, 222), MakeRgb(132, 188, 238), static_cast<float>(haze));
}

}  // namespace

Image MakeCloudySky() {
  Image image(kBackdropSize, kBackdropSize);
  const int period = static_cast<int>(kCells);
  auto density = [period](double x, double y) {
    // The sampling point is pushed around by a second noise, which curls the cloud edges.
    const double warpX = TileableFractal(Cell(x), Cell(y), period, 3, 51) - 0.5;
    const double warpY = TileableFractal(Cell(x), Cell(y), period, 3, 52) - 0.5;
    const double value =
        TileableFractal(Cell(x) + warpX * 0.5, Cell(y) + warpY * 0.5, period, 6, 5);
    return 0.5 + (value - 0.5) * 2.4;  // gradient noise stays near the middle: spread it
  };
  Paint(
      image,
      [&](double x, double y) -> Rgba {
        const double here = density(x, y);
        const double cloud = SmoothStep(0.52, 0.8, here);
        // Clouds are lit from above: where the cloud gets thinner upwards the top is bright,
        // where it gets denser downwards the belly is a cool grey.
        const double above = density(x, y - 5);
        const float shade = static_cast<float>(std::clamp(0.6 + (here - above) * 3, 0.0, 1.0));
        const Rgba cloudColour = Mix(MakeRgb(196, 208, 226), MakeRgb(255, 255, 255), shade);
        return Mix(SkyColour(x, y), cloudColour, static_cast<float>(cloud * 0.95));
      },
      1);
  return image;
}

Image MakeClearSky() {
  Image image(kBackdropSize, kBackdropSize);
  Paint(
      image, [](double x, double y) { return SkyColour(x, y); }, 1);
  return image;
}

Image MakeMarble() {
  Image image(kBackdropSize, kBackdropSize);
  Paint(
      image,
      [](double x, double y) -> Rgba {
        const double turbulence =
            TileableFractal(Cell(x), Cell(y), static_cast<int>(kCells), 5, 31);
        // Veins follow a diagonal wave that repeats a whole number of times per tile.
        const double phase = (x + y) / kBackdropSize * 2 * std::numbers::pi * 2 + turbulence * 9;
        const double vein = std::pow(std::abs(std::sin(phase)), 0.25);
        const double cloud = TileableFractal(Cell(x), Cell(y), static_cast<int>(kCells), 3, 37);
        Rgba stone = Mix(MakeRgb(214, 210, 202), MakeRgb(240, 238, 232), static_cast<float>(cloud));
        return Mix(MakeRgb(120, 118, 126), stone, static_cast<float>(0.25 + 0.75 * vein));
      },
      1);
  return image;
}

Image MakeStarryNight() {
  Image image(kBackdropSize, kBackdropSize);
  Paint(
      image,
      [](double x, double y) -> Rgba {
        const double glow = TileableFractal(Cell(x), Cell(y), static_cast<int>(kCells), 4, 41);
        return Mix(MakeRgb(6, 10, 32), MakeRgb(34, 28, 72), static_cast<float>(glow * glow));
      },
      1);
  // Stars: scattered points with a soft halo; positions wrap around the tile's edges.
  Dice dice(2024);
  for (int i = 0; i < 140; ++i) {
    const double cx = dice.Uniform(0, kBackdropSize), cy = dice.Uniform(0, kBackdropSize);
    const double radius = 0.5 + 1.3 * std::pow(dice.Uniform(0, 1), 3);
    const Rgba tint =
        Mix(MakeRgb(255, 240, 210), MakeRgb(200, 220, 255), static_cast<float>(dice.Uniform(0, 1)));
    const int reach = static_cast<int>(radius * 3) + 2;
    for (int dy = -reach; dy <= reach; ++dy) {
      for (int dx = -reach; dx <= reach; ++dx) {
        const int px = static_cast<int>(cx) + dx, py = static_cast<int>(cy) + dy;
        const double d = std::hypot(px + 0.5 - cx, py + 0.5 - cy);
        const double light = std::exp(-d * d / (radius * radius)) +
                             0.25 * std::exp(-d / (radius * 1.5)) * (radius > 1 ? 1 : 0);
        Rgba star = tint;
        star.a = static_cast<float>(std::min(1.0, light));
        image.BlendOver((px + kBackdropSize) % kBackdropSize, (py + kBackdropSize) % kBackdropSize,
                        star);
      }
    }
  }
  return image;
}

}  // namespace pindrake_assets
