// The record of the game on the board: the seed its board was made from and every burst
// in order, enough to play the game again. Replays, undo and the statistics read it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Globals.h"

namespace pindrake {

// One burst: the cell, how many balloons of this game had burst before it, and whether
// it began inside another burst's chain (the left button held over a second group).
struct RecordedMove {
  double column = 0;
  double row = 0;
  double poppedBefore = 0;
  double nested = 0;
  bool operator==(const RecordedMove&) const = default;
};

struct GameRecord {
  double seed = 0;
  std::vector<RecordedMove> moves;
  double popped = 0;      // balloons burst so far in this game
  double burstDepth = 0;  // bursts under way (more than 1 inside a chain)
  bool undoUsed = false;
};

GameRecord& CurrentGame();
// A new game from this seed: the random generator is seeded and the record emptied.
void BeginRecordedGame(double seed);

// Moves as text, "column,row,poppedBefore,nested" separated by ";", and back. Parsing
// gives false (and no moves) for anything that is not such a list of cells on the board.
std::string FormatMoves(const std::vector<RecordedMove>& moves);
bool ParseMoves(std::string_view text, std::vector<RecordedMove>& moves);
// Whether a game could have made these moves in this order: the first burst starts a
// game, each burst pops its first balloon at once and a whole group at least two, so a
// burst inside a chain comes at least one balloon after the one before it and any other
// at least two.
bool MovesInPlayableOrder(const std::vector<RecordedMove>& moves);

// The cells of the group at (c, r), (c, r) first; empty for an empty cell.
std::vector<std::pair<double, double>> GroupCells(double c, double r);

}  // namespace pindrake
