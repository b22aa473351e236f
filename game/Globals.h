// Pindrake's fixed values and process-wide globals. The game is plain procedures over
// these; every number is a double and every text a DynString, as the runtime's commands
// take them.
#pragma once

#include "zentoir.h"

namespace pindrake {

using zentoir::DynString;
using zentoir::GenericArray;
using zentoir::NumberArray;

// Fixed values.
constexpr double SCREEN_WIDTH = 640;
constexpr double SCREEN_HEIGHT = 480;
constexpr double POINTER_SPRITE = 9999;
constexpr double SCREEN_COPY_SPRITE = 9998;
constexpr double SOUND_BUTTON = 1;
constexpr double SOUND_POP = 2;
constexpr double SOUND_DIALOG = 3;
constexpr double SOUND_VOLUME = 0.9;
constexpr double CELL_SIZE = 40;

// Colours: red + 256 × green + 65536 × blue.
constexpr double BEVEL_LIGHT = 16053492;
constexpr double BEVEL_DARK = 5789784;
constexpr double COLOUR_RED = 4678655;
constexpr double COLOUR_BLUE = 13145650;
constexpr double COLOUR_GREEN = 3328050;

// One board cell: the balloon's sprite (0 = empty), where it is drawn and where it goes.
struct BoardCell {
  double balloon = 0;
  double x = 0;
  double y = 0;
  double targetX = 0;
  double targetY = 0;
};

// One place of the high-score table.
struct ScoreEntry {
  DynString name;
  double score = 0;
};

// Start-up and resources.
extern DynString versionText;
extern DynString programDir;
extern DynString dataDir;
extern DynString fontDir;
extern DynString commandLine;
extern double centreX;
extern double centreY;
extern double lastSpriteNumber;

// Sprite numbers of the loaded images.
extern NumberArray balloonSprites;
extern double outlineSprite;
extern double balloonIconSprite;
extern double wallSprite;
extern double cloudsSprite;
extern double clearSkySprite;
extern double marbleSprite;
extern double starsSprite;
extern double newGameSprite;

// Frame cycle and screens.
extern double frameSeconds;
extern double lastFrameTime;
extern double lastCopyTime;
extern double presentFrame;
extern double menuPage;
extern double gameOverTimer;
extern double balloonsMoving;

// Board.
extern GenericArray<BoardCell> board;
extern double boardColumns;
extern double boardRows;
extern double boardLeft;
extern double boardTop;
extern double balloonsLeft;
extern double points;
extern double riseSpeed;
extern double hoverColumn;
extern double hoverRow;

// High scores.
extern GenericArray<ScoreEntry> highScores;
extern DynString playerName;

// Mouse and buttons.
extern double mouseX;
extern double mouseY;
extern double mouseLeft;
extern double mouseRight;
extern double mouseButton;
extern double buttonArmed;
extern double armedX;
extern double armedY;

}  // namespace pindrake
