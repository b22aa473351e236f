// Tiny movies of the tests' movie maker: lossless and lossy pictures, with and without
// sound, in three containers.
#include "SeedCorpus.h"
#include "support/MovieMaker.h"

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
}
