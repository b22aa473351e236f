#include "Globals.h"

namespace pindrake {

// Initialised in this order before the entry runs; programDir is the working directory
// the game was started in, before start-up moves to the executable's folder.
DynString versionText = "1.02 vom 01.07.2008";
DynString programDir = zentoir::CurrentDirectory();
DynString dataDir = programDir + "Daten/";
DynString fontDir = programDir + "Daten/Fonts/";
DynString commandLine;
double centreX = SCREEN_WIDTH * 0.5;
double centreY = SCREEN_HEIGHT * 0.5;
double lastSpriteNumber = 1000;

NumberArray balloonSprites;
double outlineSprite = 0;
double balloonIconSprite = 0;
double wallSprite = 0;
double cloudsSprite = 0;
double clearSkySprite = 0;
double marbleSprite = 0;
double starsSprite = 0;
double newGameSprite = 0;

double frameSeconds = 0;
double lastFrameTime = 0;
double lastCopyTime = 0;
double presentFrame = 1;
double menuPage = 0;
double gameOverTimer = 0;
double balloonsMoving = 0;

GenericArray<BoardCell> board;
double boardColumns = 0;
double boardRows = 0;
double boardLeft = 0;
double boardTop = 0;
double balloonsLeft = 0;
double points = 0;
double riseSpeed = 0;
double hoverColumn = 0;
double hoverRow = 0;

GenericArray<ScoreEntry> highScores;
DynString playerName;

double mouseX = 0;
double mouseY = 0;
double mouseLeft = 0;
double mouseRight = 0;
double mouseButton = 0;
double buttonArmed = 0;
double armedX = 0;
double armedY = 0;

}  // namespace pindrake
