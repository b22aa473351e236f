#include "Entry.h"

#include <cstdio>

#include "AttractMode.h"
#include "Board.h"
#include "HighScores.h"
#include "Replay.h"
#include "Screens.h"
#include "Statistics.h"

namespace pindrake {

using namespace zentoir;

namespace {
GameOptions startOptions;
const char* const kFontColours[] = {"schwarz", "weiss", "rot", "gruen", "blau", "gelb"};
const char* const kFontSizes[] = {"7x14", "7x14_fett", "8x17", "9x17", "14x27"};
}  // namespace

void LoadFonts() {
  double slot = 0;
  for (const char* colour : kFontColours) {
    for (const char* size : kFontSizes) {
      LoadFont(fontDir + "Courier_" + colour + "_" + size + ".png", slot);
      slot = slot + 1;
    }
  }
}

void LoadImages() {
  LoadNextSprite(outlineSprite, dataDir + "Umriss.png");
  LoadNextSprite(balloonIconSprite, dataDir + "2Pindrake.png");
  const char* const balloons[] = {"Blau.png", "Rot.png", "Gr\xFCn.png", "Gelb.png", "Weiss.png"};
  for (double i = 1; i <= 5; ++i) {
    LoadNextSprite(ElementAt(balloonSprites, i), dataDir + balloons[static_cast<int>(i) - 1]);
  }
  LoadNextSprite(wallSprite, dataDir + "Mauer.png");
  LoadNextSprite(cloudsSprite, dataDir + "Wolken.png");
  LoadNextSprite(clearSkySprite, dataDir + "Wolkenlos.png");
  LoadNextSprite(marbleSprite, dataDir + "Marmor.png");
  LoadNextSprite(starsSprite, dataDir + "Sterne.png");
  LoadNextSprite(newGameSprite, dataDir + "NeuSpiel.png");
}

double GameEntry(const DynString& commandLineText, double showCommand, const GameOptions& options) {
  commandLine.ReserveText(256);
  commandLine = commandLineText;
  StartupSettings& settings = Settings();
  settings.screenWidth = 800;
  settings.screenHeight = 600;
  settings.fullScreen = 0;
  settings.frameRateLimit = -1;
  settings.multisampleLevel = 0;
  settings.hideMouseCursor = 1;
  settings.debugMode = 0;
  if (options.windowed) SetKeepWindowed(1);
  startOptions = options;
  InitRuntime(commandLine, showCommand, "Pindrake");
  if (options.seeded) SeedBoards(options.seed);
  SetErrorCode(0);
  SetLineInfo(0, 0);
  GameMain();
}

void LoadNextSprite(double& number, const DynString& path) {
  lastSpriteNumber = lastSpriteNumber + 1;
  number = lastSpriteNumber;
  FileExists(path);  // asked, and a missing file still uses up its number
  LoadSprite(path, number);
}

void LoadGame() {
  if (startOptions.scaled) SetScaledScreen(1);
  SetScreenMode(640, 480, 1);
  SetResourceArchives(PINDRAKE_EXECUTABLE, PINDRAKE_EXECUTABLE);  // its own file carries the data
  SetWindowIcon(dataDir + "pindrake-64.png");
  LoadSprite(dataDir + "Maus.png", POINTER_SPRITE);
  PlayMusic(dataDir + "ikona.mid");
  DimNumberArray(balloonSprites, 6);
  DimRecordArray(highScores, 26);
  LoadSound(dataDir + "button.wav", SOUND_BUTTON, 0);
  LoadSound(dataDir + "Platz.wav", SOUND_POP, 0);
  LoadSound(dataDir + "deng.wav", SOUND_DIALOG, 0);
  LoadFonts();
  LoadImages();
  SetFrameRateLimit(-1);
  ShowSystemCursor(0);
  InitBoardGeometry();
  AccessScoreFile("Load");
  LoadStatistics();
}

void GameMain() {
  LoadGame();
  if (startOptions.replayPlace > 0) RunReplay(startOptions.replayPlace);
  if (startOptions.demo) RunAttractMode(true);
  ShowTitleScreen();
  StopMusic();
  NewGame();
  riseSpeed = 200;
  for (;;) {
    RunFrame();
    if (KeyState(31) != 0) SaveSprite("ScreenShot.png", SCREEN_COPY_SPRITE);
  }
}

namespace {
// The table and "Pindrake.ini" as the game would find them, without starting the runtime.
void ReadTableAndStatistics() {
  DimRecordArray(highScores, 26);
  AccessScoreFile("Load");
  LoadStatistics();
}
}  // namespace

void PrintStatistics() {
  ReadTableAndStatistics();
  std::fputs(StatisticsReport().c_str(), stdout);
}

bool HasReplay(double place) {
  ReadTableAndStatistics();
  PlaceRecord record;
  return ReadPlaceRecord(place, record);
}

}  // namespace pindrake
