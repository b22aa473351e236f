// Tiny movies of the tests' movie maker: lossless and lossy pictures, with and without
// sound, in three containers; and a QuickTime track whose sample tables claim 50 million
// samples in 116 bytes.
#include "SeedCorpus.h"
#include "support/MovieMaker.h"

namespace {

const uint8_t kLyingSampleTables[] = {
    0,   0,   0,   8,   'w', 'i', 'd', 'e', 0, 0, 0, 123, 't', 'r', 'a', 'k', 0, 0, 0, 32,
    's', 't', 't', 's', 0,   0,   0,   0,   0, 0, 0, 2,   0,   0,   0,   2,   0, 0, 4, 0,
    0,   64,  0,   1,   0,   0,   0,   0,   0, 0, 0, 28,  's', 't', 's', 'c', 0, 0, 0, 0,
    0,   0,   0,   1,   0,   0,   0,   1,   0, 0, 0, 3,   0,   0,   0,   1,   0, 0, 0, 20,
    's', 't', 's', 'z', 0,   0,   0,   0,   0, 0, 0, 28,  3,   0,   0,   0,   0, 0, 0, 20,
    's', 't', 'c', 'o', 0,   0,   0,   0,   0, 0, 0, 1,   0,   0,   0,   48};

}  // namespace

FUZZ_SEEDS(movie) {
  zentoir::testing::MovieRecipe recipe;
  recipe.width = 32;
  recipe.height = 24;
  recipe.frames = 3;
  recipe.soundRate = 8000;
  zentoir::testing::MakeMovie(seeds.NextPath(), recipe);  // FFV1 and PCM in Matroska
  recipe.videoCodec = "mpeg4";
  recipe.container = "avi";
  zentoir::testing::MakeMovie(seeds.NextPath(), recipe);
  recipe.soundRate = 0;
  recipe.container = "mov";
  zentoir::testing::MakeMovie(seeds.NextPath(), recipe);
  seeds.Add(kLyingSampleTables);
}
