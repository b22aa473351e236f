// The ISAAC random generator: 32-bit words, a 256-word state.
#pragma once

#include <array>
#include <cstdint>

namespace zentoir {

class IsaacGenerator {
 public:
  static constexpr int kSize = 256;

  // Initialises the state from the seed words (the "results" array before the first
  // round), mixing them twice through the state as the published generator does.
  void Initialise(const std::array<uint32_t, kSize>& seed);

  // Initialises with one seed word in position 0 and zeros elsewhere.
  void Seed(uint32_t seed);

  // One complete round over the state, producing 256 fresh result words.
  void Round();

  const std::array<uint32_t, kSize>& Results() const { return results_; }

 private:
  std::array<uint32_t, kSize> memory_{};
  std::array<uint32_t, kSize> results_{};
  uint32_t a_ = 0, b_ = 0, c_ = 0;
};

}  // namespace zentoir
