#include "Board.h"

#include <cmath>

#include "GameRecord.h"
#include "PlayMode.h"
#include "Screens.h"

namespace pindrake {

using namespace zentoir;

BoardCell& Cell(double c, double r) {
  return ElementAt(board, c, r);
}

void InitBoardGeometry() {
  boardColumns = 11;
  boardRows = 13;
  boardLeft = centreX - CELL_SIZE * boardColumns * 0.5 + CELL_SIZE;
  boardTop = centreY - 20 * boardRows + CELL_SIZE + 20;
}

double RandomBetween(double a, double b) {
  return a + RandomInt(b - a);
}

namespace {
bool boardsSeeded = false;
double boardSeed = 0;
double boardsMade = 0;
}  // namespace

void SeedBoards(double seed) {
  boardsSeeded = true;
  boardSeed = seed;
  boardsMade = 0;
}

// Every board is made from a seed of its own, so the game can be replayed; the attract
// mode's boards do not use up the fixed sequence.
double NextBoardSeed() {
  if (!boardsSeeded || CurrentPlayMode() == PlayMode::Attract) return RandomInt(2147483646);
  boardsMade = boardsMade + 1;
  return boardSeed + boardsMade - 1;
}

void NewGame() {
  BeginRecordedGame(NextBoardSeed());
  DimRecordArray(board, 11, 13);
  balloonsLeft = 0;
  points = 0;
  for (double c = 1; c <= 9; ++c) {
    for (double r = 1; r <= 11; ++r) {
      BoardCell& cell = Cell(c, r);
      cell.balloon = ElementAt(balloonSprites, RandomBetween(1, 4));
      if (cell.balloon != 0) balloonsLeft = balloonsLeft + 1;
      cell.targetX = boardLeft + (c - 1) * CELL_SIZE;
      cell.targetY = boardTop + (r - 1) * CELL_SIZE;
      cell.x = RandomBetween(boardLeft, boardLeft + (boardColumns - 2) * CELL_SIZE);
      cell.y = r * 60 + 480;
    }
  }
  LiftBalloons();
}

double MoveBalloons() {
  double moved = 0;
  for (double c = 1; c <= 10; ++c) {
    for (double r = 1; r <= 12; ++r) {
      BoardCell& cell = Cell(c, r);
      if (cell.balloon == 0 || (cell.x == cell.targetX && cell.y == cell.targetY)) continue;
      const double step = frameSeconds * (riseSpeed - c - 5 * r);
      const double dx = cell.targetX - cell.x, dy = cell.targetY - cell.y;
      const double distance = std::trunc(SquareRoot(dx * dx + dy * dy));
      if (step >= distance) {
        cell.x = cell.targetX;
        cell.y = cell.targetY;
      } else {
        const double angle = AtanDeg(dx, dy);
        cell.x = cell.x + step * SinDeg(angle);
        cell.y = cell.y + step * CosDeg(angle);
        moved = 1;
      }
    }
  }
  return moved;
}

double HasSameNeighbour(double c, double r) {
  const double balloon = Cell(c, r).balloon;
  return Cell(c + 1, r).balloon == balloon || Cell(c - 1, r).balloon == balloon ||
         Cell(c, r + 1).balloon == balloon || Cell(c, r - 1).balloon == balloon;
}

double AnyMoveLeft() {
  for (double c = 1; c <= 10; ++c) {
    for (double r = 1; r <= 12; ++r) {
      if (Cell(c, r).balloon != 0 && HasSameNeighbour(c, r) != 0) return 1;
    }
  }
  return 0;
}

double PopGroup(double c, double r) {
  const double colour = Cell(c, r).balloon;
  Cell(c, r).balloon = 0;
  CountPoppedBalloon();
  presentFrame = 1;
  RunFrame();
  PlaySound(SOUND_POP, 0, SOUND_VOLUME);
  SleepMs(222);
  double count = 1;
  const double neighbours[4][2] = {{c - 1, r}, {c + 1, r}, {c, r - 1}, {c, r + 1}};
  for (const auto& n : neighbours) {
    if (Cell(n[0], n[1]).balloon == colour) count = count + PopGroup(n[0], n[1]);
  }
  return count;
}

void LiftBalloons() {
  for (double c = 1; c <= 10; ++c) {
    for (double r = 1; r <= 11; ++r) {
      if (Cell(c, r).balloon != 0) continue;
      double s = r + 1;
      while (s <= 12 && Cell(c, s).balloon == 0)
        ++s;
      if (s > 12) break;  // the rest of the column is empty
      BoardCell& from = Cell(c, s);
      from.targetY = boardTop + (r - 1) * CELL_SIZE;
      Cell(c, r) = from;
      from.balloon = 0;
    }
  }
}

void CloseEmptyColumns() {
  double filled = 0;
  for (double c = 1; c <= 10; ++c) {
    if (Cell(c, 1).balloon != 0) filled = filled + 1;
  }
  double c = 0;
  while (c < boardColumns - 2) {
    c = c + 1;
    if (Cell(c, 1).balloon != 0) continue;
    for (double d = c; d <= 9; ++d) {
      for (double r = 1; r <= 12; ++r) {
        Cell(d, r) = Cell(d + 1, r);
        Cell(d, r).targetX = boardLeft + (d - 1) * CELL_SIZE;
        Cell(d + 1, r).balloon = 0;
      }
    }
    if (Cell(c, 1).balloon == 0 && c <= filled) {
      c = c - 1;
    } else if (c == filled) {
      break;
    }
  }
}

void HandleBoardClick() {
  double c = 0, r = 0;
  if (!BurstRequested(c, r) || c <= 0 || r <= 0) return;
  if (HasSameNeighbour(c, r) == 0 || Cell(c, r).balloon <= 0) return;
  BeginBurst(c, r);
  const double n = PopGroup(c, r);
  EndBurst();
  balloonsMoving = n;
  balloonsLeft = balloonsLeft - n;
  points = points + n - 1;
  LiftBalloons();
  CloseEmptyColumns();
  riseSpeed = 150;
  presentFrame = 0;
  lastFrameTime = GetTimeMs();
  frameSeconds = 0;
}

void UpdateHoveredCell() {
  hoverColumn = std::trunc((mouseX - boardLeft) / CELL_SIZE + 1);
  hoverRow = std::trunc((mouseY - boardTop) / CELL_SIZE + 1);
  if (hoverColumn <= 0 || hoverRow <= 0 || hoverColumn > 9 || hoverRow > 11) {
    hoverColumn = 0;
    hoverRow = 0;
  }
}

void DrawBoard() {
  for (double c = 0; c <= 10; ++c) {
    for (double r = 0; r <= 12; ++r) {
      const double px = boardLeft + (c - 1) * CELL_SIZE, py = boardTop + (r - 1) * CELL_SIZE;
      const BoardCell& cell = Cell(c, r);
      if (((c == 0 || c == 10) && r < 12) || r == 0) {
        DrawSprite(wallSprite, px, py);
      } else if (cell.balloon > 0) {
        DrawSprite(cell.balloon, cell.x, cell.y);
      }
    }
  }
  if (hoverColumn + hoverRow > 0) {
    DrawSprite(outlineSprite, boardLeft + (hoverColumn - 1) * CELL_SIZE,
               boardTop + (hoverRow - 1) * CELL_SIZE);
  }
}

}  // namespace pindrake
