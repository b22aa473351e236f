// Who plays the board: the player (mouse and keyboard), the attract mode's own player,
// or a replay of a recorded game. The board's click rule asks here which cell, if any,
// is burst in this frame, and tells here when a burst begins and ends.
#pragma once

#include "Globals.h"

namespace pindrake {

enum class PlayMode { Player, Attract, Replay };

PlayMode CurrentPlayMode();
void SetPlayMode(PlayMode mode);

// The cell to burst in this frame, if any: for the player the hovered cell while the
// left button is down (or the outline's cell when Space or Return was pressed); for
// the attract mode and replays the cell their player picks.
bool BurstRequested(double& column, double& row);
// Around a burst: the move is recorded (and, for the player, the undo step kept).
void BeginBurst(double column, double row);
void EndBurst();
// One balloon of the group has burst.
void CountPoppedBalloon();
// Whether the game-over check may run in this frame: always for the player; for the
// attract mode and replays only outside a burst chain.
bool GameOverCheckAllowed();

}  // namespace pindrake
