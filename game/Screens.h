// The frame cycle and the screens: title, board with its buttons and counters,
// high-score page, game over.
#pragma once

#include "Globals.h"

namespace pindrake {

// Measures the last frame: frameSeconds is 1 / whole frames per second; a frame of more
// than a second (or none at all) counts as one millisecond.
void MeasureFrameTime();
// One complete frame of the game.
void RunFrame();
// The logic and drawing of the current screen.
void UpdateGameScreen();
// The board with its title and counters.
void DrawPlayfield();
// Floating balloons and the high scores until a mouse button is pressed.
void ShowTitleScreen();
// One frame of the title screen; `floaters` holds a row per balloon.
void TitleScreenFrame(NumberArray& floaters, double& lastSpawn);

}  // namespace pindrake
