// Undo: the board, points and counters as they were before each burst of this game.
#pragma once

#include "Globals.h"

namespace pindrake {

// Keeps the state before a burst (bursts inside another burst's chain belong to it).
void SaveUndoStep();
// 1 when a burst was taken back: board, points, balloons left and the game's record
// are as they were before it. 0 when there is nothing to take back.
double UndoLastBurst();
void ClearUndoHistory();
// Number of bursts that can be taken back.
double UndoSteps();

}  // namespace pindrake
