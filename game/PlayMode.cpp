#include "PlayMode.h"

#include "AttractMode.h"
#include "GameRecord.h"
#include "KeyboardPlay.h"
#include "Replay.h"
#include "Undo.h"

namespace pindrake {
namespace {
PlayMode mode = PlayMode::Player;
}

PlayMode CurrentPlayMode() {
  return mode;
}

void SetPlayMode(PlayMode newMode) {
  mode = newMode;
}

bool BurstRequested(double& column, double& row) {
  switch (mode) {
    case PlayMode::Attract:
      return CurrentGame().burstDepth == 0 && PickAttractMove(column, row);
    case PlayMode::Replay:
      return NextReplayMove(column, row);
    case PlayMode::Player:
      break;
  }
  column = hoverColumn;
  row = hoverRow;
  if (mouseButton == 1) return true;
  return CurrentGame().burstDepth == 0 && TakeKeyboardBurst(column, row);
}

void BeginBurst(double column, double row) {
  GameRecord& record = CurrentGame();
  if (mode == PlayMode::Player && record.burstDepth == 0) SaveUndoStep();
  record.moves.push_back({column, row, record.popped, record.burstDepth > 0 ? 1.0 : 0.0});
  record.burstDepth = record.burstDepth + 1;
}

void EndBurst() {
  GameRecord& record = CurrentGame();
  if (record.burstDepth > 0) record.burstDepth = record.burstDepth - 1;
}

void CountPoppedBalloon() {
  CurrentGame().popped = CurrentGame().popped + 1;
}

bool GameOverCheckAllowed() {
  return mode == PlayMode::Player || CurrentGame().burstDepth == 0;
}

}  // namespace pindrake
