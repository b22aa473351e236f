// Deterministic pseudo-random numbers and tileable value noise for the textures.
#pragma once

#include <cstdint>

namespace pindrake_assets {

// A repeatable value in 0..1 for an integer lattice point.
double Hash01(int x, int y, uint32_t seed);

// Gradient noise in 0..1 on a lattice that repeats every `period` cells in x and y, so a
// texture sampled over exactly one period tiles without a seam. x and y are in cells.
double TileableNoise(double x, double y, int period, uint32_t seed);

// Several octaves of tileable noise (each twice as fine and half as strong), in 0..1.
double TileableFractal(double x, double y, int period, int octaves, uint32_t seed);

// A small linear congruential generator for composing and scattering things.
class Dice {
 public:
  explicit Dice(uint32_t seed) : state_(seed) {}
  uint32_t Next();
  int Below(int limit);  // 0 .. limit-1
  double Uniform(double low, double high);

 private:
  uint32_t state_;
};

}  // namespace pindrake_assets
