// "Score.dat" as the game writes it, one cut short, and one with a name of control bytes.
#include "HighScores.h"
#include "SeedCorpus.h"

FUZZ_SEEDS(score) {
  using namespace pindrake;
  zentoir::DimRecordArray(highScores, 26);
  const char* names[] = {"Anna", "Bert", "Cäcilie", "Dora"};
  for (int i = 0; i < 4; ++i) {
    zentoir::ElementAt(highScores, double(i + 1)).name = names[i];
    zentoir::ElementAt(highScores, double(i + 1)).score = 90 - 10 * i;
  }
  const std::vector<uint8_t> file = FormatScoreFile();
  seeds.Add(file);
  seeds.Add(std::span(file).first(file.size() / 2));
  seeds.Add(std::string_view("\x10\x00\x01\x02\x1B\r\n\xFF\xFF\r\r\n", 12));
}
