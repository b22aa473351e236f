// The bursts of a recorded game ("Moves" in "Pindrake.ini"): any text is refused or
// read as cells on the board, and the moves read write back as the same text.
#include <cstdlib>
#include <string_view>

#include "GameRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pindrake;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<RecordedMove> moves;
  if (!ParseMoves(text, moves)) {
    if (!moves.empty()) std::abort();
    return 0;
  }
  for (const RecordedMove& m : moves) {
    if (m.column < 1 || m.column > 9 || m.row < 1 || m.row > 11) std::abort();
  }
  std::vector<RecordedMove> again;
  if (!ParseMoves(FormatMoves(moves), again) || again != moves) std::abort();
  return 0;
}
