#include "text/Isaac.h"

namespace zentoir {
namespace {

constexpr uint32_t kGoldenRatio = 0x9e3779b9;

void Mix(uint32_t (&v)[8]) {
  uint32_t &a = v[0], &b = v[1], &c = v[2], &d = v[3], &e = v[4], &f = v[5], &g = v[6], &h = v[7];
  // clang-format off
  a ^= b << 11; d += a; b += c;
  b ^= c >> 2;  e += b; c += d;
  c ^= d << 8;  f += c; d += e;
  d ^= e >> 16; g += d; e += f;
  e ^= f << 10; h += e; f += g;
  f ^= g >> 4;  a += f; g += h;
  g ^= h << 8;  b += g; h += a;
  h ^= a >> 9;  c += h; a += b;
  // clang-format on
}

}  // namespace

void IsaacGenerator::Initialise(const std::array<uint32_t, kSize>& seed) {
  a_ = b_ = c_ = 0;
  uint32_t v[8];
  for (uint32_t& word : v)
    word = kGoldenRatio;
  for (int i = 0; i < 4; ++i)
    Mix(v);
  // Two passes: the seed, then the state itself, so every seed bit reaches every word.
  const std::array<uint32_t, kSize>* passes[] = {&seed, &memory_};
  for (const auto* source : passes) {
    for (int i = 0; i < kSize; i += 8) {
      for (int j = 0; j < 8; ++j)
        v[j] += (*source)[i + j];
      Mix(v);
      for (int j = 0; j < 8; ++j)
        memory_[i + j] = v[j];
    }
  }
  results_ = seed;
}

void IsaacGenerator::Seed(uint32_t seed) {
  std::array<uint32_t, kSize> words{};
  words[0] = seed;
  Initialise(words);
}

void IsaacGenerator::Round() {
  c_ += 1;
  b_ += c_;
  for (int i = 0; i < kSize; ++i) {
    const uint32_t x = memory_[i];
    switch (i % 4) {
      case 0:
        a_ ^= a_ << 13;
        break;
      case 1:
        a_ ^= a_ >> 6;
        break;
      case 2:
        a_ ^= a_ << 2;
        break;
      case 3:
        a_ ^= a_ >> 16;
        break;
    }
    a_ = memory_[(i + 128) % kSize] + a_;
    const uint32_t y = memory_[(x >> 2) % kSize] + a_ + b_;
    memory_[i] = y;
    b_ = memory_[(y >> 10) % kSize] + x;
    results_[i] = b_;
  }
}

}  // namespace zentoir
