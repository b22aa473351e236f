// Keyboard play, the group preview, undo, replays and what the statistics keep, on the
// game's procedures without a window.
#include <gtest/gtest.h>

#include <string>

#include "AttractMode.h"
#include "GameRecord.h"
#include "GameState.h"
#include "GroupPreview.h"
#include "HighScores.h"
#include "KeyboardPlay.h"
#include "PlayMode.h"
#include "Replay.h"
#include "Screens.h"
#include "Statistics.h"
#include "Undo.h"
#include "support/TempDir.h"

namespace pindrake {
namespace {

using namespace testing;
using Rows = std::vector<std::string>;

// Every field of every cell, points and counters: what undo must give back exactly.
struct Snapshot {
  std::vector<double> cells;
  double points = 0, balloonsLeft = 0;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take() {
  Snapshot s{{}, points, balloonsLeft};
  for (double c = 0; c <= 10; ++c) {
    for (double r = 0; r <= 12; ++r) {
      const BoardCell& cell = Cell(c, r);
      s.cells.insert(s.cells.end(), {cell.balloon, cell.x, cell.y, cell.targetX, cell.targetY});
    }
  }
  return s;
}

// Lets the balloons glide until the board has settled.
void Settle() {
  frameSeconds = 1;
  for (int i = 0; i < 50 && MoveBalloons() != 0; ++i) {
  }
  balloonsMoving = 0;
}

// The first group of exactly two on the board (a short burst); false if none.
bool PairAt(double& column, double& row) {
  for (double c = 1; c <= 9; ++c) {
    for (double r = 1; r <= 11; ++r) {
      if (Cell(c, r).balloon != 0 && GroupCells(c, r).size() == 2) {
        column = c, row = r;
        return true;
      }
    }
  }
  return false;
}

class PlayExtras : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGame();
    SetPlayMode(PlayMode::Player);
    ResetKeyboardPlay();
    ClearUndoHistory();
    programDir = tmp_.Path().c_str();
  }
  void TearDown() override { SetPlayMode(PlayMode::Player); }

  zentoir::testing::ScopedTempDir tmp_;
};

TEST_F(PlayExtras, CursorKeysMoveTheOutlineFromBalloonToBalloonAndSpaceBurstsItsGroup) {
  SetBoard({"RBGY", "RGGY", "BYRB", "G.R."});
  hoverColumn = 1, hoverRow = 1;  // where the pointer is
  PressPlayKey(KEY_RIGHT);
  PressPlayKey(KEY_DOWN);
  EXPECT_EQ(hoverColumn, 2);
  EXPECT_EQ(hoverRow, 2);
  PressPlayKey(KEY_DOWN);
  PressPlayKey(KEY_DOWN);  // (2, 4) is empty and nothing lies below it: stays
  EXPECT_EQ(hoverRow, 3);
  PressPlayKey(KEY_RIGHT);
  PressPlayKey(KEY_UP);
  EXPECT_EQ(hoverColumn, 3);
  EXPECT_EQ(hoverRow, 2);
  EXPECT_EQ(PreviewPoints(), 2);  // the green group of three under the outline
  PressPlayKey(KEY_SPACE);
  HandleBoardClick();
  EXPECT_EQ(points, 2);
  EXPECT_EQ(BoardRows()[0], "RBRY.....");
  EXPECT_EQ(BoardRows()[1], "RYRY.....");
  HandleBoardClick();  // the press is taken once
  EXPECT_EQ(points, 2);
}

TEST_F(PlayExtras, MovingTheMouseHandsTheOutlineBackToThePointer) {
  SetBoard({"RB", "GY"});
  mouseX = mouseY = 0;
  UpdateKeyboardPlay();
  hoverColumn = hoverRow = 0;
  PressPlayKey(KEY_RIGHT);  // from the middle of the board, the cursor's start
  ASSERT_GT(hoverColumn, 0);
  UpdateHoveredCell();  // the pointer is off the board...
  UpdateKeyboardPlay();
  EXPECT_GT(hoverColumn, 0);     // ...but the keyboard has the outline
  EXPECT_TRUE(KeyboardLeads());  // and the pointer is hidden
  mouseX = boardLeft + 20, mouseY = boardTop + 60;
  UpdateHoveredCell();
  UpdateKeyboardPlay();
  EXPECT_FALSE(KeyboardLeads());
  EXPECT_EQ(hoverColumn, 1);
  EXPECT_EQ(hoverRow, 2);
  PressPlayKey(KEY_RIGHT);
  EXPECT_EQ(hoverColumn, 2);
  mouseButton = 1;  // a click acts where the pointer is, not at the outline
  UpdateHoveredCell();
  UpdateKeyboardPlay();
  EXPECT_EQ(hoverColumn, 1);
}

TEST_F(PlayExtras, ThePreviewShowsWhatABurstWouldScore) {
  SetBoard({"RRRB", "GRYB", "GYYR"});
  hoverColumn = 2, hoverRow = 2;
  EXPECT_EQ(PreviewPoints(), 3);  // four reds
  hoverColumn = 4, hoverRow = 3;
  EXPECT_EQ(PreviewPoints(), 0);  // a lone balloon
  hoverColumn = 2, hoverRow = 3;
  EXPECT_EQ(PreviewPoints(), 2);
  balloonsMoving = 1;  // nothing can burst while balloons move
  EXPECT_EQ(PreviewPoints(), 0);
  balloonsMoving = 0;
  hoverColumn = hoverRow = 0;
  EXPECT_EQ(PreviewPoints(), 0);
}

TEST_F(PlayExtras, UndoRestoresBoardAndPointsExactlyAfterSeveralBursts) {
  SeedBoards(3);
  NewGame();
  Settle();
  std::vector<Snapshot> before;
  for (int i = 0; i < 3; ++i) {
    double c = 0, r = 0;
    ASSERT_TRUE(PairAt(c, r));
    before.push_back(Take());
    ClickCell(c, r);
    mouseButton = 0;
    Settle();
  }
  EXPECT_EQ(points, 3);
  EXPECT_EQ(CurrentGame().moves.size(), 3u);
  EXPECT_FALSE(CurrentGame().undoUsed);
  PressPlayKey(KEY_U);  // through the board screen's key, as the player does it
  UpdateGameScreen();
  EXPECT_EQ(Take(), before[2]);
  for (int i = 1; i >= 0; --i) {
    EXPECT_EQ(UndoLastBurst(), 1);
    EXPECT_EQ(Take(), before[size_t(i)]);
  }
  EXPECT_EQ(UndoLastBurst(), 0);  // the game's start: nothing more to take back
  EXPECT_EQ(Take(), before[0]);
  EXPECT_TRUE(CurrentGame().undoUsed);
  EXPECT_TRUE(CurrentGame().moves.empty());
  NewGame();
  EXPECT_FALSE(CurrentGame().undoUsed);
  EXPECT_EQ(UndoSteps(), 0);
}

TEST_F(PlayExtras, AReplayOfARecordedGameEndsWithTheSameBoardAndPoints) {
  SeedBoards(11);
  NewGame();
  Settle();
  for (int i = 0; i < 4; ++i) {
    double c = 0, r = 0;
    ASSERT_TRUE(PairAt(c, r));
    ClickCell(c, r);
    mouseButton = 0;
    Settle();
    if (i == 1) UndoLastBurst();  // an undone burst is not part of the game
  }
  const Rows finalRows = BoardRows();
  const double finalPoints = points;
  PlaceRecord record;
  record.seed = CurrentGame().seed;
  record.moves = CurrentGame().moves;
  ASSERT_EQ(record.moves.size(), 3u);

  ResetGame();
  StartReplay(record);
  EXPECT_NE(BoardRows(), finalRows);
  for (int frame = 0; frame < 20 && !ReplayFinished(); ++frame) {
    Settle();
    mouseButton = 1, hoverColumn = 1, hoverRow = 1;  // the player's input is ignored
    HandleBoardClick();
  }
  EXPECT_TRUE(ReplayFinished());
  EXPECT_EQ(BoardRows(), finalRows);
  EXPECT_EQ(points, finalPoints);
  EXPECT_EQ(CurrentGame().moves, record.moves);
}

TEST_F(PlayExtras, MovesAreKeptAsTextAndDamagedTextIsRefused) {
  const std::vector<RecordedMove> moves{{1, 1, 0, 0}, {9, 11, 98, 1}, {4, 7, 12, 0}};
  std::vector<RecordedMove> read;
  ASSERT_TRUE(ParseMoves(FormatMoves(moves), read));
  EXPECT_EQ(read, moves);
  EXPECT_TRUE(ParseMoves("", read));
  EXPECT_TRUE(read.empty());
  for (const char* bad : {"0,1,0,0", "1,12,0,0", "1,1,0", "1,1,0,2", "1;1,0,0", "1,1,0,0;x",
                          "1,1,-1,0", "99999999999999999999,1,0,0", "1,1,0,0 "}) {
    EXPECT_FALSE(ParseMoves(bad, read)) << bad;
    EXPECT_TRUE(read.empty());
  }
}

TEST_F(PlayExtras, AGameWithUndoIsListedWithItsMarkOutsideScoreDat) {
  SeedBoards(5);
  NewGame();
  Settle();
  double c = 0, r = 0;
  ASSERT_TRUE(PairAt(c, r));
  ClickCell(c, r);
  mouseButton = 0;
  Settle();
  UndoLastBurst();
  ClickCell(c, r);
  mouseButton = 0;
  RecordFinishedGame(points, false);
  // What EnterHighScore does once the name is typed.
  InsertScore(ScorePlaceFor(points, "Anna"), "Anna", points);
  AccessScoreFile("Save");
  RecordPlacedGame(1);

  std::string expected = std::string("\x01\x00", 2) + "Anna\r\n";
  for (int i = 0; i < 19; ++i)
    expected += std::string("\x00\x00\r\n", 4);
  EXPECT_EQ(zentoir::testing::ReadFileBytes(tmp_.Path() + "Score.dat"), expected);
  EXPECT_TRUE(PlaceUsedUndo(1));
  PlaceRecord record;
  ASSERT_TRUE(ReadPlaceRecord(1, record));
  EXPECT_EQ(record.seed, CurrentGame().seed);
  EXPECT_EQ(record.moves.size(), 1u);
  const std::string ini = zentoir::testing::ReadFileBytes(tmp_.Path() + "Pindrake.ini");
  EXPECT_NE(ini.find("GamesPlayed=1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Undo=1"), std::string::npos) << ini;

  // A second result above it moves the record down with its entry.
  NewGame();
  points = 7;
  InsertScore(ScorePlaceFor(points, " Bert "), " Bert ", points);  // blanks are kept
  AccessScoreFile("Save");
  RecordPlacedGame(1);
  EXPECT_FALSE(PlaceUsedUndo(1));
  EXPECT_TRUE(ReadPlaceRecord(1, record));
  EXPECT_TRUE(PlaceUsedUndo(2));
  ASSERT_TRUE(ReadPlaceRecord(2, record));
  EXPECT_EQ(record.name, "Anna");
  // A table changed behind the record's back (another Score.dat) has no replay for it.
  zentoir::ElementAt(highScores, 2).score = 50;
  EXPECT_FALSE(ReadPlaceRecord(2, record));
}

// Moves that pass the syntax check but that no game makes: a first burst inside a chain
// or after balloons had burst, a burst before the one before it had popped a pair.
TEST_F(PlayExtras, ARecordNoGameCouldHaveWrittenIsRefused) {
  zentoir::ElementAt(highScores, 1).name = "Anna";
  zentoir::ElementAt(highScores, 1).score = 4;
  zentoir::IniOpen(StatisticsPath());
  zentoir::IniPut("Place1", "Name", "\"Anna\"");
  zentoir::IniPut("Place1", "Points", "4");
  zentoir::IniPut("Place1", "Seed", "3");
  PlaceRecord record;
  for (const char* moves : {"1,1,0,0;2,2,2,0;3,3,3,1", ""}) {
    zentoir::IniPut("Place1", "Moves", moves);
    EXPECT_TRUE(ReadPlaceRecord(1, record)) << moves;
  }
  for (const char* moves :
       {"1,1,0,1", "1,1,5,0", "1,1,0,0;2,2,1,0", "1,1,0,0;2,2,0,1", "1,1,0,0;2,2,98,0"}) {
    zentoir::IniPut("Place1", "Moves", moves);
    EXPECT_FALSE(ReadPlaceRecord(1, record)) << moves;
  }
}

// A record whose moves do not fit its board (another seed) ends instead of waiting.
TEST_F(PlayExtras, AReplayStopsAtAMoveThatCannotBePlayed) {
  SeedBoards(11);
  NewGame();
  Settle();
  double c = 0, r = 0, lonelyC = 0, lonelyR = 0;
  ASSERT_TRUE(PairAt(c, r));
  for (double x = 1; x <= 9; ++x) {
    for (double y = 1; y <= 11; ++y) {
      if (Cell(x, y).balloon != 0 && HasSameNeighbour(x, y) == 0) lonelyC = x, lonelyR = y;
    }
  }
  ASSERT_GT(lonelyC, 0);
  PlaceRecord record;
  record.seed = CurrentGame().seed;
  const std::vector<std::vector<RecordedMove>> cases = {
      {{c, r, 0, 0}, {c, r, 40, 0}},  // never due: 40 balloons never burst before it
      {{lonelyC, lonelyR, 0, 0}},     // a balloon without a neighbour of its colour
  };
  for (const auto& moves : cases) {
    record.moves = moves;
    ResetGame();
    StartReplay(record);
    for (int frame = 0; frame < 20 && !ReplayStuck() && !ReplayFinished(); ++frame) {
      Settle();
      HandleBoardClick();
    }
    EXPECT_TRUE(ReplayStuck()) << moves.size();
    EXPECT_FALSE(ReplayFinished());
    EXPECT_EQ(CurrentGame().moves.size(), moves.size() - 1);
  }
}

TEST_F(PlayExtras, TheAttractPlayerTakesTheLargestGroupAfterAPause) {
  SetBoard({"RRB", "GRB", "GYY"});
  SetPlayMode(PlayMode::Attract);
  frameSeconds = 0.1;
  double c = 0, r = 0;
  EXPECT_FALSE(BurstRequested(c, r));  // the settled board is shown first
  frameSeconds = 1;
  ASSERT_TRUE(BurstRequested(c, r));
  EXPECT_EQ(GroupCells(c, r).size(), 3u);  // the reds, not a pair
  EXPECT_EQ(Cell(c, r).balloon, kRed);
}

}  // namespace
}  // namespace pindrake
