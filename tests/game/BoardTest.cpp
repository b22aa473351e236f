#include <gtest/gtest.h>

#include <set>

#include "Board.h"
#include "GameState.h"

namespace pindrake {
namespace {

using namespace testing;
using Rows = std::vector<std::string>;

class Board : public ::testing::Test {
 protected:
  void SetUp() override { ResetGame(); }
};

TEST_F(Board, GeometryMatchesTheScreenLayout) {
  EXPECT_EQ(boardLeft, 140);
  EXPECT_EQ(boardTop, 40);
  EXPECT_EQ(boardColumns, 11);
  EXPECT_EQ(boardRows, 13);
}

TEST_F(Board, NewGameFillsNinetyNineBalloonsOfTheFourColoursBelowTheScreen) {
  zentoir::SetRandomSeed(42);
  NewGame();
  EXPECT_EQ(balloonsLeft, 99);
  EXPECT_EQ(points, 0);
  std::set<double> colours;
  for (double c = 1; c <= 9; ++c) {
    for (double r = 1; r <= 11; ++r) {
      const BoardCell& cell = Cell(c, r);
      colours.insert(cell.balloon);
      EXPECT_EQ(cell.targetX, 140 + (c - 1) * 40);
      EXPECT_EQ(cell.targetY, 40 + (r - 1) * 40);
      EXPECT_GE(cell.x, 140);
      EXPECT_LE(cell.x, 500);
      EXPECT_EQ(cell.y, r * 60 + 480);
    }
  }
  EXPECT_EQ(colours, (std::set<double>{kBlue, kRed, kGreen, kYellow}));  // never white
  for (double r = 0; r <= 12; ++r)
    EXPECT_EQ(Cell(10, r).balloon, 0);
}

TEST_F(Board, SeededBoardsRepeatWhateverDrewRandomNumbersBetween) {
  SeedBoards(9);
  NewGame();
  const Rows first = BoardRows();
  NewGame();
  const Rows second = BoardRows();
  EXPECT_NE(first, second);
  SeedBoards(9);
  zentoir::RandomInt(100);  // the title screen's balloons, say
  NewGame();
  EXPECT_EQ(BoardRows(), first);
  NewGame();
  EXPECT_EQ(BoardRows(), second);
}

TEST_F(Board, BalloonsGlideAndLandExactly) {
  SetBoard({"B"});
  BoardCell& cell = Cell(1, 1);
  cell.y = cell.targetY + 100;
  frameSeconds = 0.1;  // a step of 0.1 × (150 − 1 − 5) = 14.4 pixels
  EXPECT_EQ(MoveBalloons(), 1);
  EXPECT_NEAR(cell.y, cell.targetY + 100 - 14.4, 1e-9);
  EXPECT_NEAR(cell.x, cell.targetX, 1e-9);
  frameSeconds = 1;  // would overshoot: lands on the target, which is no movement
  EXPECT_EQ(MoveBalloons(), 0);
  EXPECT_EQ(cell.y, cell.targetY);
  EXPECT_EQ(cell.x, cell.targetX);
  EXPECT_EQ(MoveBalloons(), 0);  // settled
}

TEST_F(Board, NeighboursAndTheEndOfTheGame) {
  SetBoard({"BR", "RB"});
  EXPECT_EQ(HasSameNeighbour(1, 1), 0);
  EXPECT_EQ(AnyMoveLeft(), 0);
  SetBoard({"BR", "BY"});
  EXPECT_EQ(HasSameNeighbour(1, 1), 1);
  EXPECT_EQ(AnyMoveLeft(), 1);
  SetBoard({});
  EXPECT_EQ(AnyMoveLeft(), 0);  // an empty board has no move either
}

TEST_F(Board, TwoBalloonsBurstForOnePointALoneOneNotAtAll) {
  SetBoard({"BBR", "GYG", "YYR"});
  ClickCell(3, 1);  // a lone red balloon
  EXPECT_EQ(points, 0);
  EXPECT_EQ(balloonsLeft, 9);
  ClickCell(1, 1);
  EXPECT_EQ(points, 1);
  EXPECT_EQ(balloonsLeft, 7);
  EXPECT_EQ(balloonsMoving, 2);
  EXPECT_EQ(riseSpeed, 150);
  EXPECT_EQ(presentFrame, 0);  // the frame of the burst is not shown
  // The columns below floated up.
  EXPECT_EQ(BoardRows()[0], "GYR......");
  EXPECT_EQ(BoardRows()[1], "YYG......");
  EXPECT_EQ(BoardRows()[2], "..R......");
}

TEST_F(Board, AGroupOfTenScoresNine) {
  SetBoard({"BBBBB", "BRGRB", "BBBYY", "RGRGR"});
  ClickCell(3, 1);
  EXPECT_EQ(points, 9);
  EXPECT_EQ(balloonsLeft, 20 - 10);
}

TEST_F(Board, BalloonsBelowABurstLiftAndKeepTheirOrder) {
  SetBoard({"YG", "BG", "B.", "R.", "G.", "Y."});
  ClickCell(1, 2);
  const Rows rows = BoardRows();
  EXPECT_EQ(rows[0].substr(0, 2), "YG");
  EXPECT_EQ(rows[1].substr(0, 2), "RG");
  EXPECT_EQ(rows[2].substr(0, 2), "G.");
  EXPECT_EQ(rows[3].substr(0, 2), "Y.");
  EXPECT_EQ(rows[4].substr(0, 2), "..");
  // They glide from where they were.
  EXPECT_EQ(Cell(1, 2).targetY, 80);
  EXPECT_EQ(Cell(1, 2).y, 40 + 3 * 40);
}

TEST_F(Board, EmptiedColumnsCloseFromTheRight) {
  SetBoard({"RBBGY", "YBBRG"});
  ClickCell(2, 1);  // columns 2 and 3 empty at once
  EXPECT_EQ(BoardRows()[0], "RGY......");
  EXPECT_EQ(BoardRows()[1], "YRG......");
  EXPECT_EQ(Cell(2, 1).targetX, 180);
  EXPECT_EQ(Cell(2, 1).x, 140 + 3 * 40);  // glides from its old column
}

TEST_F(Board, HoveredCellOnlyInsideThePlayableArea) {
  mouseX = 141;
  mouseY = 41;
  UpdateHoveredCell();
  EXPECT_EQ(hoverColumn, 1);
  EXPECT_EQ(hoverRow, 1);
  mouseX = 499;
  mouseY = 479;
  UpdateHoveredCell();
  EXPECT_EQ(hoverColumn, 9);
  EXPECT_EQ(hoverRow, 11);
  mouseX = 100;
  UpdateHoveredCell();
  EXPECT_EQ(hoverColumn + hoverRow, 0);
  mouseX = 520;
  mouseY = 100;
  UpdateHoveredCell();
  EXPECT_EQ(hoverColumn + hoverRow, 0);
}

TEST_F(Board, RandomBetweenCoversBothEnds) {
  zentoir::SetRandomSeed(5);
  std::set<double> seen;
  for (int i = 0; i < 200; ++i)
    seen.insert(RandomBetween(1, 4));
  EXPECT_EQ(seen, (std::set<double>{1, 2, 3, 4}));
  EXPECT_EQ(RandomBetween(7, 7), 7);
}

}  // namespace
}  // namespace pindrake
