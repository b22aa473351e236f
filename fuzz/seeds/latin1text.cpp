// Typed texts: plain, Latin-1 letters, characters outside Latin-1, broken sequences.
#include "SeedCorpus.h"

FUZZ_SEEDS(latin1text) {
  seeds.Add("balloon");
  seeds.Add("J\xC3\xBCrgen \xC2\xA7");        // ü, §
  seeds.Add("\xE2\x82\xAC\xF0\x9F\x8E\x88");  // €, a four-byte character
  seeds.Add("\xC1\xA1\xBC\xE2\x82");          // overlong, stray, cut short
}
