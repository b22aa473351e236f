// The game's process entry, start-up and main loop.
#pragma once

#include "Globals.h"

namespace pindrake {

// Options beyond the game's own behaviour, from the command line.
struct GameOptions {
  bool windowed = false;  // a 640 × 480 window instead of switching the display
  bool seeded = false;    // a fixed sequence of boards
  double seed = 0;
  bool scaled = true;      // the picture scaled to the window, letterboxed
  bool demo = false;       // the attract mode at once, until Esc
  double replayPlace = 0;  // > 0: replay the game of this place of the table
};

// Fills the start-up settings, starts the runtime and runs the game; never returns.
double GameEntry(const DynString& commandLineText, double showCommand, const GameOptions& options);
// Loads the image into the next sprite number from 1001 on and stores the number.
void LoadNextSprite(double& number, const DynString& path);
// The 30 fonts into slots 0..29 and the 13 images into sprites 1001..1013.
void LoadFonts();
void LoadImages();
// Start-up steps of the game up to the title screen: display mode, archive, pointer,
// tune, sounds, fonts, images, board geometry and the high scores.
void LoadGame();
// Start-up of the game, the title screen and the main loop; never returns.
[[noreturn]] void GameMain();
// The statistics of "Pindrake.ini" on standard output (no window is opened).
void PrintStatistics();
// Whether a replay is recorded for the place (read without starting the runtime).
bool HasReplay(double place);

}  // namespace pindrake
