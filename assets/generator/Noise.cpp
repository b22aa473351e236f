#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pindrake_assets {

namespace {

double Fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

int Wrap(int value, int period) {
  const int r = value % period;
  return r < 0 ? r + period : r;
}

}  // namespace

double Hash01(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double TileableNoise(double x, double y, int period, uint32_t seed) {
  // Gradient noise: each lattice point has a random direction; the value is the blend of
  // the four corners' slopes, which avoids the blocky look of plain value noise.
  const double fx = std::floor(x), fy = std::floor(y);
  const int x0 = Wrap(static_cast<int>(fx), period), y0 = Wrap(static_cast<int>(fy), period);
  const double dx = x - fx, dy = y - fy;
  auto slope = [&](int cornerX, int cornerY, double ox, double oy) {
    const double angle =
        Hash01(Wrap(x0 + cornerX, period), Wrap(y0 + cornerY, period), seed) * 2 * std::numbers::pi;
    return std::cos(angle) * ox + std::sin(angle) * oy;
  };
  const double tx = Fade(dx), ty = Fade(dy);
  const double top = slope(0, 0, dx, dy) + (slope(1, 0, dx - 1, dy) - slope(0, 0, dx, dy)) * tx;
  const double bottom =
      slope(0, 1, dx, dy - 1) + (slope(1, 1, dx - 1, dy - 1) - slope(0, 1, dx, dy - 1)) * tx;
  return std::clamp(0.5 + (top + (bottom - top) * ty) * 0.75, 0.0, 1.0);
}

double TileableFractal(double x, double y, int period, int octaves, uint32_t seed) {
  double sum = 0, amplitude = 1, total = 0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += TileableNoise(x, y, period, seed + octave * 101) * amplitude;
    total += amplitude;
    x *= 2;
    y *= 2;
    period *= 2;
    amplitude *= 0.5;
  }
  return sum / total;
}

uint32_t Dice::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return state_ >> 8;
}

int Dice::Below(int limit) {
  return limit <= 0 ? 0 : static_cast<int>(Next() % limit);
}

double Dice::Uniform(double low, double high) {
  return low + (high - low) * ((Next() & 0xFFFF) / 65536.0);
}

}  // namespace pindrake_assets
