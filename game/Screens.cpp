#include "Screens.h"

#include <cmath>

#include "AttractMode.h"
#include "Board.h"
#include "GameRecord.h"
#include "Globals.h"
#include "GroupPreview.h"
#include "HighScores.h"
#include "KeyboardPlay.h"
#include "PlayMode.h"
#include "Statistics.h"
#include "Undo.h"
#include "Widgets.h"

namespace pindrake {

using namespace zentoir;

void MeasureFrameTime() {
  double fps = std::trunc(1000 / (GetTimeMs() - lastFrameTime));
  if (!(fps >= 1)) fps = 1000;  // also a zero or negative interval
  lastFrameTime = GetTimeMs();
  frameSeconds = 1 / fps;
}

void RunFrame() {
  MeasureFrameTime();
  SetAlphaMode(-0.999);
  UpdateMouse(0, 0, 640, 480);
  UpdateHoveredCell();
  UpdateKeyboardPlay();
  UpdateGameScreen();
  if (GetTimeMs() - lastCopyTime > 100) {
    SetAlphaMode(0);
    CaptureSprite(SCREEN_COPY_SPRITE, 0, 0, 640, 480);
    lastCopyTime = GetTimeMs();
  }
  if (!KeyboardLeads()) DrawSprite(POINTER_SPRITE, mouseX, mouseY);  // one cursor at a time
  PrintShadowed("by Holmvard", 50, 472, 6, 21, 1);
  if (presentFrame != 0) PresentFrame();
  presentFrame = 1;
}

namespace {

void UpdateHighScorePage() {
  UpdateMouse(0, 0, 640, 480);
  TileSprite(cloudsSprite);
  DrawHighScores();
  if (TextButton("Back", centreX, 25, 75, 25, COLOUR_RED, 8) != 0) menuPage = 0;
}

// After the settled board has had no move left for 1.5 seconds of frames.
void CheckGameOver() {
  if (!GameOverCheckAllowed() || balloonsMoving != 0 || AnyMoveLeft() != 0) return;
  gameOverTimer = gameOverTimer + frameSeconds;
  if (gameOverTimer < 1.5) return;
  gameOverTimer = 0;
  if (CurrentPlayMode() == PlayMode::Attract) return FinishAttractGame();
  if (CurrentPlayMode() == PlayMode::Replay) return;  // the replay ends by itself
  RecordFinishedGame(points, balloonsLeft == 0);
  MessageDialog("Game Over", 1, 9);
  EnterHighScore();
}

// U or Backspace on the settled board, outside a burst chain.
void HandleUndoKey() {
  if (!TakeUndoRequest() || CurrentPlayMode() != PlayMode::Player) return;
  if (balloonsMoving == 0 && CurrentGame().burstDepth == 0) UndoLastBurst();
}

void UpdateBoardScreen() {
  CheckGameOver();
  TileSprite(cloudsSprite);
  SelectFont(5);
  if (ImageButton("New Game", 590, 150, 70, 45, COLOUR_BLUE, newGameSprite, 9) != 0) {
    NewGame();
    riseSpeed = 150;
  }
  if (TextButton("Highscore", 590, 218, 75, 25, COLOUR_GREEN, 5) != 0) menuPage = 1;
  if (TextButton("END", 590, 275, 60, 25, COLOUR_RED, 5) != 0) {
    if (MessageDialog("Sure, Ending Game ?", 2, 8) != 0) EndProgram();
  }
  DrawPlayfield();
  balloonsMoving = MoveBalloons();
  if (balloonsMoving == 0) HandleBoardClick();
  HandleUndoKey();
}

}  // namespace

void UpdateGameScreen() {
  if (menuPage == 1) {
    UpdateHighScorePage();
  } else if (menuPage == 0) {
    UpdateBoardScreen();
  }
}

void DrawPlayfield() {
  DrawBoard();
  DrawGroupPreview();
  PrintShadowed("Pindrake", centreX + 2, 15, 4, 29, -2);
  SelectFont(5);
  PrintCentred(versionText, centreX + 2, 27);
  DrawBevelFrame(14, 3, 73, 40, 0);
  PrintShadowed(NumberToText(balloonsLeft), 30, 25, 3, 28, 2);
  DrawSpriteCentred(balloonIconSprite, 65, 24);
  DrawBevelFrame(4, 52, 92, 55, 0);
  PrintShadowed("Points", 50, 64, 4, 29, 2);
  PrintShadowed(NumberToText(points), 50, 90, 4, 29, 2);
}

namespace {

// A fresh balloon for the title screen, white ones included, somewhere below it.
void PlaceFloater(NumberArray& floaters, double i) {
  ElementAt(floaters, i, 0) = ElementAt(balloonSprites, RandomBetween(1, 5));
  ElementAt(floaters, i, 1) = RandomBetween(-20, 640);
  ElementAt(floaters, i, 2) = 480;
}

}  // namespace

void TitleScreenFrame(NumberArray& floaters, double& lastSpawn) {
  MeasureFrameTime();
  UpdateMouse(0, 0, 640, 480);
  const double n = ArrayBound(floaters, 0);
  if (n - 1 < 100 && GetTimeMs() - lastSpawn >= 1000) {
    lastSpawn = GetTimeMs();
    RedimNumberArray(floaters, n + 1, 4);
    PlaceFloater(floaters, n);
    ElementAt(floaters, n, 3) = RandomBetween(25, 75);
  }
  TileSprite(cloudsSprite);
  SetAlphaMode(-0.75);
  for (double i = 0; i < ArrayBound(floaters, 0); ++i) {
    DrawSprite(ElementAt(floaters, i, 0), ElementAt(floaters, i, 1), ElementAt(floaters, i, 2));
    ElementAt(floaters, i, 2) -= frameSeconds * ElementAt(floaters, i, 3);
    if (ElementAt(floaters, i, 2) <= -40) PlaceFloater(floaters, i);
  }
  PrintShadowed("Pindrake", centreX, 20, 14, 9, 2);
  PrintShadowed("by Holmvard", centreX, 36, 6, 21, 1);
  DrawHighScores();
  PresentFrame();
}

void ShowTitleScreen() {
  NumberArray floaters;
  double lastSpawn = 0;
  while (mouseButton == 0) {
    TitleScreenFrame(floaters, lastSpawn);
    if (mouseButton == 0 && AttractModeDue()) {
      RunAttractMode(false);
      // The key or click that ended it does not also leave the title screen.
      while (mouseButton != 0)
        TitleScreenFrame(floaters, lastSpawn);
    }
  }
}

}  // namespace pindrake
