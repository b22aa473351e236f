// The attract mode: after a minute without input on the title screen the game plays by
// itself, bursting a large group each time the board has settled, until a key or a
// click returns to the title. `--demo` runs it at once until Esc (the soak test).
#pragma once

#include "Globals.h"

namespace pindrake {

// Seconds without input on the title screen before the attract mode starts.
constexpr double ATTRACT_IDLE_SECONDS = 60;

// On the title screen, once per frame: whether it has been idle long enough.
bool AttractModeDue();
// Plays games until a key or a mouse button is pressed (or, with untilEscape, until
// Esc ends the program), then leaves the board as the title screen expects it.
void RunAttractMode(bool untilEscape);
// The attract player's move: the largest group (the first found, column by column),
// after a short pause on the settled board.
bool PickAttractMove(double& column, double& row);
// A game of the attract mode is over: counted, reported and replaced by a new board.
void FinishAttractGame();
// The largest group of the board; false when no group is left.
bool LargestGroup(double& column, double& row, double& size);

}  // namespace pindrake
