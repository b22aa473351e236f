// Puts the game's globals into a known state for a test, without starting the runtime:
// drawing, sound and presenting do nothing then.
#pragma once

#include <string>

#include "Board.h"
#include "Globals.h"

namespace pindrake::testing {

// Sprite numbers of the four board colours and white, as the game loads them.
constexpr double kBlue = 1003, kRed = 1004, kGreen = 1005, kYellow = 1006;

inline void ResetGame() {
  zentoir::DimNumberArray(balloonSprites, 6);
  for (double i = 1; i <= 5; ++i)
    zentoir::ElementAt(balloonSprites, i) = 1002 + i;
  zentoir::DimRecordArray(highScores, 26);
  InitBoardGeometry();
  zentoir::DimRecordArray(board, 11, 13);
  balloonsLeft = points = 0;
  riseSpeed = 150;
  mouseButton = hoverColumn = hoverRow = 0;
  balloonsMoving = gameOverTimer = menuPage = 0;
}

// Fills the playable cells from rows of letters (B, R, G, Y, '.' empty), top row first;
// each balloon sits at its target.
inline void SetBoard(const std::vector<std::string>& rows) {
  zentoir::DimRecordArray(board, 11, 13);
  balloonsLeft = 0;
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      BoardCell& cell = Cell(double(c + 1), double(r + 1));
      const char k = rows[r][c];
      cell.balloon = k == 'B'   ? kBlue
                     : k == 'R' ? kRed
                     : k == 'G' ? kGreen
                     : k == 'Y' ? kYellow
                                : 0;
      cell.targetX = cell.x = boardLeft + double(c) * CELL_SIZE;
      cell.targetY = cell.y = boardTop + double(r) * CELL_SIZE;
      if (cell.balloon != 0) balloonsLeft += 1;
    }
  }
}

// The board as rows of letters, rows 1..11, columns 1..9.
inline std::vector<std::string> BoardRows() {
  std::vector<std::string> rows;
  for (double r = 1; r <= 11; ++r) {
    std::string row;
    for (double c = 1; c <= 9; ++c) {
      const double b = Cell(c, r).balloon;
      row += b == kBlue ? 'B' : b == kRed ? 'R' : b == kGreen ? 'G' : b == kYellow ? 'Y' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

// A left click on the cell, once the board has settled.
inline void ClickCell(double c, double r) {
  hoverColumn = c;
  hoverRow = r;
  mouseButton = 1;
  HandleBoardClick();
}

}  // namespace pindrake::testing
