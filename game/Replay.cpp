#include "Replay.h"

#include <cstdio>

#include "Board.h"
#include "Entry.h"
#include "PlayMode.h"
#include "Screens.h"

namespace pindrake {

using namespace zentoir;

namespace {

struct ReplayState {
  std::vector<RecordedMove> moves;
  size_t next = 0;
};

ReplayState& State() {
  static ReplayState state;
  return state;
}

constexpr double kEndPauseMs = 2500;

}  // namespace

void StartReplay(const PlaceRecord& record) {
  State().moves = record.moves;
  State().next = 0;
  SetPlayMode(PlayMode::Replay);
  SeedBoards(record.seed);
  NewGame();
}

bool NextReplayMove(double& column, double& row) {
  ReplayState& state = State();
  if (state.next >= state.moves.size()) return false;
  const RecordedMove& move = state.moves[state.next];
  const GameRecord& game = CurrentGame();
  if (move.poppedBefore != game.popped || (move.nested != 0) != (game.burstDepth > 0)) return false;
  column = move.column;
  row = move.row;
  ++state.next;
  return true;
}

bool ReplayFinished() {
  return State().next >= State().moves.size() && balloonsMoving == 0 &&
         CurrentGame().burstDepth == 0;
}

void RunReplay(double place) {
  PlaceRecord record;
  if (!ReadPlaceRecord(place, record)) {
    std::printf("No replay is recorded for place %d\n", int(place));
    std::fflush(stdout);
    EndProgram();
  }
  StopMusic();
  StartReplay(record);
  riseSpeed = 200;
  double finishedAt = -1;
  for (;;) {
    RunFrame();
    if (!ReplayFinished()) continue;
    if (finishedAt < 0) finishedAt = GetTimeMs();
    if (GetTimeMs() - finishedAt >= kEndPauseMs) break;
  }
  std::printf("Replay of place %d: %d points, %d balloons left\n", int(place), int(points),
              int(balloonsLeft));
  std::fflush(stdout);
  EndProgram();
}

}  // namespace pindrake
