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
  bool stuck = false;  // the next move can never be played
};

ReplayState& State() {
  static ReplayState state;
  return state;
}

constexpr double kEndPauseMs = 2500;

// A record that does not fit the board its seed makes (another version's boards, an
// edited file) ends the replay with a failure.
[[noreturn]] void StopStuckReplay(double place) {
  std::fprintf(
      stderr, "Pindrake: the replay of place %d stopped at move %d of %d, which cannot be played\n",
      int(place), int(State().next + 1), int(State().moves.size()));
  SetErrorCode(1);
  StopProgram();
}

}  // namespace

void StartReplay(const PlaceRecord& record) {
  State().moves = record.moves;
  State().next = 0;
  State().stuck = false;
  SetPlayMode(PlayMode::Replay);
  SeedBoards(record.seed);
  NewGame();
}

bool NextReplayMove(double& column, double& row) {
  ReplayState& state = State();
  if (state.next >= state.moves.size()) return false;
  const RecordedMove& move = state.moves[state.next];
  const GameRecord& game = CurrentGame();
  if (move.poppedBefore != game.popped || (move.nested != 0) != (game.burstDepth > 0)) {
    // Only bursts change the count, and on a settled board none is under way.
    if (game.burstDepth == 0) state.stuck = true;
    return false;
  }
  if (Cell(move.column, move.row).balloon <= 0 || HasSameNeighbour(move.column, move.row) == 0) {
    state.stuck = true;
    return false;
  }
  column = move.column;
  row = move.row;
  ++state.next;
  return true;
}

bool ReplayStuck() {
  return State().stuck;
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
    if (ReplayStuck()) StopStuckReplay(place);
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
