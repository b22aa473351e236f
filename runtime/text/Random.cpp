#include "text/Random.h"

#include "text/Isaac.h"
#include "text/NumberText.h"
#include "text/RandomWord.h"

namespace zentoir {
namespace {

IsaacGenerator& Generator() {
  static IsaacGenerator generator = [] {
    IsaacGenerator g;
    g.Seed(0);
    return g;
  }();
  return generator;
}

}  // namespace

uint32_t NextRandomWord() {
  IsaacGenerator& g = Generator();
  g.Round();
  return g.Results()[0];
}

double RandomInt(double n) {
  if (!(n > 0)) return 0;
  const uint32_t r = NextRandomWord();
  const uint32_t m = static_cast<uint32_t>(TruncateToInt64(n)) + 1u;
  return m == 0 ? r : r % m;  // n = 2^32 - 1 covers every word
}

void SetRandomSeed(double seed) {
  Generator().Seed(static_cast<uint32_t>(TruncateToInt64(seed)));
}

}  // namespace zentoir
