// The playing field: a 9 × 11 grid of balloons inside a wall, the rules for bursting
// groups and closing gaps, and the gliding of every balloon to its cell.
#pragma once

#include "Globals.h"

namespace pindrake {

void InitBoardGeometry();
// An integer from a to b inclusive (no random number is drawn when a = b).
double RandomBetween(double a, double b);
// A new full board of 99 balloons below the screen, rising into place.
void NewGame();
// From now on board k (counting from 0) is made from the seed + k, whatever else drew
// random numbers in between: a fixed sequence of boards, for replays and tests.
void SeedBoards(double seed);
// The seed of the next board: the fixed sequence's next one, or else a random one.
double NextBoardSeed();
// One animation step of every balloon; 1 while some balloon is still under way.
double MoveBalloons();
// 1 when the cell's right, left, lower or upper neighbour holds the same balloon.
double HasSameNeighbour(double c, double r);
// 1 when some balloon still has a neighbour of its colour.
double AnyMoveLeft();
// Bursts the group at (c, r), one balloon per shown frame; returns how many burst.
double PopGroup(double c, double r);
// Balloons float up into empty cells of their column.
void LiftBalloons();
// Empty columns are closed by moving every column on their right one place left.
void CloseEmptyColumns();
// A click on a burstable balloon (or Space, the attract mode's player, a replay) bursts
// its group and scores it.
void HandleBoardClick();
// The cell under the mouse, or 0 and 0.
void UpdateHoveredCell();
// Walls, balloons and the outline over the hovered cell.
void DrawBoard();

// The board cell (column c, row r).
BoardCell& Cell(double c, double r);

}  // namespace pindrake
