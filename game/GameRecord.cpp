#include "GameRecord.h"

#include <charconv>

#include "Board.h"
#include "Undo.h"

namespace pindrake {

GameRecord& CurrentGame() {
  static GameRecord record;
  return record;
}

void BeginRecordedGame(double seed) {
  zentoir::SetRandomSeed(seed);
  GameRecord& record = CurrentGame();
  record.seed = seed;
  record.moves.clear();
  record.popped = 0;
  record.burstDepth = 0;
  record.undoUsed = false;
  ClearUndoHistory();
}

std::string FormatMoves(const std::vector<RecordedMove>& moves) {
  std::string text;
  for (const RecordedMove& m : moves) {
    if (!text.empty()) text += ';';
    for (double value : {m.column, m.row, m.poppedBefore}) {
      text += std::to_string(static_cast<long long>(value));
      text += ',';
    }
    text += m.nested != 0 ? '1' : '0';
  }
  return text;
}

namespace {

// Reads a whole number from min to max up to the next separator.
bool ReadNumber(std::string_view& text, double min, double max, double& value) {
  long long number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end == text.data() || number < min || number > max) return false;
  value = double(number);
  text.remove_prefix(size_t(end - text.data()));
  return true;
}

bool Expect(std::string_view& text, char separator) {
  if (text.empty() || text.front() != separator) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

bool ParseMoves(std::string_view text, std::vector<RecordedMove>& moves) {
  moves.clear();
  while (!text.empty()) {
    RecordedMove m;
    const bool ok = ReadNumber(text, 1, 9, m.column) && Expect(text, ',') &&
                    ReadNumber(text, 1, 11, m.row) && Expect(text, ',') &&
                    ReadNumber(text, 0, 99, m.poppedBefore) && Expect(text, ',') &&
                    ReadNumber(text, 0, 1, m.nested) && (text.empty() || Expect(text, ';'));
    if (!ok || moves.size() >= 99) {
      moves.clear();
      return false;
    }
    moves.push_back(m);
  }
  return true;
}

bool MovesInPlayableOrder(const std::vector<RecordedMove>& moves) {
  for (size_t i = 0; i < moves.size(); ++i) {
    const RecordedMove& m = moves[i];
    if (i == 0 && (m.poppedBefore != 0 || m.nested != 0)) return false;
    const double gap = m.nested != 0 ? 1 : 2;
    if (i > 0 && m.poppedBefore < moves[i - 1].poppedBefore + gap) return false;
  }
  return moves.empty() || moves.back().poppedBefore + 2 <= 99;
}

std::vector<std::pair<double, double>> GroupCells(double c, double r) {
  std::vector<std::pair<double, double>> group;
  const double colour = Cell(c, r).balloon;
  if (colour == 0) return group;
  bool seen[11][13] = {};
  std::vector<std::pair<double, double>> open{{c, r}};
  seen[int(c)][int(r)] = true;
  while (!open.empty()) {
    const auto [x, y] = open.back();
    open.pop_back();
    group.push_back({x, y});
    const double next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& n : next) {
      const int nx = int(n[0]), ny = int(n[1]);
      if (nx < 0 || nx > 10 || ny < 0 || ny > 12 || seen[nx][ny]) continue;
      if (Cell(n[0], n[1]).balloon != colour) continue;
      seen[nx][ny] = true;
      open.push_back({n[0], n[1]});
    }
  }
  return group;
}

}  // namespace pindrake
