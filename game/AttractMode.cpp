#include "AttractMode.h"

#include <cstdio>

#include "Board.h"
#include "GameRecord.h"
#include "KeyboardPlay.h"
#include "PlayMode.h"
#include "Screens.h"

namespace pindrake {

using namespace zentoir;

namespace {

constexpr double kMovePause = 0.4;  // seconds the settled board is shown before a move

struct AttractState {
  double idleSince = -1;
  double lastMouseX = -1;
  double lastMouseY = -1;
  double settledFor = 0;
  double gamesPlayed = 0;
};

AttractState& State() {
  static AttractState state;
  return state;
}

}  // namespace

bool AttractModeDue() {
  AttractState& s = State();
  const bool input =
      mouseButton != 0 || mouseX != s.lastMouseX || mouseY != s.lastMouseY || AnyKeyDown() != 0;
  s.lastMouseX = mouseX;
  s.lastMouseY = mouseY;
  if (input || s.idleSince < 0) s.idleSince = GetTimeMs();
  return GetTimeMs() - s.idleSince >= ATTRACT_IDLE_SECONDS * 1000;
}

bool LargestGroup(double& column, double& row, double& size) {
  size = 0;
  for (double c = 1; c <= 9; ++c) {
    for (double r = 1; r <= 11; ++r) {
      if (Cell(c, r).balloon == 0 || HasSameNeighbour(c, r) == 0) continue;
      const double n = double(GroupCells(c, r).size());
      if (n > size) size = n, column = c, row = r;
    }
  }
  return size > 0;
}

bool PickAttractMove(double& column, double& row) {
  AttractState& s = State();
  s.settledFor = s.settledFor + frameSeconds;
  if (s.settledFor < kMovePause) return false;
  double size = 0;
  if (!LargestGroup(column, row, size)) return false;
  s.settledFor = 0;
  hoverColumn = column;
  hoverRow = row;
  return true;
}

void FinishAttractGame() {
  AttractState& s = State();
  s.gamesPlayed = s.gamesPlayed + 1;
  std::printf("Attract game %d: %d points, %d balloons left\n", int(s.gamesPlayed), int(points),
              int(balloonsLeft));
  std::fflush(stdout);
  NewGame();
  riseSpeed = 150;
}

void RunAttractMode(bool untilEscape) {
  SetPlayMode(PlayMode::Attract);
  menuPage = 0;
  NewGame();
  riseSpeed = 200;
  for (;;) {
    RunFrame();
    if (!untilEscape && (mouseButton != 0 || AnyKeyDown() != 0)) break;
  }
  SetPlayMode(PlayMode::Player);
  buttonArmed = 0;
  armedX = armedY = -1;
  menuPage = 0;
  gameOverTimer = 0;
  ResetKeyboardPlay();
  State().idleSince = GetTimeMs();
}

}  // namespace pindrake
