// Replays: a recorded game played again on screen from its seed and moves.
#pragma once

#include "Statistics.h"

namespace pindrake {

// Makes the recorded game's board and switches to replaying its moves.
void StartReplay(const PlaceRecord& record);
// The next recorded burst when it is due: in order, after exactly as many balloons have
// burst as when it was made, and inside or outside a burst chain as it was made.
bool NextReplayMove(double& column, double& row);
// The next move can never be played: it never became due on the settled board, or its
// cell holds no group. The replay gets no further.
bool ReplayStuck();
// All moves made and the board settled.
bool ReplayFinished();
// `Pindrake --replay N`: plays the game of place N on screen and ends the program when
// it is over (printing its points); a place without a record ends it at once with a
// message, and a move that cannot be played with a message and exit code 1. Never
// returns.
[[noreturn]] void RunReplay(double place);

}  // namespace pindrake
