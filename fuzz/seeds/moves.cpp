// Moves as the game writes them: one burst, a few with one inside a chain, none.
#include "GameRecord.h"
#include "SeedCorpus.h"

FUZZ_SEEDS(moves) {
  using namespace pindrake;
  seeds.Add(FormatMoves({{3, 4, 0, 0}}));
  seeds.Add(FormatMoves({{1, 1, 0, 0}, {9, 11, 5, 1}, {5, 6, 12, 0}}));
  seeds.Add(std::string_view(""));
}
