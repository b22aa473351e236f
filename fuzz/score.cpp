// "Score.dat": any bytes fill the table without fault, and the table written back out
// reads in again as the same table.
#include <cstdlib>

#include "HighScores.h"

namespace {

constexpr int kStoredPlaces = 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pindrake;
  zentoir::DimRecordArray(highScores, 26);
  const int records = ParseScoreFile(std::vector<uint8_t>(data, data + size));
  if (records < 0 || records > kStoredPlaces) std::abort();

  const std::vector<uint8_t> written = FormatScoreFile();
  std::vector<ScoreEntry> before;
  for (int i = 1; i <= kStoredPlaces; ++i)
    before.push_back(zentoir::ElementAt(highScores, double(i)));
  zentoir::DimRecordArray(highScores, 26);
  ParseScoreFile(written);
  for (int i = 1; i <= kStoredPlaces; ++i) {
    const ScoreEntry& again = zentoir::ElementAt(highScores, double(i));
    if (again.score != before[size_t(i - 1)].score ||
        again.name.View() != before[size_t(i - 1)].name.View()) {
      std::abort();
    }
  }
  return 0;
}
