// The grid search state (Planner) and the weighted A* search over it (AStarPlanner).
// A search runs SetUp, StartSearch, RunSearch, ResetSearch; a planner set up again keeps
// its room where it is enough. Everything the search knows of a cell lives in one array
// indexed by cell, so a step costs the same on every shape of map.
#pragma once

#include <cstdint>
#include <memory>

#include "pathfind/OpenList.h"
#include "pathfind/SearchCell.h"

namespace zentoir {

struct SearchParameters {
  int32_t startX = 0;
  int32_t startY = 0;
  int32_t goalX = 0;
  int32_t goalY = 0;
  uint8_t diagonalCost = 1;   // a diagonal step costs √2 times the cell cost
  uint8_t allowDiagonal = 0;  // the four diagonal neighbours are expanded
  float weight = 0.5f;        // f = g + weight × (h − g), clamped to 0..1
  int32_t width = 0;
  int32_t height = 0;
  const double* costData = nullptr;  // width × height map values, x varying fastest
};

class Planner {
 public:
  virtual ~Planner() = default;

  // Builds the cell array and the open list. False, leaving nothing to search, when the
  // grid is empty or too large, a map value is NaN or +∞, start or goal lies outside,
  // start equals goal, or the memory cannot be had.
  bool SetUp(const SearchParameters& parameters);

  virtual bool StartSearch() = 0;
  // True when the goal was reached; ResultCell() is then the goal's cell.
  virtual bool RunSearch() = 0;
  virtual void ResetSearch();

  // Gives the room back; the planner must be set up again.
  void Release();

  // The goal's cell index (y × width + x) once reached, else −1.
  int32_t ResultCell() const { return result_; }
  // The cell that `cell` was reached from; −1 for the start.
  int32_t ParentOf(int32_t cell) const { return cells_[cell].parent; }
  int32_t Width() const { return params_.width; }
  int State() const { return state_; }

 protected:
  int32_t CellOf(int32_t x, int32_t y) const { return y * params_.width + x; }
  bool BuildCells();

  int state_ = 0;
  SearchParameters params_;
  std::unique_ptr<SearchCell[]> cells_;
  int64_t cellCapacity_ = 0;
  OpenList open_;
  int searchCount_ = 0;
  int32_t result_ = -1;
};

class AStarPlanner : public Planner {
 public:
  bool StartSearch() override;
  bool RunSearch() override;

 private:
  void Expand(int32_t cell);
  // Relaxes the step from cell `from` to the cell (x, y) inside the grid.
  void Visit(int32_t from, float fromG, int32_t x, int32_t y, bool diagonal);
};

}  // namespace zentoir
