// Statistics and replays in "Pindrake.ini" beside "Score.dat", through the runtime's INI
// store: games played and cleared, best and average points, and for every place of the
// table kept in "Score.dat" the game's seed, moves and whether undo was used. The
// high-score table and "Score.dat" are not touched.
#pragma once

#include <string>
#include <vector>

#include "GameRecord.h"

namespace pindrake {

struct PlaceRecord {
  DynString name;
  double points = 0;
  double seed = 0;
  std::vector<RecordedMove> moves;
  bool undoUsed = false;
};

// The path of "Pindrake.ini".
DynString StatisticsPath();
// Reads the file (at start-up) so the undo marks of the table are known.
void LoadStatistics();
// A game of the player ended with these points; cleared when no balloon is left.
void RecordFinishedGame(double finalPoints, bool cleared);
// The finished game took `place` (1..25) of the table: the records of the places below
// move down with their entries, and this game's record is kept at `place`.
void RecordPlacedGame(double place);
// The record kept for the place; false when there is none or it does not belong to the
// entry the table now holds there (name and points differ) or its moves are damaged or
// could not have been made by a game.
bool ReadPlaceRecord(double place, PlaceRecord& record);
// Whether the game at this place of the table used undo.
bool PlaceUsedUndo(double place);
// Draws the undo mark beside each table line whose game used undo.
void DrawUndoMarks();
// The statistics and the recorded places as text, for `--stats`.
std::string StatisticsReport();

}  // namespace pindrake
